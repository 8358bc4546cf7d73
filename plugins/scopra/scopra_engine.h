// The stereo image analyser's measurement engine: peak followers and running
// mean squares of L, R, L + R and L - R, the held peaks of the two meters,
// the envelope and value of the automatic level, and the goniometer capture.
// The audio passes through unchanged. No host or editor knowledge.
//
// Threads. process() runs on the audio thread. The controls are written from
// any thread as single 32-bit stores. Everything the editor reads is either
// a 32-bit atomic published after every block (readings(), the display
// values) or the capture buffer behind its hand-over (takeBurst()). The
// resets (suspendReset(), resumeReset(), clearCapture()) may come from any
// other thread: they wait for the block in progress and make the audio thread
// leave the measurement of a block out rather than wait for them.
//
// The editor's idle: takeBurst() into its own array of 512 points (true when
// a full burst was waiting; the next burst starts at once), readings() for
// the meters and held peaks, setDisplayValues() with what it shows. Its
// clears of the goniometer call clearCapture(); opening it calls the
// effect's suspend() and resume().
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "platform/mutex.h"
#include "plugins/scopra/scopra_display_values.h"
#include "plugins/scopra/scopra_measurement_state.h"
#include "plugins/scopra/scopra_parameters.h"
#include "plugins/scopra/scopra_scope_capture.h"

namespace scopra {

// Values derived from the parameters that the measurement reads.
struct EngineControls {
    std::atomic<float> scopeGain{scopeGainForLevel(kInitialLevel)};
    std::atomic<float> autoOn{0.0f};  // switch state 0.0 or 1.0
    std::atomic<float> modeSM{0.0f};  // 0.0 left/right, 1.0 side/mid
};

// Per-block constants that depend on the sample rate only.
struct RateConstants {
    double peakCoeff = 0.0;        // falls to 1/16 in 1.5 s
    double meanSquareCoeff = 0.0;  // old weight 1/256 after 0.6 s
    double autoCoeff = 0.0;        // falls to 1/16 in 0.6 s
    int captureFactor = 1;         // D: one pair in D + 1 is captured
    double holdLimitSamples = 0.0;  // 4 seconds
    int32_t holdResetCount = 1;     // first hold count (as float) above the limit
};
RateConstants rateConstantsFor(double sampleRateHz);

// The automatic goniometer level (0 .. 1) for an envelope value, worked out
// in the path's precision (Sample float or double).
template <typename Sample>
float automaticLevel(float envelope);

class ScopraEngine {
public:
    ScopraEngine();

    EngineControls controls;

    // Measures with baseline instructions only, as on a processor without
    // AVX2 (the results are the same); for tests. Call before processing.
    void useBaselineInstructions() { avx2_ = false; }

    void setSampleRate(float sampleRateHz) {
        sampleRate_.store(sampleRateHz, std::memory_order_relaxed);
    }

    // Audio thread: passes the block through (inputs and outputs may be the
    // same buffers) and measures it, with flush-to-zero. Sample is float
    // (every step and the automatic level in 32-bit arithmetic, coefficients
    // rounded to float) or double (every step in double). Every measured
    // field is a 32-bit float after every pair in both, so the readings do
    // not depend on how the host cuts the audio into blocks. An empty block
    // may come without buffers. Returns the new automatic level while "auto" is on, for the
    // effect to store as its level; nothing when "auto" is off or the block's
    // measurement was left out for a reset.
    template <typename Sample>
    std::optional<float> process(const Sample* const* inputs, Sample* const* outputs,
                                 int frames) {
        if (!processBlock(inputs, outputs, frames)) return std::nullopt;
        return newLevel_;
    }

    // Host suspend: everything cleared, capture re-armed at 511.
    void suspendReset();
    // Host resume: as suspend, except that the peak followers and the capture
    // write index stay as they are.
    void resumeReset();
    // The editor's clear of the capture points; the write index stays.
    void clearCapture();

    // Consumer side, for the editor's idle.
    // Copies a full burst of 512 points (the first captured in position 511)
    // and starts the next one; false, `points` untouched, while filling.
    bool takeBurst(ScopePoint (&points)[kScopePoints]);
    int32_t scopeWriteIndex() const { return capture_.writeIndex(); }
    MeasurementState readings() const { return published_.snapshot(); }
    void setDisplayValues(const DisplayValues& values) { display_.store(values); }
    DisplayValues displayValues() const { return display_.load(); }

private:
    // process() without the optional, which would cross the call in memory:
    // true when a new automatic level is in newLevel_.
    template <typename Sample>
    bool processBlock(const Sample* const* inputs, Sample* const* outputs, int frames);
    template <typename Sample>
    void measure(const Sample* const* inputs, Sample* const* outputs, int frames,
                 const RateConstants& rate);
    template <typename Sample>
    void capture(const Sample* const* inputs, int frames, int captureFactor);
    template <typename Sample>
    void follow(const Sample* const* inputs, Sample* const* outputs, int frames,
                const RateConstants& rate);
    template <typename Sample, bool kSideMid>
    void followInMode(const Sample* const* inputs, Sample* const* outputs, int frames,
                      const RateConstants& rate);
    const RateConstants& currentRateConstants();

    MeasurementState state_;  // the audio thread's own copy
    PublishedReadings published_;
    SharedDisplayValues display_;
    ScopeCapture capture_;
    ResetGate gate_;
    Mutex consumerLock_;  // serialises the consumer side among its threads
    std::atomic<float> sampleRate_{44100.0f};
    bool avx2_;                          // set before any processing
    float newLevel_ = 1.0f;              // audio thread only
    float cachedSampleRate_ = 44100.0f;  // audio thread only
    RateConstants cachedRate_ = rateConstantsFor(44100.0);
};

}  // namespace scopra
