#include "plugins/duplimo/duplimo_engine.h"

#include <cmath>

#include "dsp/level_follower.h"
#include "dsp/period_delay.h"

namespace duplimo {

namespace {

constexpr double kMonoThreshold = 1e-5;  // E_m must exceed this to count
constexpr double kSideThreshold = 1e-7;  // E_s
constexpr double kHalf = 0.5;

inline float load(const std::atomic<float>& value) {
    return value.load(std::memory_order_relaxed);
}

}  // namespace

DuplimoEngine::DuplimoEngine(double sampleRateHz)
    : sampleRate_(period_delay::wholeSampleRate(sampleRateHz)) {
    updateDelay();
}

void DuplimoEngine::setBaseFrequency(float frequencyHz) {
    controls.baseFrequencyHz.store(frequencyHz, std::memory_order_relaxed);
    updateDelay();
}

void DuplimoEngine::updateDelay() {
    const int32_t delay =
        period_delay::periodSamples(sampleRate_.load(std::memory_order_relaxed),
                                    load(controls.baseFrequencyHz), DuplimoDelayLine::kSamples);
    if (delay != period_delay::kNoDelay)
        controls.delaySamples.store(delay, std::memory_order_relaxed);
}

// The delay is recomputed at every reset, resume included: after the host
// changes its rate, the period then follows the new rate whether the host set
// the base frequency before or after resuming.
void DuplimoEngine::clearState(double sampleRateHz) {
    sampleRate_.store(period_delay::wholeSampleRate(sampleRateHz), std::memory_order_relaxed);
    line_.clear();
    previousDelayed_ = 0.0f;
    followers_ = Followers{};
    updateDelay();
}

void DuplimoEngine::suspend(double sampleRateHz) {
    clearState(sampleRateHz);
    reading_.store(0.0f, std::memory_order_relaxed);
}

void DuplimoEngine::resume(double sampleRateHz) { clearState(sampleRateHz); }

template <typename Sample>
void DuplimoEngine::process(const Sample* const* inputs, Sample* const* outputs, int frames,
                            double sampleRateHz) {
    if (frames > 0) {  // an empty block may come without buffers
        const BlockSetup setup{followerCoeff_.at(sampleRateHz),
                               load(controls.phase) >= 0.5f ? -1.0 : 1.0};
        if (load(controls.process) >= 0.5f)
            run<Sample, true>(inputs, outputs, frames, setup);
        else
            run<Sample, false>(inputs, outputs, frames, setup);
    }
    finishBlock<Sample>();
}

template <typename Sample, bool kProcessOn>
void DuplimoEngine::run(const Sample* const* inputs, Sample* const* outputs, int frames,
                        const BlockSetup& setup) {
    using level_follower::update;
    Followers f = followers_;
    DuplimoDelayLine::Cursor cursor = line_.begin();
    float previous = previousDelayed_;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    for (int i = 0; i < frames; ++i) {
        // Parameters may change between two samples: read them per sample.
        const double gain = setup.sideSign * load(controls.sideGain);
        const double emphasis = load(controls.emphasis);
        const int32_t delay = controls.delaySamples.load(std::memory_order_relaxed);

        const Sample left = inL[i];
        const Sample right = inR[i];
        const double mono = Sample((double(left) + double(right)) * kHalf);
        const float delayed = cursor.pushAndRead(static_cast<float>(mono), delay);
        const double side = Sample(gain * (double(delayed) - emphasis * double(previous)));
        previous = delayed;

        update(f.mono, std::fabs(mono), setup.followerCoeff);
        update(f.side, std::fabs(side), setup.followerCoeff);
        if constexpr (kProcessOn) {
            outL[i] = Sample(mono + side);
            outR[i] = Sample(mono - side);
        } else {
            outL[i] = left;
            outR[i] = right;
        }
    }
    line_.finish(cursor);
    previousDelayed_ = previous;
    followers_ = f;
}

template <typename Sample>
void DuplimoEngine::finishBlock() {
    using namespace level_follower;
    settle<Sample>(followers_.mono);
    settle<Sample>(followers_.side);
    reading_.store(pairReading(followers_.mono, kMonoThreshold, followers_.side, kSideThreshold),
                   std::memory_order_relaxed);
}

template void DuplimoEngine::process<float>(const float* const*, float* const*, int, double);
template void DuplimoEngine::process<double>(const double* const*, double* const*, int, double);

}  // namespace duplimo
