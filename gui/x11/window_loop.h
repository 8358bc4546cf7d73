// The body of a window's own thread: waits on the connection and the wake
// signal with poll(), hands events to the listener and calls its onIdle every
// idle period, until the session asks it to stop. Once the window has gone it
// only drains the connection and calls the listener no more.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/event_dispatcher.h"
#include "gui/x11/idle_schedule.h"
#include "gui/x11/window_session.h"

#include <memory>

namespace gui::x11 {

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

}  // namespace gui::x11
