// Turns the events of the editor's window and of its pop-up into calls of the
// window's listener, all in the editor window's coordinates.
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/double_click_detector.h"
#include "gui/x11/keyboard_map.h"
#include "gui/x11/window_session.h"

#include <xcb/xcb.h>

#include <optional>

namespace gui::x11 {

// The type of an event, without the bit that marks events another client sent.
inline uint8_t eventTypeOf(const xcb_generic_event_t& event) {
    constexpr uint8_t kSentEventBit = 0x80;
    return event.response_type & static_cast<uint8_t>(~kSentEventBit);
}

class EventDispatcher {
public:
    EventDispatcher(WindowSession& session, PlatformWindowListener& listener);

    void dispatch(xcb_generic_event_t* event);
    // The window has gone, usually with its parent.
    bool windowDestroyed() const { return windowDestroyed_; }

private:
    struct Offset {
        int x;
        int y;
    };
    // What turns coordinates of `window` into the editor window's; nothing
    // for a window that is neither it nor its open pop-up.
    std::optional<Offset> offsetOf(xcb_window_t window);
    void buttonPressed(const xcb_button_press_event_t& event);
    void buttonReleased(const xcb_button_release_event_t& event);
    void pointerMoved(const xcb_motion_notify_event_t& event);
    void pointerLeft(const xcb_leave_notify_event_t& event);
    void keyChanged(const xcb_key_press_event_t& event, bool down);
    void focusLeft(const xcb_focus_out_event_t& event);
    void exposed(const xcb_expose_event_t& event);
    void destroyed(const xcb_destroy_notify_event_t& event);

    xcb_window_t window_;
    PlatformWindowListener& listener_;
    KeyboardFocus& focus_;
    PopupSlot& popup_;
    KeyboardMap keyboard_;
    DoubleClickDetector doubleClick_;
    bool windowDestroyed_ = false;
};

}  // namespace gui::x11
