#include "gui/x11/window.h"

#include "gui/platform_window.h"

#include <poll.h>
#include <pthread.h>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace gui::x11 {

int IdleSchedule::millisecondsUntilDue(Clock::time_point now) const {
    if (now >= due_) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(due_ - now).count());
}

void IdleSchedule::advance(Clock::time_point now) {
    due_ += period_;
    if (due_ <= now) due_ = now + period_;
}

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

namespace {

constexpr char kThreadName[] = "kv-editor";

void runLoop(std::shared_ptr<WindowSession> session, PlatformWindowListener* listener) {
    pthread_setname_np(pthread_self(), kThreadName);
    WindowLoop(std::move(session), *listener).run();
}

}  // namespace

std::unique_ptr<X11Window> X11Window::open(xcb_window_t parent, int width, int height,
                                           PlatformWindowListener& listener) {
    auto session = WindowSession::open(parent, width, height);
    if (!session) return nullptr;
    return std::unique_ptr<X11Window>(new X11Window(std::move(session), listener));
}

X11Window::X11Window(std::shared_ptr<WindowSession> session, PlatformWindowListener& listener)
    : session_(std::move(session)), thread_(runLoop, session_, &listener) {}

X11Window::~X11Window() {
    session_->popup().close();
    session_->keyboardFocus().release();
    session_->requestStop();
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

void X11Window::present(const PixelView& image, int x, int y, int width, int height) {
    const WindowArea area{x, y, width, height};
    presentAreas(image, &area, 1);
}

void X11Window::presentAreas(const PixelView& image, const WindowArea* areas, size_t count) {
    session_->present(image, areas, count);
    wakeIfElsewhere();
}

void X11Window::takeKeyboardFocus() {
    session_->keyboardFocus().take();
    wakeIfElsewhere();
}

void X11Window::releaseKeyboardFocus() { session_->keyboardFocus().release(); }

bool X11Window::openPopup(const WindowArea& area) {
    const bool opened = session_->popup().open(area);
    wakeIfElsewhere();
    return opened;
}

void X11Window::presentPopup(const PixelView& image) {
    session_->popup().present(image);
    wakeIfElsewhere();
}

void X11Window::closePopup() { session_->popup().close(); }

WindowArea X11Window::screenArea() {
    const WindowArea screen = session_->screenArea();
    wakeIfElsewhere();
    return screen;
}

void X11Window::wakeIfElsewhere() {
    // Waiting for the server may have read events into the connection's queue
    // behind the thread's back; wake it to look.
    if (thread_.get_id() != std::this_thread::get_id()) session_->wakeSignal().raise();
}

bool X11Window::isValid() const { return !session_->isGone(); }

}  // namespace gui::x11

// The platform window of X11 systems.
namespace gui {

std::unique_ptr<PlatformWindow> openPlatformWindow(void* parent, int width, int height,
                                                   PlatformWindowListener& listener) {
    const auto id = reinterpret_cast<uintptr_t>(parent);
    if (id == 0 || id > std::numeric_limits<xcb_window_t>::max()) return nullptr;
    return x11::X11Window::open(static_cast<xcb_window_t>(id), width, height, listener);
}

}  // namespace gui
