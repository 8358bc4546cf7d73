#include "plugins/scopra/scopra_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "dsp/follower_steps.h"
#include "dsp/level_follower.h"
#include "dsp/switch_state.h"
#include "platform/denormals.h"
#include "plugins/scopra/scopra_block_followers.h"
#include "plugins/scopra/scopra_meter_hold.h"
#include "plugins/scopra/scopra_scope_points.h"

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

constexpr double kAutoEnvelopeWeight = 0.3;  // of the larger of the sum and difference peaks
constexpr double kAutoLevelScale = 0.115;

int captureFactorFor(double sampleRateHz) {
    if (sampleRateHz < 50000.0) return 1;
    if (sampleRateHz < 100000.0) return 2;
    if (sampleRateHz < 200000.0) return 4;
    return 8;
}

// One channel unchanged: nothing to do in place, a plain copy for a short
// block that does not overlap its input (no library call), memmove otherwise.
constexpr int kShortBlockFrames = 256;

template <typename Sample>
void copyChannel(const Sample* in, Sample* out, int frames) {
    if (out == in) return;
    if (frames <= kShortBlockFrames && (out + frames <= in || in + frames <= out)) {
        const Sample* __restrict from = in;
        Sample* __restrict to = out;
        for (int i = 0; i < frames; ++i) to[i] = from[i];
    } else {
        std::memmove(out, in, static_cast<size_t>(frames) * sizeof(Sample));
    }
}

// The audio unchanged. When an output is the other channel's input the pairs
// are copied one by one, so that no input is overwritten before it is read.
template <typename Sample>
void passThrough(const Sample* const* inputs, Sample* const* outputs, int frames) {
    if (frames <= 0) return;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    if (outL == inR || outR == inL) {
        for (int i = 0; i < frames; ++i) {
            const Sample left = inL[i];
            const Sample right = inR[i];
            outL[i] = left;
            outR[i] = right;
        }
        return;
    }
    copyChannel(inL, outL, frames);
    copyChannel(inR, outR, frames);
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

// What the meters show of the peak followers: L and R, or half of S and M.
template <bool kSideMid, typename Value>
[[gnu::always_inline]] inline void shownValues(const Value (&peaks)[kNumSignals],
                                               Value (&shown)[kNumMeters]) {
    if constexpr (kSideMid) {
        shown[0] = Value(kSideMidMeterScale) * peaks[kDifference];
        shown[1] = Value(kSideMidMeterScale) * peaks[kSum];
    } else {
        shown[0] = peaks[kLeft];
        shown[1] = peaks[kRight];
    }
}

// A new value of a field, rounded to the field's float; a field that took a
// NaN or an infinity starts again from 0.
template <typename Sample>
inline float stored(Sample value) {
    return follower_steps::recovered(static_cast<float>(value));
}

// One pair exactly as the steps are written, on the fields themselves, in
// the path's precision: float throughout in the 32-bit path; in the 64-bit
// path double, every result rounded to its float field.
template <typename Sample, bool kSideMid>
inline void measurePairLiterally(MeasurementState& s, const FollowerCoefficients<Sample>& c,
                                 int32_t holdResetCount, Sample left, Sample right) {
    using follower_steps::peakStep;
    using follower_steps::smoothStep;
    const Sample x[kNumSignals] = {left, right, Sample(left + right), Sample(left - right)};
    for (int k = 0; k < kNumSignals; ++k) {
        const Sample magnitude = std::fabs(x[k]);
        s.peak[k] = stored(peakStep<Sample>(s.peak[k], magnitude, c.peak));
        s.meanSquare[k] = stored(smoothStep<Sample>(s.meanSquare[k], x[k] * x[k], c.meanSquare));
    }
    const Sample larger = std::max<Sample>(s.peak[kSum], s.peak[kDifference]);
    s.autoEnvelope =
        stored(peakStep<Sample>(s.autoEnvelope, c.autoWeight * larger, c.autoRelease));
    const Sample peaks[kNumSignals] = {s.peak[0], s.peak[1], s.peak[2], s.peak[3]};
    Sample shown[kNumMeters];
    shownValues<kSideMid>(peaks, shown);
    for (int m = 0; m < kNumMeters; ++m) {
        if (shown[m] > s.heldPeak[m] || s.holdCount[m] >= holdResetCount) {
            s.heldPeak[m] = static_cast<float>(shown[m]);
            s.holdCount[m] = 0;
        } else {
            ++s.holdCount[m];
        }
    }
}

template <typename Sample, bool kSideMid>
inline void measurePairsLiterally(MeasurementState& s, const FollowerCoefficients<Sample>& c,
                                  int32_t holdResetCount, const Sample* left,
                                  const Sample* right, int pairs) {
    for (int i = 0; i < pairs; ++i)
        measurePairLiterally<Sample, kSideMid>(s, c, holdResetCount, left[i], right[i]);
}

// The fast shape of the measurement: the followers run through stretches of
// pairs and the held peaks take each stretch at once. The pairs where a held
// peak drops, the first pair unless the held peaks are already at least the
// meters' values, and stretches the spans cannot take go literally. False
// when a NaN or an infinity came up in a stretch, which the fast shape does
// not take care of; `state` is then unusable.
template <typename Sample, bool kSideMid, int kScanWidth>
[[gnu::always_inline]] inline bool measureInSpans(MeasurementState& state,
                                                  const FollowerCoefficients<Sample>& coefficients,
                                                  int32_t holdResetCount, const Sample* left,
                                                  const Sample* right, int frames) {
    using Followers = BlockFollowers<Sample>;
    using Hold = MeterHold<Sample, kSideMid, kScanWidth>;
    Followers followers(state, coefficients);
    Hold hold(state, holdResetCount);
    double shown[kNumMeters];
    const auto updateShown = [&] {
        double peaks[kNumSignals];
        followers.peaks(peaks);
        shownValues<kSideMid>(peaks, shown);
    };
    const auto literally = [&](int i, int pairs) {
        followers.storeInto(state);
        hold.storeInto(state);
        measurePairsLiterally<Sample, kSideMid>(state, coefficients, holdResetCount, left + i,
                                                right + i, pairs);
        followers = Followers(state, coefficients);
        hold = Hold(state, holdResetCount);
    };
    updateShown();
    int i = 0;
    if (!hold.atLeast(shown)) literally(i++, 1);
    while (i < frames) {
        const int32_t room = hold.pairsBeforeExpiry();
        const int pairs = room < frames - i ? room : frames - i;
        updateShown();
        if (pairs > 0 && hold.span(left + i, right + i, pairs, shown)) {
            followers.run(left + i, right + i, pairs);
            i += pairs;
            continue;
        }
        if (!followers.finite()) return false;
        const int literal = pairs > 0 ? pairs : 1;
        literally(i, literal);
        i += literal;
    }
    followers.storeInto(state);
    hold.storeInto(state);
    return followers.finite();
}

// The measurement of a block of pairs into `state`, the spans of the held
// peaks scanned with kScanWidth lanes. Blocks with a NaN or an infinity go
// again from their start, literally.
template <typename Sample, bool kSideMid, int kScanWidth>
[[gnu::always_inline]] inline void measureBlock(MeasurementState& state,
                                                const FollowerCoefficients<Sample>& coefficients,
                                                int32_t holdResetCount, const Sample* left,
                                                const Sample* right, int frames) {
    const MeasurementState before = state;
    if (!measureInSpans<Sample, kSideMid, kScanWidth>(state, coefficients, holdResetCount, left,
                                                      right, frames)) {
        state = before;
        measurePairsLiterally<Sample, kSideMid>(state, coefficients, holdResetCount, left, right,
                                                frames);
    }
}

// The same for processors with AVX2, which scan the spans with wider
// vectors. No fused multiply-add: the results are the same, bit for bit.
template <typename Sample, bool kSideMid>
[[gnu::target("avx2")]] void measureBlockAvx2(MeasurementState& state,
                                             const FollowerCoefficients<Sample>& coefficients,
                                             int32_t holdResetCount, const Sample* left,
                                             const Sample* right, int frames) {
    measureBlock<Sample, kSideMid, 32 / sizeof(Sample)>(state, coefficients, holdResetCount,
                                                        left, right, frames);
}

// One pair in D + 1, the first of every block being pair D, becomes a point
// while the buffer has room, two at a time where the point maker can.
template <typename Sample, typename Points>
[[gnu::always_inline]] inline void capturePoints(ScopeCapture& capture, int32_t& index,
                                                 const Points& points, const Sample* left,
                                                 const Sample* right, int frames,
                                                 int captureFactor) {
    const int step = captureFactor + 1;
    int i = captureFactor;
    if constexpr (Points::kAtOnce == 2) {
        for (; i + step < frames && index >= 1; i += 2 * step) {
            ScopePoint first, second;
            points.two(left[i], right[i], left[i + step], right[i + step], first, second);
            capture.put(index, first);
            capture.put(index, second);
        }
    }
    for (; i < frames && index >= 0; i += step) capture.put(index, points.one(left[i], right[i]));
}

[[gnu::target("avx2")]] void capturePointsAvx2(ScopeCapture& capture, int32_t& index,
                                               const double* left, const double* right,
                                               int frames, int captureFactor, double plotScale) {
    capturePoints(capture, index, WideScopePoints(plotScale), left, right, frames,
                  captureFactor);
}

bool processorHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

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

ScopraEngine::ScopraEngine() : avx2_(processorHasAvx2()) {}

const RateConstants& ScopraEngine::currentRateConstants() {
    const float sampleRateHz = sampleRate_.load(std::memory_order_relaxed);
    if (!sameBits(sampleRateHz, cachedSampleRate_)) {
        cachedRate_ = rateConstantsFor(sampleRateHz);
        cachedSampleRate_ = sampleRateHz;
    }
    return cachedRate_;
}

template <typename Sample>
bool ScopraEngine::processBlock(const Sample* const* inputs, Sample* const* outputs, int frames) {
    DenormalGuard denormals;  // no field decays through the subnormals
    if (!gate_.tryEnter()) {  // a reset is under way: it clears this block's data anyway
        passThrough(inputs, outputs, frames);
        return false;
    }
    // An empty block may come without any buffers; it measures nothing but
    // still gives the automatic level.
    if (frames > 0) measure(inputs, outputs, frames, currentRateConstants());
    published_.publish(state_);
    const bool levelChosen = isOn(controls.autoOn.load(std::memory_order_relaxed));
    if (levelChosen) newLevel_ = automaticLevel<Sample>(state_.autoEnvelope);
    gate_.leave();
    return levelChosen;
}

template <typename Sample>
void ScopraEngine::measure(const Sample* const* inputs, Sample* const* outputs, int frames,
                           const RateConstants& rate) {
    capture(inputs, frames, rate.captureFactor);
    follow(inputs, outputs, frames, rate);
}

// The block's goniometer points from the current write index on.
template <typename Sample>
void ScopraEngine::capture(const Sample* const* inputs, int frames, int captureFactor) {
    const int32_t startIndex = capture_.beginWriting();
    int32_t index = startIndex;
    const double plotScale =
        static_cast<double>(controls.scopeGain.load(std::memory_order_relaxed)) *
        kPlotPixelsPerUnit;
    if constexpr (sizeof(Sample) == 8) {
        if (avx2_) {
            capturePointsAvx2(capture_, index, inputs[0], inputs[1], frames, captureFactor,
                              plotScale);
            capture_.endWriting(startIndex, index);
            return;
        }
    }
    capturePoints(capture_, index, ScopePoints<Sample>(static_cast<Sample>(plotScale)),
                  inputs[0], inputs[1], frames, captureFactor);
    capture_.endWriting(startIndex, index);
}

// The followers, the automatic-level envelope and the held peaks of the
// meters the mode shows, and the pass-through.
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
    const FollowerCoefficients<Sample> coefficients{
        static_cast<Sample>(rate.peakCoeff), static_cast<Sample>(rate.meanSquareCoeff),
        static_cast<Sample>(rate.autoCoeff), static_cast<Sample>(kAutoEnvelopeWeight)};
    if (avx2_)
        measureBlockAvx2<Sample, kSideMid>(state_, coefficients, rate.holdResetCount, inputs[0],
                                           inputs[1], frames);
    else
        measureBlock<Sample, kSideMid, 16 / sizeof(Sample)>(
            state_, coefficients, rate.holdResetCount, inputs[0], inputs[1], frames);
    passThrough(inputs, outputs, frames);
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

template bool ScopraEngine::processBlock<float>(const float* const*, float* const*, int);
template bool ScopraEngine::processBlock<double>(const double* const*, double* const*, int);

}  // namespace scopra
