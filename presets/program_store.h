// A fixed bank of named programs, each stored as its record image: a 24-byte
// name followed by one little-endian 32-bit float per parameter. The same
// bytes travel in the host chunk, the preset files and the remembered values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

constexpr int kProgramNameBytes = 24;

constexpr int programRecordBytes(int numParams) { return kProgramNameBytes + 4 * numParams; }

// Stores at most the first 24 characters of `name`, zero-filled behind a
// shorter name, without a terminating zero for a name of 24 or more.
void storeProgramName(uint8_t* record, const char* name);

// Copies the 24 name bytes and a terminating zero (25 bytes) into `text`.
void loadProgramName(const uint8_t* record, char* text);

// The records are allocated without throwing: data() is null when that
// failed, and an effect checks it before it uses the store.
class ProgramStore {
public:
    ProgramStore(int numPrograms, int numParams);

    int numPrograms() const { return numPrograms_; }
    int numParams() const { return numParams_; }
    int recordBytes() const { return programRecordBytes(numParams_); }
    size_t bankBytes() const { return offset(numPrograms_); }

    uint8_t* record(int program) { return bytes_.get() + offset(program); }
    const uint8_t* record(int program) const { return bytes_.get() + offset(program); }
    uint8_t* data() { return bytes_.get(); }
    const uint8_t* data() const { return bytes_.get(); }

    float value(int program, int param) const;
    void setValue(int program, int param, float value);
    void setName(int program, const char* name) { storeProgramName(record(program), name); }
    void getName(int program, char* text) const { loadProgramName(record(program), text); }

private:
    size_t offset(int program) const {
        return static_cast<size_t>(program) * static_cast<size_t>(recordBytes());
    }

    int numPrograms_;
    int numParams_;
    std::unique_ptr<uint8_t[]> bytes_;
};
