#include "platform/record_files.h"

#include <cstdio>

size_t readFilePrefix(const std::string& path, uint8_t* buffer, size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    const size_t got = std::fread(buffer, 1, bytes, file);
    std::fclose(file);
    return got;
}

bool writeWholeFile(const std::string& path, const uint8_t* data, size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(data, 1, bytes, file) == bytes;
    return std::fclose(file) == 0 && written;
}
