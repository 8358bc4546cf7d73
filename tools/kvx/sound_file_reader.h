// A sound file (WAV, FLAC, AIFF, anything libsndfile reads) as a stereo
// source: a mono file feeds both channels, a file with more than two
// channels gives its first two.
#pragma once

#include <string>
#include <vector>

#include "tools/kvx/audio_source.h"

typedef struct sf_private_tag SNDFILE;

namespace kvx {

class SoundFileReader : public AudioSource {
public:
    // Throws KvxError when the file cannot be opened or read as audio.
    explicit SoundFileReader(const std::string& path);
    ~SoundFileReader() override;
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;

    int sampleRateHz() const override { return sampleRateHz_; }
    int64_t totalFrames() const override { return totalFrames_; }
    int channels() const { return channels_; }
    size_t read(double* left, double* right, size_t maxFrames) override;

private:
    std::string path_;
    SNDFILE* file_ = nullptr;
    int sampleRateHz_ = 0;
    int channels_ = 0;
    int64_t totalFrames_ = 0;
    std::vector<double> interleaved_;
};

}  // namespace kvx
