#include "gui/x11/event_dispatcher.h"

#include "gui/x11/input_bits.h"

namespace gui::x11 {

EventDispatcher::EventDispatcher(WindowSession& session, PlatformWindowListener& listener)
    : window_(session.window()),
      listener_(listener),
      focus_(session.keyboardFocus()),
      popup_(session.popup()),
      keyboard_(session.connection()) {}

std::optional<EventDispatcher::Offset> EventDispatcher::offsetOf(xcb_window_t window) {
    if (window == window_) return Offset{0, 0};
    if (const auto area = popup_.areaOf(window)) return Offset{area->x, area->y};
    return std::nullopt;
}

void EventDispatcher::dispatch(xcb_generic_event_t* event) {
    // Errors (type 0) are answers to requests on a window that has gone;
    // nothing to do but drop them.
    switch (eventTypeOf(*event)) {
        case XCB_BUTTON_PRESS:
            buttonPressed(*reinterpret_cast<xcb_button_press_event_t*>(event));
            break;
        case XCB_BUTTON_RELEASE:
            buttonReleased(*reinterpret_cast<xcb_button_release_event_t*>(event));
            break;
        case XCB_MOTION_NOTIFY:
            pointerMoved(*reinterpret_cast<xcb_motion_notify_event_t*>(event));
            break;
        case XCB_LEAVE_NOTIFY:
            pointerLeft(*reinterpret_cast<xcb_leave_notify_event_t*>(event));
            break;
        case XCB_KEY_PRESS:
            keyChanged(*reinterpret_cast<xcb_key_press_event_t*>(event), true);
            break;
        case XCB_KEY_RELEASE:
            keyChanged(*reinterpret_cast<xcb_key_press_event_t*>(event), false);
            break;
        case XCB_FOCUS_OUT:
            focusLeft(*reinterpret_cast<xcb_focus_out_event_t*>(event));
            break;
        case XCB_EXPOSE:
            exposed(*reinterpret_cast<xcb_expose_event_t*>(event));
            break;
        case XCB_DESTROY_NOTIFY:
            destroyed(*reinterpret_cast<xcb_destroy_notify_event_t*>(event));
            break;
        case XCB_MAPPING_NOTIFY:
            keyboard_.refresh(reinterpret_cast<xcb_mapping_notify_event_t*>(event));
            break;
        default:
            break;
    }
}

void EventDispatcher::buttonPressed(const xcb_button_press_event_t& event) {
    const auto offset = offsetOf(event.event);
    if (!offset) return;
    const double x = event.event_x + offset->x;
    const double y = event.event_y + offset->y;
    if (const auto step = wheelStep(event.detail)) {
        listener_.onWheel(x, y, *step, stateBits(event.state));
        return;
    }
    uint32_t bits = stateBits(event.state) | buttonBit(event.detail);
    if (event.detail != kLeftButton) {
        doubleClick_.otherPress();
    } else if (doubleClick_.leftPress(event.time, static_cast<int>(x), static_cast<int>(y))) {
        bits |= kDoubleClickBit;
    }
    listener_.onMouseDown(x, y, bits);
}

void EventDispatcher::buttonReleased(const xcb_button_release_event_t& event) {
    // Wheel buttons report their step on the press alone.
    if (wheelStep(event.detail)) return;
    const auto offset = offsetOf(event.event);
    if (!offset) return;
    // The state still holds the released button, as it was before the event.
    const uint32_t bits = stateBits(event.state) | buttonBit(event.detail);
    listener_.onMouseUp(event.event_x + offset->x, event.event_y + offset->y, bits);
}

void EventDispatcher::pointerMoved(const xcb_motion_notify_event_t& event) {
    const auto offset = offsetOf(event.event);
    if (!offset) return;
    listener_.onMouseMoved(event.event_x + offset->x, event.event_y + offset->y,
                           stateBits(event.state));
}

void EventDispatcher::pointerLeft(const xcb_leave_notify_event_t& event) {
    // Leaving into a child of ours is not leaving.
    if (event.event != window_ || event.detail == XCB_NOTIFY_DETAIL_INFERIOR) return;
    listener_.onMouseExited();
}

void EventDispatcher::keyChanged(const xcb_key_press_event_t& event, bool down) {
    const KeyCode code = keyboard_.translate(event.detail, event.state);
    listener_.onKey(code.character, code.virtualKey, keyModifiers(event.state), down);
}

void EventDispatcher::focusLeft(const xcb_focus_out_event_t& event) {
    if (focus_.lostBy(event)) listener_.onKeyboardFocusLost();
}

void EventDispatcher::exposed(const xcb_expose_event_t& event) {
    const auto offset = offsetOf(event.window);
    if (!offset) return;
    listener_.onExposed(event.x + offset->x, event.y + offset->y, event.width, event.height);
}

void EventDispatcher::destroyed(const xcb_destroy_notify_event_t& event) {
    if (event.window == window_) windowDestroyed_ = true;
}

}  // namespace gui::x11
