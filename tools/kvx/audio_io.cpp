#include "tools/kvx/audio_io.h"

#include <algorithm>
#include <cctype>
#include <sndfile.h>

#include "tools/kvx/kvx_error.h"

namespace kvx {

size_t StereoSignalSource::read(double* left, double* right, size_t maxFrames) {
    const size_t frames = std::min(maxFrames, signal_.left.size() - position_);
    std::copy_n(signal_.left.begin() + position_, frames, left);
    std::copy_n(signal_.right.begin() + position_, frames, right);
    position_ += frames;
    return frames;
}

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

namespace {

constexpr int kStereoChannels = 2;
// The sample types a container takes do not depend on the rate; any common
// one does for asking libsndfile.
constexpr int kFormatCheckRateHz = 44100;

struct Container {
    const char* extension;  // lower case, without the dot
    int majorFormat;
};

const Container kContainers[] = {
    {"wav", SF_FORMAT_WAV},   {"flac", SF_FORMAT_FLAC}, {"aiff", SF_FORMAT_AIFF},
    {"aif", SF_FORMAT_AIFF}, {"ogg", SF_FORMAT_OGG},
};

// Sample types from the most precise down; a container gets the first one
// that libsndfile can write into it.
const int kFloat32Preference[] = {SF_FORMAT_FLOAT, SF_FORMAT_PCM_24, SF_FORMAT_VORBIS};
const int kFloat64Preference[] = {SF_FORMAT_DOUBLE, SF_FORMAT_FLOAT, SF_FORMAT_PCM_24,
                                  SF_FORMAT_VORBIS};

std::string lowerCaseExtension(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

int majorFormatFor(const std::string& path) {
    const std::string extension = lowerCaseExtension(path);
    for (const Container& container : kContainers)
        if (extension == container.extension) return container.majorFormat;
    throw KvxError("cannot tell the format to write from the name " + path +
                   " (use .wav, .flac, .aiff, .aif or .ogg)");
}

bool canWrite(int format) {
    SF_INFO info{};
    info.samplerate = kFormatCheckRateHz;
    info.channels = kStereoChannels;
    info.format = format;
    return sf_format_check(&info) != 0;
}

template <size_t N>
int firstWritable(int majorFormat, const int (&subtypes)[N]) {
    for (int subtype : subtypes)
        if (canWrite(majorFormat | subtype)) return majorFormat | subtype;
    throw KvxError("this libsndfile cannot write the format asked for");
}

bool isFloat(int format) {
    const int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
}

}  // namespace

int soundFileFormatFor(const std::string& path, SampleFormat precision) {
    const int majorFormat = majorFormatFor(path);
    return precision == SampleFormat::Float64 ? firstWritable(majorFormat, kFloat64Preference)
                                              : firstWritable(majorFormat, kFloat32Preference);
}

SoundFileWriter::SoundFileWriter(const std::string& path, int sampleRateHz, int format)
    : path_(path) {
    SF_INFO info{};
    info.samplerate = sampleRateHz;
    info.channels = kStereoChannels;
    info.format = format;
    file_ = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file_) throw KvxError("cannot write " + path + ": " + sf_strerror(nullptr));
    // Without clipping, libsndfile turns samples past full scale into
    // garbage (FLAC even loses whole blocks); an effect's output may well
    // go past it.
    if (!isFloat(format)) sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundFileWriter::~SoundFileWriter() {
    if (file_) sf_close(file_);
}

void SoundFileWriter::write(const double* left, const double* right, size_t frames) {
    interleaved_.resize(frames * kStereoChannels);
    for (size_t frame = 0; frame < frames; ++frame) {
        interleaved_[frame * kStereoChannels] = left[frame];
        interleaved_[frame * kStereoChannels + 1] = right[frame];
    }
    const sf_count_t wanted = static_cast<sf_count_t>(frames);
    if (sf_writef_double(file_, interleaved_.data(), wanted) != wanted)
        throw KvxError("cannot write " + path_ + ": " + sf_strerror(file_));
}

void SoundFileWriter::close() {
    SNDFILE* file = file_;
    file_ = nullptr;
    if (file && sf_close(file) != 0) throw KvxError("cannot finish " + path_);
}

}  // namespace kvx
