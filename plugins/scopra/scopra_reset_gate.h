// Keeps the measurement resets that other threads ask for from overlapping a
// process call, without ever making the audio thread wait: the audio thread
// only tries to pass and, when a reset is under way, leaves that block's
// measurement out (the reset would have cleared it anyway). The thread that
// resets waits until the block in progress is done.
#pragma once

#include <atomic>
#include <thread>

namespace scopra {

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
