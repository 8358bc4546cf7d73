#include "plugins/widmoor/widmoor_engine.h"

#include <cmath>

#include "dsp/follower_pair.h"
#include "dsp/level_follower.h"
#include "dsp/period_delay.h"
#include "dsp/switch_state.h"
#include "plugins/widmoor/widmoor_parameters.h"

namespace widmoor {

namespace {

using level_follower::FollowerPair;

// Meter thresholds: both followers above kLiveLevel give the log16 reading;
// below it the meter falls back to the side that is still audible.
constexpr double kLiveLevel = 0.001;
constexpr double kSumFloor = 1e-5;
constexpr double kDiffFloor = 1e-7;

// Share of the depth gain D per mode.
constexpr double kSideCombGainPerDepth = 0.75;
constexpr double kMidEmphasisGainPerDepth = 0.32;
constexpr double kSideEmphasisGainPerDepth = 1.6;

inline float load(const std::atomic<float>& value) {
    return value.load(std::memory_order_relaxed);
}

double gainPerDepth(Mode mode) {
    switch (mode) {
        case kSideComb: return kSideCombGainPerDepth;
        case kMidEmphasis: return kMidEmphasisGainPerDepth;
        default: return kSideEmphasisGainPerDepth;
    }
}

// The width meter: log16(sum / diff) while both are live; otherwise the
// side that is still audible, and the larger of the two when both are.
float widthMeter(double sum, double diff) {
    if (sum > kLiveLevel && diff > kLiveLevel) return level_follower::log16Reading(sum, diff);
    const bool sumAudible = sum > kSumFloor;
    const bool diffAudible = diff > kDiffFloor;
    if (sumAudible && (!diffAudible || sum >= diff)) return 0.5f;
    if (diffAudible) return -0.5f;
    return 0.0f;
}

// Rounding. The 32-bit path rounds only the named intermediates (M, S, P, Q,
// m, d, e, left, right and the followers' inputs) to a float and computes
// everything between them in double; the 64-bit path rounds nothing. What
// enters the ring, and so the previous delayed value y, is a float in both.
// An intermediate that is a single addition or subtraction of two Sample
// values is written in Sample arithmetic: a double holds more than twice a
// float's precision, so the float operation gives exactly the double result
// rounded once, and costs no conversions.

// One output frame: the followers take |left + right| and |left - right|,
// the outputs take left and right.
template <typename Sample>
inline void emit(FollowerPair& f, double coeff, Sample left, Sample right, Sample& outLeft,
                 Sample& outRight) {
    f.update(std::fabs(left + right), std::fabs(left - right), coeff);
    outLeft = left;
    outRight = right;
}

// The two emphasis modes differ in what enters the ring and in how the
// emphasised delayed signal e, scaled by g (ge, in double), reaches the outputs.
struct MidEmphasis {
    template <typename Sample>
    static Sample ringInput(Sample l, Sample r) {
        return l + r;
    }
    template <typename Sample>
    static void mix(Sample l, Sample r, double ge, Sample& left, Sample& right) {
        left = Sample(double(l) + ge);
        right = Sample(double(r) - ge);
    }
};

struct SideEmphasis {
    template <typename Sample>
    static Sample halfDifference(Sample l, Sample r) {  // d
        return Sample(0.5 * (double(l) - double(r)));
    }
    template <typename Sample>
    static Sample ringInput(Sample l, Sample r) {
        return halfDifference(l, r);
    }
    template <typename Sample>
    static void mix(Sample l, Sample r, double ge, Sample& left, Sample& right) {
        const Sample m = Sample(0.5 * (double(l) + double(r)));
        const Sample d = halfDifference(l, r);
        left = Sample((double(m) + ge) + double(d));
        right = Sample((double(m) - ge) - double(d));
    }
};

// Where the comb reads: one delay behind the write index (wrapped by the ring).
inline uint32_t readIndex(uint32_t write, const std::atomic<int32_t>& delay) {
    return write - static_cast<uint32_t>(delay.load(std::memory_order_relaxed));
}

}  // namespace

WidmoorEngine::WidmoorEngine(double sampleRateHz)
    : wholeRateHz_(period_delay::wholeSampleRate(sampleRateHz)) {}

void WidmoorEngine::updateDelay() {
    const int32_t delay = period_delay::periodSamples(
        wholeSampleRate(), load(controls.baseFrequencyHz), static_cast<int32_t>(kRingSamples));
    if (delay != period_delay::kNoDelay) delay_.store(delay, std::memory_order_relaxed);
}

void WidmoorEngine::reset(double sampleRateHz) {
    meter_.store(0.0f, std::memory_order_relaxed);
    ringA_.clear();
    ringB_.clear();
    state_.followers = Followers{};
    state_.previousDelayed = 0.0f;
    wholeRateHz_.store(period_delay::wholeSampleRate(sampleRateHz), std::memory_order_relaxed);
    updateDelay();
}

WidmoorEngine::BlockSettings WidmoorEngine::blockSettings(double sampleRateHz) {
    BlockSettings block;
    block.sign = isOn(load(controls.phase)) ? -1.0 : 1.0;
    block.gain = gainPerDepth(modeOf(load(controls.mode))) * double(load(controls.depthGain));
    block.width = 1.0 + 3.0 * double(load(controls.widthEmphasis));
    block.coeff = followerCoeff_.at(sampleRateHz);
    return block;
}

template <typename Sample>
void WidmoorEngine::process(const Sample* const* inputs, Sample* const* outputs, int frames,
                            double sampleRateHz) {
    const BlockSettings block = blockSettings(sampleRateHz);
    if (!isOn(load(controls.process))) {
        bypass(inputs, outputs, frames, block.coeff);
    } else {
        switch (modeOf(load(controls.mode))) {
            case kSideComb: sideComb(inputs, outputs, frames, block); break;
            case kMidEmphasis:
                emphasisComb<Sample, MidEmphasis>(inputs, outputs, frames, block);
                break;
            case kSideEmphasis:
                emphasisComb<Sample, SideEmphasis>(inputs, outputs, frames, block);
                break;
        }
    }
    finishBlock<Sample>();
}

template <typename Sample>
void WidmoorEngine::bypass(const Sample* const* inputs, Sample* const* outputs, int frames,
                           double coeff) {
    FollowerPair f(state_.followers.sum, state_.followers.diff);
    for (int i = 0; i < frames; ++i) {
        const Sample left = inputs[0][i];
        const Sample right = inputs[1][i];
        emit(f, coeff, left, right, outputs[0][i], outputs[1][i]);
    }
    state_.followers = Followers{f.first(), f.second()};
}

template <typename Sample>
void WidmoorEngine::sideComb(const Sample* const* inputs, Sample* const* outputs, int frames,
                             const BlockSettings& block) {
    const Sample sign = Sample(block.sign);
    const double gain = block.gain, width = block.width;
    const double coeff = block.coeff;
    FollowerPair f(state_.followers.sum, state_.followers.diff);
    uint32_t write = state_.write;
    for (int i = 0; i < frames; ++i) {
        const Sample l = inputs[0][i], r = inputs[1][i];
        const Sample mid = l + r;                                    // M
        const Sample side = Sample(width * (double(l) - double(r)));  // S
        const Sample p = mid + side;
        const Sample q = mid - side;
        const uint32_t read = readIndex(write, delay_);
        ringA_.put(write, sign * p);  // exact: the sign is +1 or -1
        ringB_.put(write, sign * q);
        // g (b - a) is exactly -g (a - b), and Q + (-x) is Q - x.
        const double comb = gain * (double(ringA_.at(read)) - double(ringB_.at(read)));
        const Sample left = Sample(0.5 * (double(p) + comb));
        const Sample right = Sample(0.5 * (double(q) - comb));
        emit(f, coeff, left, right, outputs[0][i], outputs[1][i]);
        write = Ring::wrap(write + 1);
    }
    state_.write = write;
    state_.followers = Followers{f.first(), f.second()};
}

template <typename Sample, typename Kind>
void WidmoorEngine::emphasisComb(const Sample* const* inputs, Sample* const* outputs, int frames,
                                 const BlockSettings& block) {
    const double sign = block.sign, gain = block.gain;
    const double coeff = block.coeff;
    FollowerPair f(state_.followers.sum, state_.followers.diff);
    uint32_t write = state_.write;
    float previous = state_.previousDelayed;
    for (int i = 0; i < frames; ++i) {
        const Sample l = inputs[0][i], r = inputs[1][i];
        const double w = load(controls.widthEmphasis);
        const uint32_t read = readIndex(write, delay_);
        ringA_.put(write, Kind::ringInput(l, r));
        const float a = ringA_.at(read);
        const Sample e = Sample(sign * (double(a) - w * double(previous)));
        previous = a;
        Sample left, right;
        Kind::mix(l, r, gain * double(e), left, right);
        emit(f, coeff, left, right, outputs[0][i], outputs[1][i]);
        write = Ring::wrap(write + 1);
    }
    state_.write = write;
    state_.previousDelayed = previous;
    state_.followers = Followers{f.first(), f.second()};
}

template <typename Sample>
void WidmoorEngine::finishBlock() {
    level_follower::settle<Sample>(state_.followers.sum);
    level_follower::settle<Sample>(state_.followers.diff);
    meter_.store(widthMeter(state_.followers.sum, state_.followers.diff),
                 std::memory_order_relaxed);
}

template void WidmoorEngine::process<float>(const float* const*, float* const*, int, double);
template void WidmoorEngine::process<double>(const double* const*, double* const*, int, double);

}  // namespace widmoor
