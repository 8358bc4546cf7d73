// When the next idle call is due: one period after the last, without bursts
// to catch up when a call ran late.
#pragma once

#include <chrono>

namespace gui::x11 {

class IdleSchedule {
public:
    using Clock = std::chrono::steady_clock;

    IdleSchedule(Clock::time_point start, std::chrono::milliseconds period)
        : period_(period), due_(start + period) {}

    bool isDue(Clock::time_point now) const { return now >= due_; }
    // Whole milliseconds to wait, rounded up so a wait never ends early.
    int millisecondsUntilDue(Clock::time_point now) const;
    // Called after each idle call.
    void advance(Clock::time_point now);

private:
    std::chrono::milliseconds period_;
    Clock::time_point due_;
};

}  // namespace gui::x11
