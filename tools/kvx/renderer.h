// Rendering: a stereo source through an opened effect into a sound file, with
// the buffers of each process call, the progress shown meanwhile and the
// levels measured.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/vst2.h"

namespace kvx {

// Peak and RMS of a stereo signal over its whole length, in dBFS.
class LevelMeter {
public:
    void add(const double* left, const double* right, size_t frames);
    // -infinity for silence, NaN when a sample was NaN.
    double peakDbfs() const;
    double rmsDbfs() const;  // over both channels together

private:
    void keepPeak(double magnitude);

    double peak_ = 0.0;
    double sumOfSquares_ = 0.0;
    int64_t samples_ = 0;
};

// "peak -1.00 dBFS, RMS -14.20 dBFS" ("-inf" for silence).
std::string describeLevels(const LevelMeter& meter);

// The channel buffers that one process call reads and writes, sized for the
// effect's own input and output counts. The host's stereo signal feeds the
// inputs in turn (left, right, left, ...); the first two outputs, or the
// only one twice, become the stereo result.
template <typename Sample>
class ProcessBuffers {
public:
    ProcessBuffers(int inputs, int outputs, size_t capacityFrames);

    // Copies the stereo input in and clears the outputs.
    void load(const double* left, const double* right, size_t frames);
    void store(double* left, double* right, size_t frames) const;

    Sample** inputs() { return inputPointers_.data(); }
    Sample** outputs() { return outputPointers_.data(); }

private:
    std::vector<std::vector<Sample>> inputs_;
    std::vector<std::vector<Sample>> outputs_;
    std::vector<Sample*> inputPointers_;
    std::vector<Sample*> outputPointers_;
};

extern template class ProcessBuffers<float>;
extern template class ProcessBuffers<double>;

// A percentage on one line of standard error, rewritten as rendering goes.
// Inputs at least this long show progress on a terminal without asking.
constexpr double kLongInputSeconds = 30.0;

// Progress is shown when asked for, or on a terminal for a long input.
bool shouldShowProgress(bool requested, bool onTerminal, double inputSeconds);

class ProgressReporter {
public:
    // A disabled reporter, or a total of 0 frames, prints nothing.
    ProgressReporter(bool enabled, int64_t totalFrames, FILE* out = stderr);
    void update(int64_t framesDone);
    // Shows 100% and ends the line.
    void finish();

private:
    void show(int percent);

    bool enabled_;
    int64_t totalFrames_;
    FILE* out_;
    int shownPercent_ = -1;
};

// Whether the standard error stream is an interactive terminal (platform).
bool standardErrorIsTerminal();

class AudioSource;
class PluginInstance;
class SoundFileWriter;

// Runs a stereo source through an opened effect block by block, in 32-bit
// or 64-bit samples, and writes the result: mains on, process calls of at
// most the block size, mains off.
struct RenderSettings {
    VstInt32 blockFrames = 512;
    bool doublePrecision = false;
};

struct RenderLevels {
    LevelMeter input;
    LevelMeter output;
};

// Throws KvxError when the effect cannot process as `settings` ask (no
// 64-bit processing, no replacing process entry, no outputs).
void requireProcessing(const PluginInstance& plugin, const RenderSettings& settings);

RenderLevels render(PluginInstance& plugin, AudioSource& source, SoundFileWriter& writer,
                    const RenderSettings& settings, ProgressReporter& progress);

}  // namespace kvx
