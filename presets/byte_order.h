// Little-endian 32-bit words in stored images, and their byte reversal.
#pragma once

#include <cstdint>
#include <cstring>

inline uint32_t reverseBytes32(uint32_t word) {
    return (word >> 24) | ((word >> 8) & 0x0000ff00u) | ((word << 8) & 0x00ff0000u) |
           (word << 24);
}

inline uint32_t readWordLE(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

inline void writeWordLE(uint8_t* bytes, uint32_t word) {
    bytes[0] = static_cast<uint8_t>(word);
    bytes[1] = static_cast<uint8_t>(word >> 8);
    bytes[2] = static_cast<uint8_t>(word >> 16);
    bytes[3] = static_cast<uint8_t>(word >> 24);
}

inline void reverseWordInPlace(uint8_t* bytes) {
    writeWordLE(bytes, reverseBytes32(readWordLE(bytes)));
}

inline float readFloatLE(const uint8_t* bytes) {
    const uint32_t word = readWordLE(bytes);
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

inline void writeFloatLE(uint8_t* bytes, float value) {
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    writeWordLE(bytes, word);
}
