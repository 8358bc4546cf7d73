// The sound kvx plays and writes: stereo sources that the renderer pulls block
// by block (a sound file or a signal held in memory) and the writer of the
// processed sound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace kvx {

// A stereo signal that the renderer pulls block by block: a sound file or a
// signal held in memory.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    virtual int sampleRateHz() const = 0;
    virtual int64_t totalFrames() const = 0;
    // Fills up to `maxFrames` frames of each channel; returns how many were
    // read, 0 at the end.
    virtual size_t read(double* left, double* right, size_t maxFrames) = 0;
};

// A whole stereo signal in memory, and a source that plays it.
struct StereoSignal {
    int sampleRateHz = 0;
    std::vector<double> left;
    std::vector<double> right;
};

class StereoSignalSource : public AudioSource {
public:
    explicit StereoSignalSource(const StereoSignal& signal) : signal_(signal) {}
    int sampleRateHz() const override { return signal_.sampleRateHz; }
    int64_t totalFrames() const override { return static_cast<int64_t>(signal_.left.size()); }
    size_t read(double* left, double* right, size_t maxFrames) override;

private:
    const StereoSignal& signal_;
    size_t position_ = 0;
};

// A sound file (WAV, FLAC, AIFF, anything libsndfile reads) as a stereo
// source: a mono file feeds both channels, a file with more than two
// channels gives its first two.

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

// Writes a stereo sound file block by block. The file's format follows its
// extension (.wav, .flac, .aiff or .aif, .ogg, in any case), with the most
// precise sample type the format takes: float where it has float (64-bit
// when asked for and the format has it), else 24-bit PCM, Vorbis for Ogg.

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
