// What the analyser's audio thread shares with other threads: the measured
// values, their published copy that the editor reads, and the gate that keeps
// measurement resets from overlapping a process call.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace scopra {

// The measured values of the analyser: peak followers and mean squares of the
// four signals, the envelope of the automatic level and the held peaks of the
// two meters.
enum Signal : int {
    kLeft = 0,    // L
    kRight,       // R
    kSum,         // M = L + R (not halved)
    kDifference,  // S = L - R (not halved)
    kNumSignals
};

// Meter 1 shows L (mode L/R) or S (mode S/M), meter 2 shows R or M.
constexpr int kNumMeters = 2;
constexpr double kSideMidMeterScale = 0.5;  // S and M peaks shown halved

struct MeasurementState {
    float peak[kNumSignals] = {};        // linear amplitude
    float meanSquare[kNumSignals] = {};  // running mean squares
    float autoEnvelope = 0.0f;           // drives the automatic level
    float heldPeak[kNumMeters] = {};     // linear amplitude
    int32_t holdCount[kNumMeters] = {};  // samples since the held peak was set
};

// The measured values as the audio thread publishes them after every block,
// for the editor to read on its idle. Each value is a single 32-bit atomic:
// readers get whole values, not one consistent set.
class PublishedReadings {
public:
    void publish(const MeasurementState& state);
    MeasurementState snapshot() const;

private:
    std::atomic<float> peak_[kNumSignals] = {};
    std::atomic<float> meanSquare_[kNumSignals] = {};
    std::atomic<float> autoEnvelope_{0.0f};
    std::atomic<float> heldPeak_[kNumMeters] = {};
    std::atomic<int32_t> holdCount_[kNumMeters] = {};
};

// Keeps the measurement resets that other threads ask for from overlapping a
// process call, without ever making the audio thread wait: the audio thread
// only tries to pass and, when a reset is under way, leaves that block's
// measurement out (the reset would have cleared it anyway). The thread that
// resets waits until the block in progress is done.
class ResetGate {
public:
    // Audio thread: true when it may measure; it must then call leave().
    bool tryEnter() noexcept { return !busy_.exchange(true, std::memory_order_acquire); }
    void leave() noexcept { busy_.store(false, std::memory_order_release); }

    // Resetting thread: waits for at most the block in progress.
    void enter() noexcept {
        while (!tryEnter()) std::this_thread::yield();
    }

private:
    std::atomic<bool> busy_{false};
};

// Holds the gate for a reset for the lifetime of the object.
class ResetGateHold {
public:
    explicit ResetGateHold(ResetGate& gate) : gate_(gate) { gate_.enter(); }
    ~ResetGateHold() { gate_.leave(); }
    ResetGateHold(const ResetGateHold&) = delete;
    ResetGateHold& operator=(const ResetGateHold&) = delete;

private:
    ResetGate& gate_;
};

}  // namespace scopra
