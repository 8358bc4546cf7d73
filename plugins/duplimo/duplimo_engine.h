// The mono-to-stereo signal engine: the input summed to mono, a copy delayed
// by one period of the base frequency and optionally emphasised becomes a side
// signal added to the left and subtracted from the right; two level followers
// give a mono/side meter reading. No host knowledge; the effect serialises
// process(), suspend() and resume() and writes the controls from any thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "dsp/level_follower.h"
#include "plugins/duplimo/duplimo_delay_line.h"

namespace duplimo {

// Engine values derived from the parameters. Each is a single 32-bit store,
// read anew by the engine without a lock.
struct EngineControls {
    std::atomic<float> sideGain{0.0f};           // W
    std::atomic<float> baseFrequencyHz{265.0f};  // F
    std::atomic<float> emphasis{0.0f};           // Ce
    std::atomic<float> process{1.0f};            // switch states
    std::atomic<float> phase{0.0f};
    std::atomic<int32_t> delaySamples{0};        // write position minus read position
};

class DuplimoEngine {
public:
    explicit DuplimoEngine(double sampleRateHz);

    EngineControls controls;

    // Stores F and moves the read position to one period behind the write
    // position at the sample rate last taken by construction or suspend/resume.
    // A frequency without a usable period (NaN) keeps the delay as it was.
    void setBaseFrequency(float frequencyHz);

    // Sample rate refreshed, delay recomputed from it, delay line, followers
    // and previous delayed sample cleared. suspend also sets the reading to
    // 0; resume keeps it.
    void suspend(double sampleRateHz);
    void resume(double sampleRateHz);

    // One block of n frames; inputs and outputs may be the same buffers.
    // Sample is float (intermediates rounded to 32 bits) or double.
    template <typename Sample>
    void process(const Sample* const* inputs, Sample* const* outputs, int frames,
                 double sampleRateHz);

    float monoSideReading() const { return reading_.load(std::memory_order_relaxed); }
    int32_t sampleRate() const { return sampleRate_.load(std::memory_order_relaxed); }

    struct Followers {
        double mono = 0.0;  // E_m, follows |m|
        double side = 0.0;  // E_s, follows |s|
    };
    const Followers& followers() const { return followers_; }

private:
    struct BlockSetup {
        double followerCoeff;
        double sideSign;  // -1 with "phase" on
    };

    template <typename Sample, bool kProcessOn>
    void run(const Sample* const* inputs, Sample* const* outputs, int frames,
             const BlockSetup& setup);
    template <typename Sample>
    void finishBlock();
    void clearState(double sampleRateHz);
    void updateDelay();

    FollowerCoefficientCache followerCoeff_;
    DuplimoDelayLine line_;
    float previousDelayed_ = 0.0f;  // p
    Followers followers_;
    std::atomic<int32_t> sampleRate_;  // fs, whole samples per second
    std::atomic<float> reading_{0.0f};
};

}  // namespace duplimo
