#include "tools/kvx/demo_signal.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace kvx {

namespace {

// The sound sources: band-limited oscillators, note envelopes and a
// repeatable noise generator.

constexpr double kTwoPi = 6.283185307179586;
constexpr double kConcertPitchHz = 440.0;
constexpr double kConcertPitchNote = 69.0;
constexpr double kNotesPerOctave = 12.0;
constexpr int kSawHarmonics = 6;
constexpr double kBassSecondHarmonic = 0.3;
constexpr double kBassThirdHarmonic = 0.15;

// Frequency of a MIDI note number (69 = 440 Hz).
double noteHz(double midiNote) {
    return kConcertPitchHz * std::pow(2.0, (midiNote - kConcertPitchNote) / kNotesPerOctave);
}

// Sine with a few harmonics at phase `cycles` (in periods), amplitude about 1.
double bassWave(double cycles) {
    const double phase = kTwoPi * cycles;
    return std::sin(phase) + kBassSecondHarmonic * std::sin(2.0 * phase) +
           kBassThirdHarmonic * std::sin(3.0 * phase);
}

// Sawtooth built from its first harmonics, amplitude about 1.
double softSaw(double cycles) {
    const double phase = kTwoPi * cycles;
    double sum = 0.0;
    for (int k = 1; k <= kSawHarmonics; ++k) sum += std::sin(k * phase) / k;
    return sum * 2.0 / 3.0;
}

// Linear attack, then exponential decay with time constant `decaySeconds`;
// 0 before the note starts.
double percussiveEnvelope(double secondsIntoNote, double attackSeconds, double decaySeconds) {
    if (secondsIntoNote < 0.0) return 0.0;
    if (secondsIntoNote < attackSeconds) return secondsIntoNote / attackSeconds;
    return std::exp(-(secondsIntoNote - attackSeconds) / decaySeconds);
}

// Linear rise over `rampSeconds` at both ends of a note of `lengthSeconds`.
double trapezoidEnvelope(double secondsIntoNote, double lengthSeconds, double rampSeconds) {
    if (secondsIntoNote < 0.0 || secondsIntoNote >= lengthSeconds) return 0.0;
    const double fromEnd = lengthSeconds - secondsIntoNote;
    return std::fmin(1.0, std::fmin(secondsIntoNote, fromEnd) / rampSeconds);
}

// White noise in -1..1 from a fixed seed, the same on every run.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint32_t seed) : state_(seed) {}

    // A 32-bit linear congruential generator; its upper bits become the sample.
    double next() {
        constexpr uint32_t kMultiplier = 1664525u;
        constexpr uint32_t kIncrement = 1013904223u;
        constexpr double kScale = 1.0 / 2147483648.0;
        state_ = state_ * kMultiplier + kIncrement;
        return static_cast<double>(static_cast<int32_t>(state_)) * kScale;
    }

private:
    uint32_t state_;
};

// The demo's parts.

constexpr double kBeatSeconds = 0.5;  // 120 beats per minute
constexpr double kPeakTarget = 0.8912509381337456;  // -1 dBFS
constexpr double kEdgeFadeSeconds = 0.02;

// Bass line: one note per beat, in the centre.
constexpr int kBassNotes[] = {33, 33, 36, 38, 40, 38, 36, 31};
constexpr double kBassLevel = 0.3;
constexpr double kBassAttackSeconds = 0.005;
constexpr double kBassDecaySeconds = 0.35;
constexpr double kNoteEdgeSeconds = 0.01;

// Chord pad: one chord per two seconds, each voice detuned apart between
// the channels for width, louder on the left.
constexpr double kChordSeconds = 2.0;
constexpr int kChords[][3] = {{57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
constexpr double kPadVoiceLevel = 0.09;
constexpr double kPadLeftGain = 0.9;
constexpr double kPadRightGain = 0.55;
constexpr double kPadDetuneRatio = 0.0023;  // about 4 cents each way
constexpr double kPadRightPhaseCycles = 0.25;
constexpr double kPadRampSeconds = 0.15;

// Percussion: a noise hit on every eighth note, brighter by a first
// difference, partly common and partly independent per channel, panned right.
constexpr double kHitSeconds = 0.25;
constexpr double kHitLevel = 0.5;
constexpr double kHitAttackSeconds = 0.001;
constexpr double kHitDecaySeconds = 0.03;
constexpr double kHitCommonShare = 0.6;
constexpr double kHitLeftGain = 0.4;
constexpr double kHitRightGain = 0.8;
constexpr uint32_t kCommonNoiseSeed = 0x6b76u;
constexpr uint32_t kLeftNoiseSeed = 0x1ef7u;
constexpr uint32_t kRightNoiseSeed = 0x7197u;

// Lead: one note a second from half a second on, opposite in the channels.
constexpr double kLeadStartSeconds = 0.5;
constexpr double kLeadNoteSeconds = 1.0;
constexpr int kLeadNotes[] = {76, 79, 81, 79, 74, 76};
constexpr double kLeadLevel = 0.15;
constexpr double kLeadAttackSeconds = 0.005;
constexpr double kLeadDecaySeconds = 0.15;

template <typename T, size_t N>
const T& cyclic(const T (&table)[N], long index) {
    return table[static_cast<size_t>(index) % N];
}

struct Timeline {
    double rateHz;
    size_t frames;
    double seconds(size_t frame) const { return static_cast<double>(frame) / rateHz; }
};

void addBassLine(StereoSignal& s, const Timeline& time) {
    for (size_t i = 0; i < time.frames; ++i) {
        const double t = time.seconds(i);
        const long beat = static_cast<long>(t / kBeatSeconds);
        const double inNote = t - static_cast<double>(beat) * kBeatSeconds;
        const double envelope =
            percussiveEnvelope(inNote, kBassAttackSeconds, kBassDecaySeconds) *
            trapezoidEnvelope(inNote, kBeatSeconds, kNoteEdgeSeconds);
        const double x = kBassLevel * envelope * bassWave(noteHz(cyclic(kBassNotes, beat)) * inNote);
        s.left[i] += x;
        s.right[i] += x;
    }
}

void addChordPad(StereoSignal& s, const Timeline& time) {
    for (size_t i = 0; i < time.frames; ++i) {
        const double t = time.seconds(i);
        const long chord = static_cast<long>(t / kChordSeconds);
        const double inChord = t - static_cast<double>(chord) * kChordSeconds;
        const double level =
            kPadVoiceLevel * trapezoidEnvelope(inChord, kChordSeconds, kPadRampSeconds);
        for (int note : cyclic(kChords, chord)) {
            const double cycles = noteHz(note) * inChord;
            s.left[i] += kPadLeftGain * level * softSaw(cycles * (1.0 - kPadDetuneRatio));
            s.right[i] += kPadRightGain * level *
                          softSaw(cycles * (1.0 + kPadDetuneRatio) + kPadRightPhaseCycles);
        }
    }
}

void addPercussion(StereoSignal& s, const Timeline& time) {
    NoiseGenerator common(kCommonNoiseSeed), left(kLeftNoiseSeed), right(kRightNoiseSeed);
    double lastLeft = 0.0, lastRight = 0.0;
    for (size_t i = 0; i < time.frames; ++i) {
        const double inHit = std::fmod(time.seconds(i), kHitSeconds);
        const double envelope = kHitLevel *
                                percussiveEnvelope(inHit, kHitAttackSeconds, kHitDecaySeconds) *
                                trapezoidEnvelope(inHit, kHitSeconds, kNoteEdgeSeconds);
        const double shared = kHitCommonShare * common.next();
        const double noiseLeft = shared + (1.0 - kHitCommonShare) * left.next();
        const double noiseRight = shared + (1.0 - kHitCommonShare) * right.next();
        s.left[i] += kHitLeftGain * envelope * 0.5 * (noiseLeft - lastLeft);
        s.right[i] += kHitRightGain * envelope * 0.5 * (noiseRight - lastRight);
        lastLeft = noiseLeft;
        lastRight = noiseRight;
    }
}

void addOutOfPhaseLead(StereoSignal& s, const Timeline& time) {
    constexpr double kTwoPi = 6.283185307179586;
    for (size_t i = 0; i < time.frames; ++i) {
        const double sinceStart = time.seconds(i) - kLeadStartSeconds;
        if (sinceStart < 0.0) continue;
        const long note = static_cast<long>(sinceStart / kLeadNoteSeconds);
        const double inNote = sinceStart - static_cast<double>(note) * kLeadNoteSeconds;
        const double envelope =
            percussiveEnvelope(inNote, kLeadAttackSeconds, kLeadDecaySeconds) *
            trapezoidEnvelope(inNote, kLeadNoteSeconds, kNoteEdgeSeconds);
        const double x =
            kLeadLevel * envelope * std::sin(kTwoPi * noteHz(cyclic(kLeadNotes, note)) * inNote);
        s.left[i] += x;
        s.right[i] -= x;
    }
}

// Fades the ends, scales the peak to the target and rounds every sample to
// the nearest 32-bit float.
void finish(StereoSignal& s, const Timeline& time) {
    const double fadeFrames = kEdgeFadeSeconds * time.rateHz;
    double peak = 0.0;
    for (size_t i = 0; i < time.frames; ++i) {
        const double fromEdge = static_cast<double>(std::min(i, time.frames - 1 - i));
        const double gain = std::fmin(1.0, fromEdge / fadeFrames);
        s.left[i] *= gain;
        s.right[i] *= gain;
        peak = std::fmax(peak, std::fmax(std::fabs(s.left[i]), std::fabs(s.right[i])));
    }
    const double scale = peak > 0.0 ? kPeakTarget / peak : 1.0;
    for (size_t i = 0; i < time.frames; ++i) {
        s.left[i] = static_cast<float>(s.left[i] * scale);
        s.right[i] = static_cast<float>(s.right[i] * scale);
    }
}

}  // namespace

StereoSignal makeDemoSignal(int sampleRateHz) {
    const Timeline time{static_cast<double>(sampleRateHz),
                        static_cast<size_t>(std::lround(kDemoSeconds * sampleRateHz))};
    StereoSignal signal;
    signal.sampleRateHz = sampleRateHz;
    signal.left.assign(time.frames, 0.0);
    signal.right.assign(time.frames, 0.0);
    addBassLine(signal, time);
    addChordPad(signal, time);
    addPercussion(signal, time);
    addOutOfPhaseLead(signal, time);
    finish(signal, time);
    return signal;
}

}  // namespace kvx
