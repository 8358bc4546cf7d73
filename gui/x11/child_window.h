// The editor's window: an X window inside the host's parent window, of the
// parent's depth and visual, created on our own connection. Its pop-ups are
// windows of the same kind inside the root window.
#pragma once

#include "gui/x11/image_uploader.h"
#include "gui/x11/xcb_connection.h"

#include <xcb/xcb.h>

#include <memory>

namespace gui::x11 {

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

}  // namespace gui::x11
