#include "plugins/widmoor/widmoor_engine.h"

#include <algorithm>
#include <cmath>

#include "dsp/level_follower.h"
#include "dsp/period_delay.h"
#include "dsp/switch_state.h"
#include "plugins/widmoor/comb_frames.h"
#include "plugins/widmoor/widmoor_parameters.h"

namespace widmoor {

namespace {

using level_follower::FollowerPair;
using namespace comb_frames;

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
// values, or such a result halved (exact in the normal range, and processing
// runs with denormals flushed), is written in Sample arithmetic: a double
// holds more than twice a float's precision, so the float operation gives
// exactly the double result rounded once, and costs no conversions.
//
// The comb is written once for the value types of comb_frames.h and runs on
// four frames at a time wherever four consecutive frames neither wrap a ring
// index nor read a ring slot that a later one of them writes, frame by frame
// elsewhere; the results are the same either way.

// What one step of the comb works with: the block's values, y, and where it
// writes and reads the rings (plain arrays of as many samples as it has frames).
struct Step {
    double sign;            // -1 with "phase" on
    double gain;            // g, the mode's share of D
    double width;           // W, side width of the first mode
    double w;               // emphasis of the other modes
    float previousDelayed;  // y of the emphasis modes, carried from step to step
    float* writeA = nullptr;
    float* writeB = nullptr;
    const float* readA = nullptr;
    const float* readB = nullptr;
};

// First mode: the side signal, widened by W, is combed.
struct SideComb {
    template <typename F, typename V = typename F::Values>
    static void run(const V& l, const V& r, Step& step, V& left, V& right) {
        using Wide = typename F::Wide;
        using Stored = typename F::Stored;
        const V mid = l + r;                                          // M
        const V side = rounded<V>(step.width * (wide(l) - wide(r)));  // S
        const V p = mid + side;
        const V q = mid - side;
        const typename F::Sample sign(step.sign);  // +1 or -1: s P and s Q are exact
        store(step.writeA, storable(rounded<Stored>(sign * p)));
        store(step.writeB, storable(rounded<Stored>(sign * q)));
        // g (b - a) is exactly -g (a - b), and Q + (-x) is Q - x.
        const Wide comb =
            step.gain * (wide(loaded<Stored>(step.readA)) - wide(loaded<Stored>(step.readB)));
        left = rounded<V>(0.5 * (wide(p) + comb));
        right = rounded<V>(0.5 * (wide(q) - comb));
    }
};

// The emphasis modes: e = s (a - w y), with y the delayed value of the frame
// before. Kind says what enters the ring and how e, scaled by g (ge, wide),
// reaches the outputs.
template <typename Kind>
struct EmphasisComb {
    template <typename F, typename V = typename F::Values>
    static void run(const V& l, const V& r, Step& step, V& left, V& right) {
        using Stored = typename F::Stored;
        store(step.writeA, storable(rounded<Stored>(Kind::template ringInput<F>(l, r))));
        const typename F::Wide a = wide(loaded<Stored>(step.readA));
        const typename F::Wide y = framesBefore(a, step.previousDelayed);
        const V e = rounded<V>(step.sign * (a - step.w * y));
        Kind::template mix<F>(l, r, step.gain * wide(e), left, right);
    }
};

struct MidEmphasis {
    template <typename F, typename V = typename F::Values>
    static V ringInput(const V& l, const V& r) {
        return l + r;
    }
    template <typename F, typename V = typename F::Values, typename Wide = typename F::Wide>
    static void mix(const V& l, const V& r, const Wide& ge, V& left, V& right) {
        left = rounded<V>(wide(l) + ge);
        right = rounded<V>(wide(r) - ge);
    }
};

struct SideEmphasis {
    template <typename F, typename V = typename F::Values>
    static V ringInput(const V& l, const V& r) {  // d
        return typename F::Sample(0.5) * (l - r);
    }
    template <typename F, typename V = typename F::Values, typename Wide = typename F::Wide>
    static void mix(const V& l, const V& r, const Wide& ge, V& left, V& right) {
        const typename F::Sample half(0.5);
        const Wide m = wide(V(half * (l + r)));
        const Wide d = wide(V(half * (l - r)));
        left = rounded<V>((m + ge) + d);
        right = rounded<V>((m - ge) - d);
    }
};

// One step of F::kCount frames from frame `at`: the comb, then the followers
// take |left + right| and |left - right| of each frame in order, then the
// outputs take left and right.
template <typename F, typename Mode, typename Sample>
void runStep(const Sample* const* inputs, Sample* const* outputs, int at, Step& step,
             FollowerPair& f, double coeff) {
    using V = typename F::Values;
    V left, right;
    Mode::template run<F>(loaded<V>(inputs[0] + at), loaded<V>(inputs[1] + at), step, left, right);
    const typename F::Wide sums = wide(magnitude(left + right));
    const typename F::Wide diffs = wide(magnitude(left - right));
    for (int k = 0; k < F::kCount; ++k) f.update(lane(sums, k), lane(diffs, k), coeff);
    store(outputs[0] + at, left);
    store(outputs[1] + at, right);
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
    block.w = load(controls.widthEmphasis);
    block.width = 1.0 + 3.0 * block.w;
    block.coeff = followerCoeff_.at(sampleRateHz);
    return block;
}

template <typename Sample>
void WidmoorEngine::process(const Sample* const* inputs, Sample* const* outputs, int frames,
                            double sampleRateHz) {
    const BlockSettings block = blockSettings(sampleRateHz);
    if (isOn(load(controls.process)))
        comb(inputs, outputs, frames, block);
    else
        bypass(inputs, outputs, frames, block.coeff);
    finishBlock<Sample>();
}

template <typename Sample>
void WidmoorEngine::bypass(const Sample* const* inputs, Sample* const* outputs, int frames,
                           double coeff) {
    FollowerPair f(state_.followers.sum, state_.followers.diff);
    for (int i = 0; i < frames; ++i) {
        const Sample left = inputs[0][i], right = inputs[1][i];
        f.update(std::fabs(left + right), std::fabs(left - right), coeff);
        outputs[0][i] = left;
        outputs[1][i] = right;
    }
    state_.followers = Followers{f.first(), f.second()};
}

template <typename Sample>
void WidmoorEngine::comb(const Sample* const* inputs, Sample* const* outputs, int frames,
                         const BlockSettings& block) {
    switch (modeOf(load(controls.mode))) {
        case kSideComb: combFrames<Sample, SideComb>(inputs, outputs, frames, block); break;
        case kMidEmphasis:
            combFrames<Sample, EmphasisComb<MidEmphasis>>(inputs, outputs, frames, block);
            break;
        case kSideEmphasis:
            combFrames<Sample, EmphasisComb<SideEmphasis>>(inputs, outputs, frames, block);
            break;
    }
}

template <typename Sample, typename Mode>
void WidmoorEngine::combFrames(const Sample* const* inputs, Sample* const* outputs, int frames,
                               const BlockSettings& block) {
    const uint32_t delay = static_cast<uint32_t>(delay_.load(std::memory_order_relaxed));
    // Four frames write their slots before they read theirs, which is the
    // order of single frames unless one of them reads a slot that a later one
    // writes (a delay within three of the ring's length).
    const bool inFours = delay <= kRingSamples - kGroupFrames;
    Step step{block.sign, block.gain, block.width, block.w, state_.previousDelayed};
    auto aim = [&step, this](uint32_t write, uint32_t read) {
        step.writeA = ringA_.stretch(write);
        step.writeB = ringB_.stretch(write);
        step.readA = ringA_.stretch(read);
        step.readB = ringB_.stretch(read);
    };
    FollowerPair f(state_.followers.sum, state_.followers.diff);
    uint32_t write = state_.write;
    for (int i = 0; i < frames; write = Ring::wrap(write)) {
        uint32_t read = Ring::wrap(write - delay);
        // Fours up to the next wrap of either index, then one frame.
        const uint32_t span = std::min({static_cast<uint32_t>(frames - i), Ring::untilEnd(write),
                                        Ring::untilEnd(read)});
        for (uint32_t fours = inFours ? span / kGroupFrames : 0; fours > 0; --fours) {
            aim(write, read);
            runStep<Frames<Sample, kGroupFrames>, Mode>(inputs, outputs, i, step, f, block.coeff);
            i += kGroupFrames;
            write += kGroupFrames;
            read += kGroupFrames;
        }
        if (i < frames) {
            aim(write, read);
            runStep<Frames<Sample, 1>, Mode>(inputs, outputs, i, step, f, block.coeff);
            ++i;
            ++write;
        }
    }
    state_.write = write;
    state_.previousDelayed = step.previousDelayed;
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
