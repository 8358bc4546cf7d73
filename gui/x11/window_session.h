// Everything one open editor window holds on the X side: its own connection,
// the child window, the image uploader, its hold on the keyboard focus, its
// pop-up and the wake signal of its thread.
// Shared by the window object and its thread, so whichever lets go last
// releases it.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/child_window.h"
#include "gui/x11/image_uploader.h"
#include "gui/x11/keyboard_focus.h"
#include "gui/x11/popup_window.h"
#include "gui/x11/wake_signal.h"
#include "gui/x11/xcb_connection.h"

#include <atomic>
#include <memory>

namespace gui::x11 {

class WindowSession {
public:
    // Null when there is no display or the parent window does not exist.
    static std::shared_ptr<WindowSession> open(xcb_window_t parent, int width, int height);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    xcb_connection_t* connection() const { return connection_->get(); }
    int connectionDescriptor() const { return connection_->fileDescriptor(); }
    bool connectionFailed() const { return connection_->hasFailed(); }
    xcb_window_t window() const { return window_->id(); }
    WakeSignal& wakeSignal() { return wake_; }
    KeyboardFocus& keyboardFocus() { return *focus_; }
    PopupSlot& popup() { return *popup_; }
    // The screen in the window's coordinates; empty when the server does not
    // answer. Waits for the server.
    WindowArea screenArea();

    void present(const PixelView& image, ImageArea area);

    // Asks the thread to end; it calls the listener no more.
    void requestStop();
    bool stopRequested() const { return stop_.load(std::memory_order_acquire); }
    // The window has gone (with its parent) or the connection broke.
    void markGone() { gone_.store(true, std::memory_order_release); }
    bool isGone() const { return gone_.load(std::memory_order_acquire); }

private:
    WindowSession(std::unique_ptr<XcbConnection> connection, std::unique_ptr<ChildWindow> window);

    // Declared in order of dependence: destroyed uploader first, connection last.
    std::unique_ptr<XcbConnection> connection_;
    std::unique_ptr<ChildWindow> window_;
    std::unique_ptr<ImageUploader> uploader_;
    std::unique_ptr<KeyboardFocus> focus_;
    std::unique_ptr<PopupSlot> popup_;
    WakeSignal wake_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> gone_{false};
};

}  // namespace gui::x11
