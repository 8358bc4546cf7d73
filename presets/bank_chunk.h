// The host chunk: a 32-byte header followed by every program record of the
// bank. Words are little-endian; a chunk written on a big-endian machine is
// recognised by its byte-reversed identifier and turned round on reading.
#pragma once

#include <cstddef>
#include <cstdint>

#include "presets/program_store.h"

constexpr int kBankChunkHeaderBytes = 32;
constexpr uint32_t kBankChunkFormat = 0x01000000;

namespace bank_chunk_offset {
constexpr int kFormat = 0;
constexpr int kUniqueId = 4;
constexpr int kNumPrograms = 8;
constexpr int kCurrentProgram = 12;
constexpr int kReserved = 16;
}  // namespace bank_chunk_offset

inline size_t bankChunkBytes(const ProgramStore& store) {
    return kBankChunkHeaderBytes + store.bankBytes();
}

// Writes the whole chunk (bankChunkBytes(store) bytes) into `out`.
void writeBankChunk(const ProgramStore& store, int32_t uniqueId, int32_t currentProgram,
                    uint8_t* out);

enum class ChunkVerdict {
    kRefused,      // not ours, wrong size, wrong program count or a value that is
                   // not a number: -1 to the host
    kWrongFormat,  // our identifier but another format word: 0, nothing changes
    kAccepted,
};

struct ChunkReading {
    ChunkVerdict verdict;
    int32_t storedProgram;  // the header's current program (only when accepted)
};

// Checks `chunk` (byteSize bytes, a private copy) against the store's shape and
// `uniqueId`, turning a byte-reversed chunk round in place. On kAccepted the
// program records start at chunk + kBankChunkHeaderBytes in native order.
ChunkReading readBankChunk(uint8_t* chunk, size_t byteSize, const ProgramStore& store,
                           int32_t uniqueId);
