// The editor window's pop-up (an option menu's list): a window of its own in
// the root window, so that neither the editor's small window nor the host's
// cuts it, and override-redirect, so that the window manager leaves it where
// it is put. It lives on the editor window's connection, so its input arrives
// on the editor window's thread. While open it grabs the pointer and the
// keyboard: a click anywhere, even outside it, and Escape reach the editor.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/child_window.h"
#include "gui/x11/image_uploader.h"

#include <xcb/xcb.h>

#include <memory>
#include <mutex>
#include <optional>

namespace gui::x11 {

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

}  // namespace gui::x11
