#include "plugins/solvane/solvane_engine.h"

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
    midSide_.store(reading, std::memory_order_relaxed);
    leftRight_.store(reading, std::memory_order_relaxed);
}

template <typename Sample>
void SolvaneEngine::process(const Sample* const* inputs, Sample* const* outputs, int frames,
                            double sampleRateHz) {
    // An empty block only refreshes the readings.
    if (frames > 0) {
        const double coeff = level_follower::coefficient(sampleRateHz);
        if (load(controls.process) < 0.5f)
            passThrough(inputs, outputs, frames, coeff);
        else
            matrix(inputs, outputs, frames, coeff);
    }
    finishBlock<Sample>();
}

template <typename Sample>
void SolvaneEngine::passThrough(const Sample* const* inputs, Sample* const* outputs, int frames,
                                double coeff) {
    Followers f = followers_;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        const Sample left = inL[i];
        const Sample right = inR[i];
        updateFollowers(f, left, right, coeff);
        outL[i] = left;
        outR[i] = right;
    }
    followers_ = f;
}

template <typename Sample>
void SolvaneEngine::matrix(const Sample* const* inputs, Sample* const* outputs, int frames,
                           double coeff) {
    const float gain = load(controls.gain);
    const double gainLeft = load(controls.invertLeft) >= 0.5f ? -gain : gain;
    const double gainRight = load(controls.invertRight) >= 0.5f ? -gain : gain;

    Followers f = followers_;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        // Parameters may change between two samples: read them per sample.
        const double w = load(controls.width);
        const double sL = load(controls.sideLeft), sR = load(controls.sideRight);
        const double bL = load(controls.balanceLeft), bR = load(controls.balanceRight);
        const double cL = load(controls.centreLeft), cR = load(controls.centreRight);
        const bool swapped = load(controls.swap) > 0.5f;

        const double left = Sample(gainLeft * double(inL[i]));
        const double right = Sample(gainRight * double(inR[i]));
        const double p = swapped ? right : left;
        const double q = swapped ? left : right;
        const double mid = Sample((p + q) * 0.5);
        const double side = Sample((p - q) * w);
        const Sample a = Sample((mid + side * sL * cR) * bL * cL);
        const Sample b = Sample((mid - side * sR * cL) * bR * cR);
        updateFollowers(f, a, b, coeff);
        outL[i] = a;
        outR[i] = b;
    }
    followers_ = f;
}

template <typename Sample>
void SolvaneEngine::finishBlock() {
    using namespace level_follower;
    settle<Sample>(followers_.sum);
    settle<Sample>(followers_.diff);
    settle<Sample>(followers_.left);
    settle<Sample>(followers_.right);
    midSide_.store(pairReading(followers_.sum, kMidThreshold, followers_.diff, kSideThreshold),
                   std::memory_order_relaxed);
    leftRight_.store(
        pairReading(followers_.right, kChannelThreshold, followers_.left, kChannelThreshold),
        std::memory_order_relaxed);
}

template void SolvaneEngine::process<float>(const float* const*, float* const*, int, double);
template void SolvaneEngine::process<double>(const double* const*, double* const*, int, double);

}  // namespace solvane
