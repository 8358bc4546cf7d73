#include "tools/kvx/demo_voices.h"

#include <cmath>

namespace kvx {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kConcertPitchHz = 440.0;
constexpr double kConcertPitchNote = 69.0;
constexpr double kNotesPerOctave = 12.0;
constexpr int kSawHarmonics = 6;
constexpr double kBassSecondHarmonic = 0.3;
constexpr double kBassThirdHarmonic = 0.15;

}  // namespace

double noteHz(double midiNote) {
    return kConcertPitchHz * std::pow(2.0, (midiNote - kConcertPitchNote) / kNotesPerOctave);
}

double bassWave(double cycles) {
    const double phase = kTwoPi * cycles;
    return std::sin(phase) + kBassSecondHarmonic * std::sin(2.0 * phase) +
           kBassThirdHarmonic * std::sin(3.0 * phase);
}

double softSaw(double cycles) {
    const double phase = kTwoPi * cycles;
    double sum = 0.0;
    for (int k = 1; k <= kSawHarmonics; ++k) sum += std::sin(k * phase) / k;
    return sum * 2.0 / 3.0;
}

double percussiveEnvelope(double secondsIntoNote, double attackSeconds, double decaySeconds) {
    if (secondsIntoNote < 0.0) return 0.0;
    if (secondsIntoNote < attackSeconds) return secondsIntoNote / attackSeconds;
    return std::exp(-(secondsIntoNote - attackSeconds) / decaySeconds);
}

double trapezoidEnvelope(double secondsIntoNote, double lengthSeconds, double rampSeconds) {
    if (secondsIntoNote < 0.0 || secondsIntoNote >= lengthSeconds) return 0.0;
    const double fromEnd = lengthSeconds - secondsIntoNote;
    return std::fmin(1.0, std::fmin(secondsIntoNote, fromEnd) / rampSeconds);
}

// A 32-bit linear congruential generator; its upper bits become the sample.
double NoiseGenerator::next() {
    constexpr uint32_t kMultiplier = 1664525u;
    constexpr uint32_t kIncrement = 1013904223u;
    constexpr double kScale = 1.0 / 2147483648.0;
    state_ = state_ * kMultiplier + kIncrement;
    return static_cast<double>(static_cast<int32_t>(state_)) * kScale;
}

}  // namespace kvx
