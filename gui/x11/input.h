// The editor window's input: X events turned into calls of the window's
// listener (pointer buttons, keys, double clicks).
#pragma once

#include "gui/platform_window.h"
#include "gui/x11/session.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <optional>

namespace gui::x11 {

// Tells a double click from two single ones: a second left press within
// 400 ms and 4 pixels of the first. A third press starts over.
class DoubleClickDetector {
public:
    static constexpr uint32_t kMaxIntervalMs = 400;
    static constexpr int kMaxDistancePixels = 4;

    // A left press at server time `timeMs`; true when it completes a double click.
    bool leftPress(uint32_t timeMs, int x, int y);
    // Any other button pressed in between breaks the pair.
    void otherPress() { armed_ = false; }

private:
    bool armed_ = false;
    uint32_t timeMs_ = 0;
    int x_ = 0;
    int y_ = 0;
};

// X pointer buttons and modifier state as the bit set of the window's listener.
//
// Left, middle and right as X numbers them.
constexpr uint8_t kLeftButton = 1;
constexpr uint8_t kMiddleButton = 2;
constexpr uint8_t kRightButton = 3;

// Shift, control and alt from an event's state field.
uint32_t modifierBits(uint16_t state);
// The buttons held in an event's state field, with the modifiers.
uint32_t stateBits(uint16_t state);
// The bit of one of the three real buttons; 0 for the others.
uint32_t buttonBit(uint8_t button);
// Wheel buttons (4 up, 5 down, 6 left, 7 right) give one step of +1 or -1:
// up and right are positive. Other buttons give nothing.
std::optional<float> wheelStep(uint8_t button);

// X key symbols and modifier state as the VST 2.4 key code the listener's
// onKey receives: the character, the virtual key (VstVirtualKey numbering:
// back 1, tab 2, ... equals 57) and the VstModifierKey bits.
struct KeyCode {
    int32_t character;  // 0 for keys without one
    uint32_t virtualKey;
};

KeyCode translateKeysym(uint32_t keysym);
uint32_t keyModifiers(uint16_t state);

// The server's keyboard mapping, turning key events into key codes. Used on
// the window's thread only.
class KeyboardMap {
public:
    explicit KeyboardMap(xcb_connection_t* connection);
    ~KeyboardMap();
    KeyboardMap(const KeyboardMap&) = delete;
    KeyboardMap& operator=(const KeyboardMap&) = delete;

    KeyCode translate(uint8_t keycode, uint16_t state);
    // After a MappingNotify: the next translation reads the new mapping.
    void refresh(xcb_mapping_notify_event_t* event);

private:
    uint32_t keysymOf(uint8_t keycode, uint16_t state);

    xcb_key_symbols_t* symbols_;
};

// Turns the events of the editor's window and of its pop-up into calls of the
// window's listener, all in the editor window's coordinates.
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
