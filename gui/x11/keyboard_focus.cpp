#include "gui/x11/keyboard_focus.h"

#include <cstdlib>

namespace gui::x11 {

void KeyboardFocus::take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (held_) return;
    xcb_get_input_focus_reply_t* current =
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
    if (current == nullptr) return;  // the connection broke
    previous_ = current->focus == window_ ? XCB_NONE : current->focus;
    previousRevert_ = current->revert_to;
    free(current);
    // Should our window go (with its parent), the focus falls back to the parent.
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    held_ = true;
}

void KeyboardFocus::release() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!held_) return;
    held_ = false;
    // A previous window that has gone meanwhile only earns an error event,
    // which the window's thread drops; the focus then stays with us.
    if (previous_ == XCB_NONE) return;
    xcb_set_input_focus(connection_, previousRevert_, previous_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

bool KeyboardFocus::lostBy(const xcb_focus_out_event_t& event) {
    if (event.event != window_) return false;
    // A grab takes the keys for a moment (a window manager's shortcut) and
    // gives them back; the pointer-root kinds only say where the pointer is.
    if (event.mode == XCB_NOTIFY_MODE_GRAB || event.mode == XCB_NOTIFY_MODE_UNGRAB) return false;
    if (event.detail == XCB_NOTIFY_DETAIL_POINTER || event.detail == XCB_NOTIFY_DETAIL_INFERIOR)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!held_) return false;
    held_ = false;
    return true;
}

}  // namespace gui::x11
