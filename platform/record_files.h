// Preset and bank files are small fixed-size records read and written whole,
// always by their full path: the process's working directory belongs to the
// host and is never changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads at most `bytes` bytes of the file at `path` into `buffer` and returns
// how many it read; a missing or unreadable file reads 0. The file is only
// read, so a write-protected file loads too.
size_t readFilePrefix(const std::string& path, uint8_t* buffer, size_t bytes);

// Creates or truncates the file at `path` and writes `bytes` bytes; false
// when the file cannot be created or not all of it reached the file.
bool writeWholeFile(const std::string& path, const uint8_t* data, size_t bytes);
