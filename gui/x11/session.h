// The X side of one open editor window, held together by WindowSession:
// the connection, the child window, the pop-up, the keyboard focus and the
// wake signal of the window's thread.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/upload.h"

#include <xcb/xcb.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace gui::x11 {

// One XCB connection of the window's own, separate from whatever connection
// the host holds, so that nothing we do on it can disturb the host: X errors
// arrive as events and are never fatal.
class XcbConnection {
public:
    // Connects to the display named by $DISPLAY; null when there is none or it
    // refuses us.
    static std::unique_ptr<XcbConnection> open();
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    xcb_connection_t* get() const { return connection_; }
    int fileDescriptor() const;
    bool hasFailed() const;
    const xcb_setup_t* setup() const;
    // The screen whose root window is `root`, or null.
    const xcb_screen_t* screenOfRoot(xcb_window_t root) const;
    // Waits until the server has handled every request sent so far.
    void sync() const;

private:
    explicit XcbConnection(xcb_connection_t* connection) : connection_(connection) {}
    xcb_connection_t* connection_;
};

// A file descriptor another thread can make readable to wake a poll() early.
class WakeSignal {
public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    bool isValid() const { return fd_ >= 0; }
    int fileDescriptor() const { return fd_; }
    // Safe from any thread, any number of times.
    void raise();
    // Makes the descriptor unreadable again.
    void clear();

private:
    int fd_;
};

// The editor's window: an X window inside the host's parent window, of the
// parent's depth and visual, created on our own connection. Its pop-ups are
// windows of the same kind inside the root window.
// Where a window goes in its parent, and whether it is a pop-up: a window
// the window manager leaves alone (override-redirect) that only asks for
// exposure and input.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    bool popup = false;
};

class ChildWindow {
public:
    // Null when the parent does not exist (any more) or the server refuses.
    static std::unique_ptr<ChildWindow> create(const XcbConnection& connection,
                                               xcb_window_t parent, int width, int height,
                                               const WindowPlacement& placement = {});
    ~ChildWindow();  // harmless when the window is already gone with its parent
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    xcb_window_t id() const { return target_.window; }
    const UploadTarget& uploadTarget() const { return target_; }
    // The root window of the window's screen, and the screen's size.
    xcb_window_t root() const { return root_; }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }

private:
    ChildWindow(xcb_connection_t* connection, const UploadTarget& target,
                const xcb_screen_t& screen)
        : connection_(connection),
          target_(target),
          root_(screen.root),
          screenWidth_(screen.width_in_pixels),
          screenHeight_(screen.height_in_pixels) {}

    xcb_connection_t* connection_;
    UploadTarget target_;
    xcb_window_t root_;
    int screenWidth_;
    int screenHeight_;
};

// The editor window's hold on the X keyboard focus. Our window is a child of
// the host's; while the pointer is over it, the keys come to it anyway, but a
// user editing a text field also types with the pointer elsewhere. So while a
// field edits, the window takes the focus, and gives it back to whichever
// window had it when the editing ends. Someone else taking the focus meanwhile
// (the window manager, the host) ends the hold without a give-back.
class KeyboardFocus {
public:
    KeyboardFocus(xcb_connection_t* connection, xcb_window_t window)
        : connection_(connection), window_(window) {}

    // Both from any thread; each does nothing when already done. take waits
    // for the server's answer of who has the focus now.
    void take();
    void release();
    // A focus-out event of the window: true when it ends our hold, that is
    // when another window took the focus for good (not for a grab).
    bool lostBy(const xcb_focus_out_event_t& event);

private:
    std::mutex mutex_;
    xcb_connection_t* connection_;
    xcb_window_t window_;
    bool held_ = false;
    // Who had the focus before us, and how it reverted; XCB_NONE when the
    // focus was ours already, so that there is nothing to give back.
    xcb_window_t previous_ = XCB_NONE;
    uint8_t previousRevert_ = XCB_INPUT_FOCUS_PARENT;
};

// The editor window's pop-up (an option menu's list): a window of its own in
// the root window, so that neither the editor's small window nor the host's
// cuts it, and override-redirect, so that the window manager leaves it where
// it is put. It lives on the editor window's connection, so its input arrives
// on the editor window's thread. While open it grabs the pointer and the
// keyboard: a click anywhere, even outside it, and Escape reach the editor.
class PopupWindow {
public:
    // At `area` of the editor window's coordinates. Null when the server
    // refuses the window or the pointer grab.
    static std::unique_ptr<PopupWindow> open(const XcbConnection& connection,
                                             const ChildWindow& editor, WindowArea area);
    // Lets go of the grabs and destroys the window.
    ~PopupWindow();
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    xcb_window_t id() const { return window_->id(); }
    // Where the pop-up stands in the editor window's coordinates.
    const WindowArea& area() const { return area_; }
    void present(const PixelView& image);

private:
    PopupWindow(xcb_connection_t* connection, std::unique_ptr<ChildWindow> window,
                const WindowArea& area);

    xcb_connection_t* connection_;
    std::unique_ptr<ChildWindow> window_;
    ImageUploader uploader_;
    WindowArea area_;
};

// The editor window's one pop-up, opened, shown and closed from any thread,
// while the window's thread routes its input.
class PopupSlot {
public:
    PopupSlot(const XcbConnection& connection, const ChildWindow& editor)
        : connection_(connection), editor_(editor) {}

    // Replaces a pop-up that is still open.
    bool open(const WindowArea& area);
    void present(const PixelView& image);
    void close();
    // Where the pop-up `window` stands in the editor window's coordinates;
    // nothing when it is no open pop-up of ours.
    std::optional<WindowArea> areaOf(xcb_window_t window);

private:
    std::mutex mutex_;
    const XcbConnection& connection_;
    const ChildWindow& editor_;
    std::unique_ptr<PopupWindow> popup_;
};

// Everything one open editor window holds on the X side: its own connection,
// the child window, the image uploader, its hold on the keyboard focus, its
// pop-up and the wake signal of its thread.
// Shared by the window object and its thread, so whichever lets go last
// releases it.
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

    void present(const PixelView& image, const ImageArea* areas, size_t count);

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
