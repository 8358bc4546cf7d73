#include "tools/kvx/sound_file_reader.h"

#include <sndfile.h>

#include "tools/kvx/kvx_error.h"

namespace kvx {

SoundFileReader::SoundFileReader(const std::string& path) : path_(path) {
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (!file_) throw KvxError("cannot read audio file " + path + ": " + sf_strerror(nullptr));
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file_);
        throw KvxError("cannot read audio file " + path + ": no channels or no sample rate");
    }
    sampleRateHz_ = info.samplerate;
    channels_ = info.channels;
    totalFrames_ = info.frames;
}

SoundFileReader::~SoundFileReader() { sf_close(file_); }

size_t SoundFileReader::read(double* left, double* right, size_t maxFrames) {
    const size_t channels = static_cast<size_t>(channels_);
    interleaved_.resize(maxFrames * channels);
    const sf_count_t got =
        sf_readf_double(file_, interleaved_.data(), static_cast<sf_count_t>(maxFrames));
    if (got < 0) throw KvxError("cannot read audio file " + path_ + ": " + sf_strerror(file_));
    const size_t rightChannel = channels > 1 ? 1 : 0;
    for (size_t frame = 0; frame < static_cast<size_t>(got); ++frame) {
        left[frame] = interleaved_[frame * channels];
        right[frame] = interleaved_[frame * channels + rightChannel];
    }
    return static_cast<size_t>(got);
}

}  // namespace kvx
