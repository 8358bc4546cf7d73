#include "plugins/scopra/scopra_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "dsp/follower_steps.h"
#include "dsp/level_follower.h"
#include "dsp/quad.h"
#include "dsp/switch_state.h"

namespace scopra {

namespace {

constexpr double kPeakFallRatio = 1.0 / 16.0;
constexpr double kPeakFallSeconds = 1.5;
constexpr double kMeanSquareFallRatio = 1.0 / 256.0;
constexpr double kMeanSquareFallSeconds = 0.6;
constexpr double kAutoFallRatio = 1.0 / 16.0;
constexpr double kAutoFallSeconds = 0.6;
constexpr double kHoldSeconds = 4.0;
// Keeps the 32-bit hold count far from overflow at absurd sample rates.
constexpr double kMaxHoldSamples = 1e9;

constexpr double kPlotPixelsPerUnit = 31.0;  // times scopeGain
constexpr float kScopeLeftPixels = -85.0f;
constexpr float kScopeRightPixels = 83.0f;
constexpr float kScopeTopPixels = -76.0f;
constexpr float kScopeBottomPixels = 76.0f;

constexpr double kAutoEnvelopeWeight = 0.3;  // of the larger of the sum and difference peaks
constexpr double kAutoLevelScale = 0.115;
constexpr double kSideMidMeterScale = 0.5;   // S and M peaks shown halved

int captureFactorFor(double sampleRateHz) {
    if (sampleRateHz < 50000.0) return 1;
    if (sampleRateHz < 100000.0) return 2;
    if (sampleRateHz < 200000.0) return 4;
    return 8;
}

// x and y side by side in one small vector: two floats or two doubles.
template <typename Sample>
struct PointLanes;
template <>
struct PointLanes<float> {
    typedef float Vector __attribute__((vector_size(8)));
};
template <>
struct PointLanes<double> {
    typedef double Vector __attribute__((vector_size(16)));
};

// The goniometer point of a pair: x = truncate((R - L) K), y = truncate(-(L + R) K),
// each limited to the view (limiting first gives the same whole number, the
// limits being whole); a NaN plots at the centre. Both coordinates are worked
// out together, without branches.
template <typename Sample>
ScopePoint scopePoint(Sample left, Sample right, Sample plotScale) {
    using V = typename PointLanes<Sample>::Vector;
    typedef int32_t Whole __attribute__((vector_size(8)));
    typedef double Pixels __attribute__((vector_size(16)));
    const V low = {Sample(kScopeLeftPixels), Sample(kScopeTopPixels)};
    const V high = {Sample(kScopeRightPixels), Sample(kScopeBottomPixels)};
    // R - L and -R - L, which is -(L + R) exactly.
    V scaled = (V{right, -right} - V{left, left}) * V{plotScale, plotScale};
    scaled = scaled == scaled ? scaled : V{0, 0};
    scaled = scaled > low ? scaled : low;
    scaled = scaled < high ? scaled : high;
    const Pixels pixels = __builtin_convertvector(__builtin_convertvector(scaled, Whole), Pixels);
    return ScopePoint{pixels[0], pixels[1]};
}

// The held peak of one meter: it follows every rise at once and otherwise
// stays until the count of samples since it was set reaches resetCount, then
// takes the current value and holds again. The rare expiry is tested first;
// the frequent rise needs no branch (a maximum and a mask).
template <typename Sample>
[[gnu::always_inline]] inline void holdPeak(Sample& held, int32_t& count, Sample value,
                                            int32_t resetCount) {
    if (count >= resetCount) {
        held = value;
        count = 0;
        return;
    }
    const int32_t keep = -static_cast<int32_t>(!(value > held));  // all ones unless a rise
    count = (count + 1) & keep;
    held = value > held ? value : held;
}

// The measured values while a block runs, in the block's precision: exactly
// the 32-bit fields in the float path; the double path rounds them to their
// fields at the end of the block.
template <typename Sample>
struct BlockState {
    Quad<Sample> peak;        // L, R, L + R, L - R
    Quad<Sample> meanSquare;  // L, R, L + R, L - R
    Sample autoEnvelope;
    Sample heldPeak[kNumMeters];
    int32_t holdCount[kNumMeters];

    static BlockState from(const MeasurementState& s) {
        using Q = Quad<Sample>;
        return BlockState{
            Q::of(s.peak[0], s.peak[1], s.peak[2], s.peak[3]),
            Q::of(s.meanSquare[0], s.meanSquare[1], s.meanSquare[2], s.meanSquare[3]),
            s.autoEnvelope,
            {s.heldPeak[0], s.heldPeak[1]},
            {s.holdCount[0], s.holdCount[1]}};
    }

    void storeInto(MeasurementState& s) const {
        for (int k = 0; k < kNumSignals; ++k) {
            s.peak[k] = static_cast<float>(peak.lane(k));
            s.meanSquare[k] = static_cast<float>(meanSquare.lane(k));
        }
        s.autoEnvelope = static_cast<float>(autoEnvelope);
        for (int m = 0; m < kNumMeters; ++m) {
            s.heldPeak[m] = static_cast<float>(heldPeak[m]);
            s.holdCount[m] = holdCount[m];
        }
    }
};

template <typename Sample>
void passThrough(const Sample* const* inputs, Sample* const* outputs, int frames) {
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < frames; ++i) outputs[ch][i] = inputs[ch][i];
}

// The held peak drops once its count, converted to float, exceeds the hold
// limit: the smallest count for which that is true.
int32_t firstCountAbove(double limitSamples) {
    auto above = [limitSamples](int64_t n) {
        return static_cast<double>(static_cast<float>(n)) > limitSamples;
    };
    int64_t n = static_cast<int64_t>(std::floor(limitSamples)) + 1;
    while (n > 0 && above(n - 1)) --n;
    while (!above(n)) ++n;
    return static_cast<int32_t>(n);
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

RateConstants rateConstantsFor(double sampleRateHz) {
    using follower_steps::releaseCoefficient;
    const double sr = level_follower::usableSampleRate(sampleRateHz);
    RateConstants rate;
    rate.peakCoeff = releaseCoefficient(kPeakFallRatio, kPeakFallSeconds, sr);
    rate.meanSquareCoeff = releaseCoefficient(kMeanSquareFallRatio, kMeanSquareFallSeconds, sr);
    rate.autoCoeff = releaseCoefficient(kAutoFallRatio, kAutoFallSeconds, sr);
    rate.captureFactor = captureFactorFor(sr);
    rate.holdLimitSamples = std::min(sr * kHoldSeconds, kMaxHoldSamples);
    rate.holdResetCount = firstCountAbove(rate.holdLimitSamples);
    return rate;
}

template <typename Sample>
float automaticLevel(float envelope) {
    if (!(envelope > 0.0f)) return 1.0f;  // a zero envelope gives full level
    const Sample scale = static_cast<Sample>(kAutoLevelScale);
    const Sample level = scale * std::sqrt(Sample(1) / Sample(envelope)) - scale;
    return static_cast<float>(std::clamp(level, Sample(0), Sample(1)));
}

template float automaticLevel<float>(float);
template float automaticLevel<double>(float);

const RateConstants& ScopraEngine::currentRateConstants() {
    const float sampleRateHz = sampleRate_.load(std::memory_order_relaxed);
    if (!sameBits(sampleRateHz, cachedSampleRate_)) {
        cachedRate_ = rateConstantsFor(sampleRateHz);
        cachedSampleRate_ = sampleRateHz;
    }
    return cachedRate_;
}

template <typename Sample>
std::optional<float> ScopraEngine::process(const Sample* const* inputs, Sample* const* outputs,
                                           int frames) {
    if (!gate_.tryEnter()) {  // a reset is under way: it clears this block's data anyway
        passThrough(inputs, outputs, frames);
        return std::nullopt;
    }
    measure(inputs, outputs, frames, currentRateConstants());
    finishBlock();
    std::optional<float> level;
    if (isOn(controls.autoOn.load(std::memory_order_relaxed)))
        level = automaticLevel<Sample>(state_.autoEnvelope);
    gate_.leave();
    return level;
}

template <typename Sample>
void ScopraEngine::measure(const Sample* const* inputs, Sample* const* outputs, int frames,
                           const RateConstants& rate) {
    capture(inputs, frames, rate.captureFactor);
    follow(inputs, outputs, frames, rate);
}

// One pair in D + 1, the first of every block being pair D, becomes a point
// while the buffer has room: x = R - L across, y = -(L + R) down, in pixels.
template <typename Sample>
void ScopraEngine::capture(const Sample* const* inputs, int frames, int captureFactor) {
    const int32_t startIndex = capture_.beginWriting();
    int32_t index = startIndex;
    const Sample plotScale = static_cast<Sample>(
        static_cast<double>(controls.scopeGain.load(std::memory_order_relaxed)) *
        kPlotPixelsPerUnit);
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    for (int i = captureFactor; i < frames && index >= 0; i += captureFactor + 1)
        capture_.put(index, scopePoint(inL[i], inR[i], plotScale));
    capture_.endWriting(startIndex, index);
}

// The followers, the automatic-level envelope and the held peaks, pair by
// pair, and the pass-through.
template <typename Sample>
void ScopraEngine::follow(const Sample* const* inputs, Sample* const* outputs, int frames,
                          const RateConstants& rate) {
    if (isOn(controls.modeSM.load(std::memory_order_relaxed)))
        followInMode<Sample, true>(inputs, outputs, frames, rate);
    else
        followInMode<Sample, false>(inputs, outputs, frames, rate);
}

template <typename Sample, bool kSideMid>
void ScopraEngine::followInMode(const Sample* const* inputs, Sample* const* outputs, int frames,
                                const RateConstants& rate) {
    using follower_steps::peakStep;
    using follower_steps::smoothStep;
    using Q = Quad<Sample>;
    const Q peakCoeff = Q::all(static_cast<Sample>(rate.peakCoeff));
    const Q meanSquareCoeff = Q::all(static_cast<Sample>(rate.meanSquareCoeff));
    const Sample autoCoeff = static_cast<Sample>(rate.autoCoeff);
    const Sample autoWeight = static_cast<Sample>(kAutoEnvelopeWeight);
    const Sample sideMidScale = static_cast<Sample>(kSideMidMeterScale);
    // Meter 1 shows L or S, meter 2 R or M.
    constexpr int kMeter1 = kSideMid ? kDifference : kLeft;
    constexpr int kMeter2 = kSideMid ? kSum : kRight;
    const Sample meterScale = kSideMid ? sideMidScale : Sample(1);

    BlockState<Sample> b = BlockState<Sample>::from(state_);
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        const Sample left = inL[i];
        const Sample right = inR[i];
        const Q signal = Q::of(left, right, left + right, left - right);
        b.peak = peakStep(b.peak, abs(signal), peakCoeff);
        b.meanSquare = smoothStep(b.meanSquare, signal * signal, meanSquareCoeff);
        outL[i] = left;
        outR[i] = right;
        const Sample envelopeInput =
            autoWeight * std::max(b.peak.lane(kSum), b.peak.lane(kDifference));
        b.autoEnvelope = peakStep(b.autoEnvelope, envelopeInput, autoCoeff);
        holdPeak(b.heldPeak[0], b.holdCount[0], Sample(meterScale * b.peak.lane(kMeter1)),
                 rate.holdResetCount);
        holdPeak(b.heldPeak[1], b.holdCount[1], Sample(meterScale * b.peak.lane(kMeter2)),
                 rate.holdResetCount);
    }
    b.storeInto(state_);
}

void ScopraEngine::finishBlock() {
    using follower_steps::flushed;
    for (int k = 0; k < kNumSignals; ++k) {
        state_.peak[k] = flushed(state_.peak[k]);
        state_.meanSquare[k] = flushed(state_.meanSquare[k]);
    }
    state_.autoEnvelope = flushed(state_.autoEnvelope);
    for (int m = 0; m < kNumMeters; ++m) state_.heldPeak[m] = flushed(state_.heldPeak[m]);
    published_.publish(state_);
}

void ScopraEngine::suspendReset() {
    ScopedLock consumer(consumerLock_);
    ResetGateHold hold(gate_);
    state_ = MeasurementState{};
    capture_.clearPoints();
    capture_.rearm();
    display_.clear();
    published_.publish(state_);
}

void ScopraEngine::resumeReset() {
    ScopedLock consumer(consumerLock_);
    ResetGateHold hold(gate_);
    MeasurementState cleared;
    std::copy(std::begin(state_.peak), std::end(state_.peak), cleared.peak);
    state_ = cleared;
    capture_.clearPoints();
    display_.clear();
    published_.publish(state_);
}

void ScopraEngine::clearCapture() {
    ScopedLock consumer(consumerLock_);
    ResetGateHold hold(gate_);
    capture_.clearPoints();
}

bool ScopraEngine::takeBurst(ScopePoint (&points)[kScopePoints]) {
    ScopedLock consumer(consumerLock_);
    return capture_.takeBurst(points);
}

template std::optional<float> ScopraEngine::process<float>(const float* const*, float* const*,
                                                           int);
template std::optional<float> ScopraEngine::process<double>(const double* const*,
                                                            double* const*, int);

}  // namespace scopra
