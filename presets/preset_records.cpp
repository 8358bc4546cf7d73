#include "presets/preset_records.h"

#include <cstring>

#include "presets/byte_order.h"

namespace {

enum class IdentifierMatch { kForeign, kNative, kSwapped };

// The byte-reversed form is compared first, as every reader of these records
// always has: it decides for an identifier that reads the same both ways.
IdentifierMatch matchIdentifier(const uint8_t* record, int32_t uniqueId) {
    const uint32_t stored = readWordLE(record);
    const auto own = static_cast<uint32_t>(uniqueId);
    if (stored == reverseBytes32(own)) return IdentifierMatch::kSwapped;
    if (stored == own) return IdentifierMatch::kNative;
    return IdentifierMatch::kForeign;
}

// Reads one stored value, turned round once for "swap" and once more for
// `reversed`, into `out` in native order. NaN is refused with everything else
// outside 0..1: it would reach the engines as a parameter value.
bool readValue(const uint8_t* stored, bool swap, bool reversed, uint8_t* out) {
    uint32_t word = readWordLE(stored);
    if (swap) word = reverseBytes32(word);
    if (reversed) word = reverseBytes32(word);
    float value;
    std::memcpy(&value, &word, sizeof value);
    if (!(value >= 0.0f && value <= 1.0f)) return false;
    writeWordLE(out, word);
    return true;
}

bool readProgram(const uint8_t* stored, int numParams, bool swap, bool reversed, uint8_t* out) {
    std::memcpy(out, stored, kProgramNameBytes);
    for (int k = 0; k < numParams; ++k) {
        const int offset = kProgramNameBytes + 4 * k;
        if (!readValue(stored + offset, swap, reversed, out + offset)) return false;
    }
    return true;
}

void writeProgram(const ProgramStore& store, int program, uint8_t* out) {
    std::memcpy(out, store.record(program), kProgramNameBytes);
    for (int k = 0; k < store.numParams(); ++k)
        writeFloatLE(out + kProgramNameBytes + 4 * k, store.value(program, k));
}

void writeHeader(int32_t uniqueId, uint8_t tag, uint8_t* out) {
    writeWordLE(out, static_cast<uint32_t>(uniqueId));
    out[kRecordTagOffset] = tag;
}

}  // namespace

void writePresetRecord(const ProgramStore& store, int program, int32_t uniqueId, uint8_t* out) {
    writeHeader(uniqueId, kPresetRecordTag, out);
    writeProgram(store, program, out + kRecordHeaderBytes);
}

void writeBankRecord(const ProgramStore& store, int32_t uniqueId, uint8_t* out) {
    writeHeader(uniqueId, kBankRecordTag, out);
    const size_t recordBytes = static_cast<size_t>(store.recordBytes());
    for (int p = 0; p < store.numPrograms(); ++p)
        writeProgram(store, p, out + kRecordHeaderBytes + static_cast<size_t>(p) * recordBytes);
}

bool readPresetRecord(const uint8_t* record, int numParams, int32_t uniqueId, bool reversed,
                      uint8_t* program) {
    const IdentifierMatch match = matchIdentifier(record, uniqueId);
    if (match == IdentifierMatch::kForeign || record[kRecordTagOffset] != kPresetRecordTag)
        return false;
    return readProgram(record + kRecordHeaderBytes, numParams,
                       match == IdentifierMatch::kSwapped, reversed, program);
}

bool readBankRecord(const uint8_t* record, int numPrograms, int numParams, int32_t uniqueId,
                    bool reversed, uint8_t* programs) {
    const IdentifierMatch match = matchIdentifier(record, uniqueId);
    if (match == IdentifierMatch::kForeign || record[kRecordTagOffset] != kBankRecordTag)
        return false;
    const size_t recordBytes = static_cast<size_t>(programRecordBytes(numParams));
    for (int p = 0; p < numPrograms; ++p) {
        const size_t offset = static_cast<size_t>(p) * recordBytes;
        if (!readProgram(record + kRecordHeaderBytes + offset, numParams,
                         match == IdentifierMatch::kSwapped, reversed, programs + offset))
            return false;
    }
    return true;
}
