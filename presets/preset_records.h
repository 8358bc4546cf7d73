// The preset record (one program) and the bank record (all programs): the
// whole content of preset and bank files and of the remembered defaults and
// memories. Each begins with the writing plug-in's unique identifier and a tag
// byte; the program records follow without gaps, so a preset's values start
// at the odd offset 29. Identifier and values are in the writing machine's
// byte order; a record from a machine of the other order is recognised by its
// byte-reversed identifier.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/program_store.h"

constexpr uint8_t kPresetRecordTag = 0x21;  // '!'
constexpr uint8_t kBankRecordTag = 0x37;    // '7'
constexpr int kRecordHeaderBytes = 5;       // identifier and tag
constexpr int kRecordTagOffset = 4;

constexpr size_t presetRecordBytes(int numParams) {
    return kRecordHeaderBytes + static_cast<size_t>(programRecordBytes(numParams));
}

constexpr size_t bankRecordBytes(int numPrograms, int numParams) {
    return kRecordHeaderBytes +
           static_cast<size_t>(numPrograms) * static_cast<size_t>(programRecordBytes(numParams));
}

inline size_t presetRecordBytes(const ProgramStore& store) {
    return presetRecordBytes(store.numParams());
}
inline size_t bankRecordBytes(const ProgramStore& store) {
    return bankRecordBytes(store.numPrograms(), store.numParams());
}

// Writes program `program` as a preset record (presetRecordBytes bytes).
void writePresetRecord(const ProgramStore& store, int program, int32_t uniqueId, uint8_t* out);
// Writes every program as a bank record (bankRecordBytes bytes).
void writeBankRecord(const ProgramStore& store, int32_t uniqueId, uint8_t* out);

// Checks a whole preset record for `uniqueId` and turns it into one program
// record image in native order (programRecordBytes bytes, name bytes as
// stored). `reversed` turns every value round once more, for files whose
// identifier and values were written in different byte orders. Returns false,
// leaving `program` unspecified, for a foreign identifier, another tag, or a
// value that is not a number in 0..1.
bool readPresetRecord(const uint8_t* record, int numParams, int32_t uniqueId, bool reversed,
                      uint8_t* program);
// The same for a bank record, into numPrograms program record images.
bool readBankRecord(const uint8_t* record, int numPrograms, int numParams, int32_t uniqueId,
                    bool reversed, uint8_t* programs);
