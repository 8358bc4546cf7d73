// The sound sources of the demo signal: band-limited oscillators, note
// envelopes and a repeatable noise generator.
#pragma once

#include <cstdint>

namespace kvx {

// Frequency of a MIDI note number (69 = 440 Hz).
double noteHz(double midiNote);

// Sine with a few harmonics at phase `cycles` (in periods), amplitude about 1.
double bassWave(double cycles);
// Sawtooth built from its first harmonics, amplitude about 1.
double softSaw(double cycles);

// Linear attack, then exponential decay with time constant `decaySeconds`;
// 0 before the note starts.
double percussiveEnvelope(double secondsIntoNote, double attackSeconds, double decaySeconds);
// Linear rise over `rampSeconds` at both ends of a note of `lengthSeconds`.
double trapezoidEnvelope(double secondsIntoNote, double lengthSeconds, double rampSeconds);

// White noise in -1..1 from a fixed seed, the same on every run.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint32_t seed) : state_(seed) {}
    double next();

private:
    uint32_t state_;
};

}  // namespace kvx
