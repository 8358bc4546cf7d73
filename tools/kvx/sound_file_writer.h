// Writes a stereo sound file block by block. The file's format follows its
// extension (.wav, .flac, .aiff or .aif, .ogg, in any case), with the most
// precise sample type the format takes: float where it has float (64-bit
// when asked for and the format has it), else 24-bit PCM, Vorbis for Ogg.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace kvx {

enum class SampleFormat { Float32, Float64 };

// The libsndfile format (container and sample type) for a stereo file at
// `path`. Throws KvxError for an extension kvx does not write, so that a
// command can refuse before it does any work.
int soundFileFormatFor(const std::string& path, SampleFormat precision);

class SoundFileWriter {
public:
    // `format` comes from soundFileFormatFor. Throws KvxError when the file
    // cannot be created.
    SoundFileWriter(const std::string& path, int sampleRateHz, int format);
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    void write(const double* left, const double* right, size_t frames);
    // Finishes the file; throws when it could not be completed.
    void close();

private:
    std::string path_;
    SNDFILE* file_ = nullptr;
    std::vector<double> interleaved_;
};

}  // namespace kvx
