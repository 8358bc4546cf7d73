// The stereo image enhancer's signal engine: a feed-forward comb in the
// stereo domain. A component of the signal, delayed by one period of the base
// frequency, is added to the left channel and subtracted from the right, so
// the side signal is combed while the sum of both channels stays unchanged.
// Two level followers feed the width meter. No host knowledge; the effect
// serialises process(), suspend() and resume() and writes the controls and
// the delay from any thread.
#pragma once

#include <atomic>
#include <cstdint>

#include "dsp/delay_ring.h"
#include "dsp/level_follower.h"

namespace widmoor {

// Engine values derived from the parameters. Each is a single 32-bit store,
// read by the engine without a lock.
struct EngineControls {
    std::atomic<float> depthGain{0.0f};          // D
    std::atomic<float> baseFrequencyHz{265.0f};  // f
    std::atomic<float> widthEmphasis{0.0f};      // w
    std::atomic<float> process{1.0f};            // switch states
    std::atomic<float> phase{0.0f};
    std::atomic<float> mode{0.0f};               // mode number 0, 1, 2
};

struct Followers {
    double sum = 0.0;   // |left + right| of the output
    double diff = 0.0;  // |left - right|
};

class WidmoorEngine {
public:
    static constexpr uint32_t kRingSamples = 32768;
    using Ring = DelayRing<kRingSamples>;

    explicit WidmoorEngine(double sampleRateHz);

    EngineControls controls;

    // Recomputes the comb delay from the whole sample rate and the base
    // frequency. Any thread; the next sample uses it.
    void updateDelay();

    // The effect's suspend and resume, under the caller's lock: rings,
    // previous delayed value, followers and meter cleared, the whole sample
    // rate taken anew and the delay recomputed from it, so that the comb
    // follows a new host rate whether the host sets the base frequency
    // before or after resuming.
    void reset(double sampleRateHz);

    // One block of n frames; inputs and outputs may be the same buffers.
    // Sample is float (intermediates rounded to 32 bits) or double.
    template <typename Sample>
    void process(const Sample* const* inputs, Sample* const* outputs, int frames,
                 double sampleRateHz);

    float meter() const { return meter_.load(std::memory_order_relaxed); }
    int32_t delaySamples() const { return delay_.load(std::memory_order_relaxed); }
    int32_t wholeSampleRate() const { return wholeRateHz_.load(std::memory_order_relaxed); }
    const Followers& followers() const { return state_.followers; }

private:
    // State that only processing and the resets touch.
    struct CombState {
        uint32_t write = 0;            // ring write index, always wrapped
        float previousDelayed = 0.0f;  // y of the emphasis modes
        Followers followers;
    };

    // Per-block values of the comb. The delay is read per block as well: a
    // change from another thread is taken up by the next block.
    struct BlockSettings {
        double sign;   // -1 with "phase" on
        double gain;   // g, the mode's share of D
        double w;      // emphasis of the second and third mode
        double width;  // W = 1 + 3 w, side width of the first mode
        double coeff;  // follower coefficient
    };

    template <typename Sample>
    void bypass(const Sample* const* inputs, Sample* const* outputs, int frames, double coeff);
    template <typename Sample>
    void comb(const Sample* const* inputs, Sample* const* outputs, int frames,
              const BlockSettings& block);
    template <typename Sample, typename Mode>
    void combFrames(const Sample* const* inputs, Sample* const* outputs, int frames,
                    const BlockSettings& block);
    template <typename Sample>
    void finishBlock();

    BlockSettings blockSettings(double sampleRateHz);

    Ring ringA_;
    Ring ringB_;
    CombState state_;
    FollowerCoefficientCache followerCoeff_;
    std::atomic<int32_t> wholeRateHz_;
    std::atomic<int32_t> delay_{0};
    std::atomic<float> meter_{0.0f};
};

}  // namespace widmoor
