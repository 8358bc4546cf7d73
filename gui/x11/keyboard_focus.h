// The editor window's hold on the X keyboard focus. Our window is a child of
// the host's; while the pointer is over it, the keys come to it anyway, but a
// user editing a text field also types with the pointer elsewhere. So while a
// field edits, the window takes the focus, and gives it back to whichever
// window had it when the editing ends. Someone else taking the focus meanwhile
// (the window manager, the host) ends the hold without a give-back.
#pragma once

#include <xcb/xcb.h>

#include <mutex>

namespace gui::x11 {

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

}  // namespace gui::x11
