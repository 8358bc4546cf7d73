// The editor's window on X11 and the thread that serves it.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/input.h"
#include "gui/x11/session.h"

#include <chrono>
#include <memory>
#include <thread>

namespace gui::x11 {

// When the next idle call is due: one period after the last, without bursts
// to catch up when a call ran late.
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

// The body of a window's own thread: waits on the connection and the wake
// signal with poll(), hands events to the listener and calls its onIdle every
// idle period, until the session asks it to stop. Once the window has gone it
// only drains the connection and calls the listener no more.
class WindowLoop {
public:
    WindowLoop(std::shared_ptr<WindowSession> session, PlatformWindowListener& listener);
    void run();

private:
    bool listening() const;
    void callIdleWhenDue();
    void dispatchPendingEvents();
    void dispatch(xcb_generic_event_t* event);
    void waitForActivity();
    int waitTimeoutMs() const;

    std::shared_ptr<WindowSession> session_;
    PlatformWindowListener& listener_;
    EventDispatcher dispatcher_;
    IdleSchedule idle_;
};

// The editor's window on an X11 display: a PlatformWindow with a thread of
// its own that delivers input and idle calls to the listener.
class X11Window final : public PlatformWindow {
public:
    // Null when there is no display or the parent window does not exist.
    static std::unique_ptr<X11Window> open(xcb_window_t parent, int width, int height,
                                           PlatformWindowListener& listener);
    // Stops the thread and waits for it, so the listener is never called once
    // this returns. Called from a listener call on the window's own thread,
    // it leaves the thread to end by itself after that call returns.
    ~X11Window() override;

    void present(const PixelView& image, int x, int y, int width, int height) override;
    void presentAreas(const PixelView& image, const WindowArea* areas, size_t count) override;
    bool isValid() const override;
    void takeKeyboardFocus() override;
    void releaseKeyboardFocus() override;
    bool openPopup(const WindowArea& area) override;
    void presentPopup(const PixelView& image) override;
    void closePopup() override;
    WindowArea screenArea() override;

private:
    // After a request that waited for the server's answer on another thread
    // than the window's own.
    void wakeIfElsewhere();

    X11Window(std::shared_ptr<WindowSession> session, PlatformWindowListener& listener);

    std::shared_ptr<WindowSession> session_;
    std::thread thread_;
};

}  // namespace gui::x11
