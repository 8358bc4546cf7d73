// The editor's 50 ms idle timer. It rides on the frame's platform window,
// whose own thread ticks every gui::kIdlePeriodMs and hands each tick to the
// frame's editor (doIdleStuff) under the editor's GUI lock. While a timer
// exists the editor passes the ticks to fire(), which finds the editor
// through the frame and lets it idle; once the timer is gone the ticks do
// nothing. A headless frame has no window, so its timer never fires.
#pragma once

#include "gui/platform_window.h"

class CFrame;

class IdleTimer {
public:
    static constexpr int kPeriodMs = gui::kIdlePeriodMs;

    // Starts ticking on `frame`'s window.
    explicit IdleTimer(CFrame* frame) : frame_(frame) {}
    IdleTimer(const IdleTimer&) = delete;
    IdleTimer& operator=(const IdleTimer&) = delete;

    // One tick: the frame's editor idles. A missing frame or editor ends the
    // tick silently.
    void fire();

private:
    CFrame* frame_;
};
