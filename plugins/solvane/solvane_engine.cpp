#include "plugins/solvane/solvane_engine.h"

#include <algorithm>
#include <cmath>

#include "dsp/level_follower.h"

namespace solvane {

namespace {

constexpr double kMidThreshold = 1e-5;   // E_sum must exceed this to count
constexpr double kSideThreshold = 1e-7;  // E_diff
constexpr double kChannelThreshold = 1e-5;

inline float load(const std::atomic<float>& value) {
    return value.load(std::memory_order_relaxed);
}

// The four followers take |left + right|, |left - right|, |left| and |right|
// of the output, the sum and difference computed in the sample type.
template <typename Sample>
inline void updateFollowers(SolvaneEngine::Followers& f, Sample left, Sample right,
                            double coeff) {
    using level_follower::update;
    update(f.sum, std::fabs(left + right), coeff);
    update(f.diff, std::fabs(left - right), coeff);
    update(f.left, std::fabs(double(left)), coeff);
    update(f.right, std::fabs(double(right)), coeff);
}

}  // namespace

void SolvaneEngine::reset(float reading) {
    followers_ = Followers{};
    published_.restingReading.store(reading, std::memory_order_relaxed);
    published_.measured.store(false, std::memory_order_release);
}

template <typename Sample>
void SolvaneEngine::process(const Sample* const* inputs, Sample* const* outputs, int frames,
                            double sampleRateHz) {
    // An empty block only refreshes the readings.
    if (frames > 0) {
        const double coeff = followerCoeff_.at(sampleRateHz);
        if (load(controls.process) < 0.5f)
            passThrough(inputs, outputs, frames, coeff);
        else
            matrix(inputs, outputs, frames, coeff);
    }
    finishBlock<Sample>();
}

// Both samples of a frame are read before either is written: a host may hand
// an output buffer that is the other channel's input.
template <typename Sample>
void SolvaneEngine::passThrough(const Sample* const* inputs, Sample* const* outputs, int frames,
                                double coeff) {
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        const Sample left = inL[i];
        const Sample right = inR[i];
        outL[i] = left;
        outR[i] = right;
    }
    followOutput(outL, outR, frames, coeff);
}

template <typename Sample>
void SolvaneEngine::matrix(const Sample* const* inputs, Sample* const* outputs, int frames,
                           double coeff) {
    const float gain = load(controls.gain);
    const double gainLeft = load(controls.invertLeft) >= 0.5f ? -gain : gain;
    const double gainRight = load(controls.invertRight) >= 0.5f ? -gain : gain;

    for (int start = 0; start < frames; start += kControlFrames) {
        const int count = std::min(kControlFrames, frames - start);
        const MatrixFactors factors = readMatrixFactors();
        applyMatrix(inputs[0] + start, inputs[1] + start, outputs[0] + start,
                    outputs[1] + start, count, gainLeft, gainRight, factors);
        followOutput(outputs[0] + start, outputs[1] + start, count, coeff);
    }
}

SolvaneEngine::MatrixFactors SolvaneEngine::readMatrixFactors() const {
    MatrixFactors m;
    m.width = load(controls.width);
    m.sideLeft = load(controls.sideLeft);
    m.sideRight = load(controls.sideRight);
    m.balanceLeft = load(controls.balanceLeft);
    m.balanceRight = load(controls.balanceRight);
    m.centreLeft = load(controls.centreLeft);
    m.centreRight = load(controls.centreRight);
    m.swapped = load(controls.swap) > 0.5f;
    return m;
}

// The matrix alone: no state is carried from one frame to the next, so the
// compiler can run several frames at once. Inputs and outputs may alias.
template <typename Sample>
void SolvaneEngine::applyMatrix(const Sample* inL, const Sample* inR, Sample* outL, Sample* outR,
                                int frames, double gainLeft, double gainRight,
                                const MatrixFactors& m) {
    // The factors are 32-bit values; the 32-bit path computes in its own
    // arithmetic, so every intermediate is a 32-bit float, and the 64-bit path
    // computes in double throughout.
    const Sample w = m.width;
    const Sample sL = m.sideLeft, sR = m.sideRight;
    const Sample bL = m.balanceLeft, cL = m.centreLeft;
    const Sample bR = m.balanceRight, cR = m.centreRight;
    const Sample gainP = Sample(m.swapped ? gainRight : gainLeft);
    const Sample gainQ = Sample(m.swapped ? gainLeft : gainRight);
    const Sample* inP = m.swapped ? inR : inL;
    const Sample* inQ = m.swapped ? inL : inR;
    for (int i = 0; i < frames; ++i) {
        const Sample p = gainP * inP[i];
        const Sample q = gainQ * inQ[i];
        const Sample mid = (p + q) * Sample(0.5);
        const Sample side = (p - q) * w;
        outL[i] = (mid + side * sL * cR) * bL * cL;
        outR[i] = (mid - side * sR * cL) * bR * cR;
    }
}

template <typename Sample>
void SolvaneEngine::followOutput(const Sample* left, const Sample* right, int frames,
                                 double coeff) {
    Followers f = followers_;
    for (int i = 0; i < frames; ++i) updateFollowers(f, left[i], right[i], coeff);
    followers_ = f;
}

template <typename Sample>
void SolvaneEngine::finishBlock() {
    using level_follower::settle;
    settle<Sample>(followers_.sum);
    settle<Sample>(followers_.diff);
    settle<Sample>(followers_.left);
    settle<Sample>(followers_.right);
    published_.sum.store(followers_.sum, std::memory_order_relaxed);
    published_.diff.store(followers_.diff, std::memory_order_relaxed);
    published_.left.store(followers_.left, std::memory_order_relaxed);
    published_.right.store(followers_.right, std::memory_order_relaxed);
    published_.measured.store(true, std::memory_order_release);
}

float SolvaneEngine::midSideReading() const {
    if (!published_.measured.load(std::memory_order_acquire))
        return published_.restingReading.load(std::memory_order_relaxed);
    return level_follower::pairReading(published_.sum.load(std::memory_order_relaxed),
                                       kMidThreshold,
                                       published_.diff.load(std::memory_order_relaxed),
                                       kSideThreshold);
}

float SolvaneEngine::leftRightReading() const {
    if (!published_.measured.load(std::memory_order_acquire))
        return published_.restingReading.load(std::memory_order_relaxed);
    return level_follower::pairReading(published_.right.load(std::memory_order_relaxed),
                                       kChannelThreshold,
                                       published_.left.load(std::memory_order_relaxed),
                                       kChannelThreshold);
}

template void SolvaneEngine::process<float>(const float* const*, float* const*, int, double);
template void SolvaneEngine::process<double>(const double* const*, double* const*, int, double);

}  // namespace solvane
