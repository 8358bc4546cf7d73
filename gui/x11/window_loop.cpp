#include "gui/x11/window_loop.h"

#include <poll.h>

#include <cstdlib>

namespace gui::x11 {
namespace {

constexpr int kWaitForever = -1;

struct FreeEvent {
    void operator()(xcb_generic_event_t* event) const { free(event); }
};
using EventPtr = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

bool isMotion(const xcb_generic_event_t& event) {
    return eventTypeOf(event) == XCB_MOTION_NOTIFY;
}

}  // namespace

WindowLoop::WindowLoop(std::shared_ptr<WindowSession> session, PlatformWindowListener& listener)
    : session_(std::move(session)),
      listener_(listener),
      dispatcher_(*session_, listener),
      idle_(IdleSchedule::Clock::now(), std::chrono::milliseconds(kIdlePeriodMs)) {}

void WindowLoop::run() {
    while (!session_->stopRequested()) {
        callIdleWhenDue();
        dispatchPendingEvents();
        waitForActivity();
    }
}

bool WindowLoop::listening() const { return !session_->stopRequested() && !session_->isGone(); }

void WindowLoop::callIdleWhenDue() {
    const auto now = IdleSchedule::Clock::now();
    if (!listening() || !idle_.isDue(now)) return;
    listener_.onIdle();
    idle_.advance(IdleSchedule::Clock::now());
}

// Reads every event that has arrived. Of a run of pointer motions only the
// last one reaches the listener, so a slow listener never falls behind.
void WindowLoop::dispatchPendingEvents() {
    EventPtr pendingMotion;
    while (EventPtr event{xcb_poll_for_event(session_->connection())}) {
        if (session_->stopRequested()) return;
        if (isMotion(*event)) {
            pendingMotion = std::move(event);
            continue;
        }
        if (pendingMotion) {
            dispatch(pendingMotion.get());
            pendingMotion.reset();
        }
        dispatch(event.get());
    }
    if (pendingMotion) dispatch(pendingMotion.get());
    if (session_->connectionFailed()) session_->markGone();
}

void WindowLoop::dispatch(xcb_generic_event_t* event) {
    if (!listening()) return;
    dispatcher_.dispatch(event);
    if (dispatcher_.windowDestroyed()) session_->markGone();
}

void WindowLoop::waitForActivity() {
    WakeSignal& wake = session_->wakeSignal();
    pollfd descriptors[] = {{wake.fileDescriptor(), POLLIN, 0},
                            {session_->connectionDescriptor(), POLLIN, 0}};
    // A broken connection stays readable for ever: wait on the wake signal alone.
    const nfds_t count = session_->connectionFailed() ? 1 : 2;
    if (poll(descriptors, count, waitTimeoutMs()) > 0 && descriptors[0].revents != 0) {
        wake.clear();
    }
}

int WindowLoop::waitTimeoutMs() const {
    if (!listening()) return kWaitForever;
    return idle_.millisecondsUntilDue(IdleSchedule::Clock::now());
}

}  // namespace gui::x11
