// The editor's window on an X11 display: a PlatformWindow with a thread of
// its own that delivers input and idle calls to the listener.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/window_session.h"

#include <memory>
#include <thread>

namespace gui::x11 {

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
