#include "plugins/scopra/scopra_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dsp/follower_steps.h"
#include "dsp/level_follower.h"
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
constexpr double kScopeLeftPixels = -85.0;
constexpr double kScopeRightPixels = 83.0;
constexpr double kScopeTopPixels = -76.0;
constexpr double kScopeBottomPixels = 76.0;

constexpr double kAutoEnvelopeWeight = 0.3;  // of the larger of the sum and difference peaks
constexpr double kAutoLevelScale = 0.115;
constexpr double kSideMidMeterScale = 0.5;   // S and M peaks shown halved

int captureFactorFor(double sampleRateHz) {
    if (sampleRateHz < 50000.0) return 1;
    if (sampleRateHz < 100000.0) return 2;
    if (sampleRateHz < 200000.0) return 4;
    return 8;
}

// A goniometer coordinate: the scaled value truncated towards zero and
// limited to the view; a NaN plots at the centre.
template <typename Sample>
double pixel(Sample scaled, double low, double high) {
    if (std::isnan(scaled)) return 0.0;
    return std::trunc(std::clamp(static_cast<double>(scaled), low, high));
}

// The held peak of one meter: it follows every rise at once and otherwise
// stays for the hold time, then drops to the current value and holds again.
template <typename Sample>
void holdPeak(float& held, int32_t& count, Sample value, double holdLimitSamples) {
    if (value > held || static_cast<double>(static_cast<float>(count)) > holdLimitSamples) {
        held = static_cast<float>(value);
        count = 0;
    } else {
        ++count;
    }
}

template <typename Sample>
void passThrough(const Sample* const* inputs, Sample* const* outputs, int frames) {
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < frames; ++i) outputs[ch][i] = inputs[ch][i];
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
    using follower_steps::peakStep;
    using follower_steps::smoothStep;
    const Sample peakCoeff = static_cast<Sample>(rate.peakCoeff);
    const Sample meanSquareCoeff = static_cast<Sample>(rate.meanSquareCoeff);
    const Sample autoCoeff = static_cast<Sample>(rate.autoCoeff);
    const Sample autoWeight = static_cast<Sample>(kAutoEnvelopeWeight);
    const Sample plotScale = static_cast<Sample>(
        static_cast<double>(controls.scopeGain.load(std::memory_order_relaxed)) *
        kPlotPixelsPerUnit);
    const bool sideMid = isOn(controls.modeSM.load(std::memory_order_relaxed));
    const Sample meterScale = sideMid ? static_cast<Sample>(kSideMidMeterScale) : Sample(1);
    const int meter1 = sideMid ? kDifference : kLeft;
    const int meter2 = sideMid ? kSum : kRight;

    MeasurementState s = state_;
    const int32_t startIndex = capture_.beginWriting();
    int32_t index = startIndex;
    int countdown = rate.captureFactor;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        const Sample left = inL[i];
        const Sample right = inR[i];
        const Sample signal[kNumSignals] = {left, right, Sample(left + right),
                                            Sample(left - right)};
        for (int k = 0; k < kNumSignals; ++k) {
            s.peak[k] = static_cast<float>(
                peakStep<Sample>(s.peak[k], std::fabs(signal[k]), peakCoeff));
            s.meanSquare[k] = static_cast<float>(
                smoothStep<Sample>(s.meanSquare[k], signal[k] * signal[k], meanSquareCoeff));
        }
        if (countdown > 0) {
            --countdown;
        } else {
            countdown = rate.captureFactor;
            if (index >= 0)  // R - L across, -(L + R) down
                capture_.put(index,
                             pixel(Sample(-signal[kDifference] * plotScale), kScopeLeftPixels,
                                   kScopeRightPixels),
                             pixel(Sample(-signal[kSum] * plotScale), kScopeTopPixels,
                                   kScopeBottomPixels));
        }
        outL[i] = left;
        outR[i] = right;
        const Sample envelopeInput =
            autoWeight * std::max<Sample>(s.peak[kSum], s.peak[kDifference]);
        s.autoEnvelope = static_cast<float>(peakStep<Sample>(s.autoEnvelope, envelopeInput, autoCoeff));
        holdPeak(s.heldPeak[0], s.holdCount[0], Sample(meterScale * s.peak[meter1]),
                 rate.holdLimitSamples);
        holdPeak(s.heldPeak[1], s.holdCount[1], Sample(meterScale * s.peak[meter2]),
                 rate.holdLimitSamples);
    }
    capture_.endWriting(startIndex, index);
    state_ = s;
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
