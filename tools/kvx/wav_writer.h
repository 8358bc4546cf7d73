// Writes a stereo WAV file of 32-bit or 64-bit float samples, block by block.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace kvx {

enum class SampleFormat { Float32, Float64 };

class WavWriter {
public:
    // Throws KvxError when the file cannot be created.
    WavWriter(const std::string& path, int sampleRateHz, SampleFormat format);
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    void write(const double* left, const double* right, size_t frames);
    // Finishes the file; throws when it could not be completed.
    void close();

private:
    std::string path_;
    SNDFILE* file_ = nullptr;
    std::vector<double> interleaved_;
};

}  // namespace kvx
