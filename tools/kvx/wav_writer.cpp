#include "tools/kvx/wav_writer.h"

#include <sndfile.h>

#include "tools/kvx/kvx_error.h"

namespace kvx {

namespace {

constexpr int kStereoChannels = 2;

int formatCode(SampleFormat format) {
    return SF_FORMAT_WAV | (format == SampleFormat::Float64 ? SF_FORMAT_DOUBLE : SF_FORMAT_FLOAT);
}

}  // namespace

WavWriter::WavWriter(const std::string& path, int sampleRateHz, SampleFormat format)
    : path_(path) {
    SF_INFO info{};
    info.samplerate = sampleRateHz;
    info.channels = kStereoChannels;
    info.format = formatCode(format);
    file_ = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file_) throw KvxError("cannot write " + path + ": " + sf_strerror(nullptr));
}

WavWriter::~WavWriter() {
    if (file_) sf_close(file_);
}

void WavWriter::write(const double* left, const double* right, size_t frames) {
    interleaved_.resize(frames * kStereoChannels);
    for (size_t frame = 0; frame < frames; ++frame) {
        interleaved_[frame * kStereoChannels] = left[frame];
        interleaved_[frame * kStereoChannels + 1] = right[frame];
    }
    const sf_count_t wanted = static_cast<sf_count_t>(frames);
    if (sf_writef_double(file_, interleaved_.data(), wanted) != wanted)
        throw KvxError("cannot write " + path_ + ": " + sf_strerror(file_));
}

void WavWriter::close() {
    SNDFILE* file = file_;
    file_ = nullptr;
    if (file && sf_close(file) != 0) throw KvxError("cannot finish " + path_);
}

}  // namespace kvx
