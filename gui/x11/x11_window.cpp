#include "gui/x11/x11_window.h"

#include "gui/x11/window_loop.h"

#include <pthread.h>

namespace gui::x11 {
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
    session_->present(image, {x, y, width, height});
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
