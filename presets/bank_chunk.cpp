#include "presets/bank_chunk.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "presets/byte_order.h"

using namespace bank_chunk_offset;

void writeBankChunk(const ProgramStore& store, int32_t uniqueId, int32_t currentProgram,
                    uint8_t* out) {
    std::memset(out, 0, kBankChunkHeaderBytes);
    writeWordLE(out + kFormat, kBankChunkFormat);
    writeWordLE(out + kUniqueId, static_cast<uint32_t>(uniqueId));
    writeWordLE(out + kNumPrograms, static_cast<uint32_t>(store.numPrograms()));
    writeWordLE(out + kCurrentProgram, static_cast<uint32_t>(currentProgram));
    uint8_t* records = out + kBankChunkHeaderBytes;
    for (int p = 0; p < store.numPrograms(); ++p) {
        uint8_t* record = records + static_cast<size_t>(p) * store.recordBytes();
        std::memcpy(record, store.record(p), kProgramNameBytes);
        for (int k = 0; k < store.numParams(); ++k)
            writeFloatLE(record + kProgramNameBytes + 4 * k, store.value(p, k));
    }
}

namespace {

void reverseChunkWords(uint8_t* chunk, const ProgramStore& store) {
    for (int offset : {kFormat, kNumPrograms, kCurrentProgram, kReserved, kReserved + 4,
                       kReserved + 8, kReserved + 12})
        reverseWordInPlace(chunk + offset);
    uint8_t* records = chunk + kBankChunkHeaderBytes;
    for (int p = 0; p < store.numPrograms(); ++p) {
        uint8_t* values = records + static_cast<size_t>(p) * store.recordBytes() +
                          kProgramNameBytes;
        for (int k = 0; k < store.numParams(); ++k) reverseWordInPlace(values + 4 * k);
    }
}

// A value that is not a number would stay in the program and reach the
// engine each time the program is selected; no parameter can hold one.
bool allValuesFinite(const uint8_t* chunk, const ProgramStore& store) {
    const uint8_t* records = chunk + kBankChunkHeaderBytes;
    for (int p = 0; p < store.numPrograms(); ++p) {
        const uint8_t* values = records + static_cast<size_t>(p) * store.recordBytes() +
                                kProgramNameBytes;
        for (int k = 0; k < store.numParams(); ++k)
            if (!std::isfinite(readFloatLE(values + 4 * k))) return false;
    }
    return true;
}

}  // namespace

ChunkReading readBankChunk(uint8_t* chunk, size_t byteSize, const ProgramStore& store,
                           int32_t uniqueId) {
    const ChunkReading refused{ChunkVerdict::kRefused, 0};
    if (!chunk || byteSize != bankChunkBytes(store)) return refused;

    const uint32_t storedId = readWordLE(chunk + kUniqueId);
    const auto ownId = static_cast<uint32_t>(uniqueId);
    if (storedId != ownId) {
        if (storedId != reverseBytes32(ownId)) return refused;
        reverseChunkWords(chunk, store);
    }
    if (readWordLE(chunk + kFormat) != kBankChunkFormat) return {ChunkVerdict::kWrongFormat, 0};
    if (readWordLE(chunk + kNumPrograms) != static_cast<uint32_t>(store.numPrograms()))
        return refused;
    if (!allValuesFinite(chunk, store)) return refused;
    return {ChunkVerdict::kAccepted, static_cast<int32_t>(readWordLE(chunk + kCurrentProgram))};
}
