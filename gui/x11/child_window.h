// The editor's window: an X window inside the host's parent window, of the
// parent's depth and visual, created on our own connection.
#pragma once

#include "gui/x11/image_uploader.h"
#include "gui/x11/xcb_connection.h"

#include <xcb/xcb.h>

#include <memory>

namespace gui::x11 {

class ChildWindow {
public:
    // Null when the parent does not exist (any more) or the server refuses.
    static std::unique_ptr<ChildWindow> create(const XcbConnection& connection,
                                               xcb_window_t parent, int width, int height);
    ~ChildWindow();  // harmless when the window is already gone with its parent
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    xcb_window_t id() const { return target_.window; }
    const UploadTarget& uploadTarget() const { return target_; }

private:
    ChildWindow(xcb_connection_t* connection, const UploadTarget& target)
        : connection_(connection), target_(target) {}

    xcb_connection_t* connection_;
    UploadTarget target_;
};

}  // namespace gui::x11
