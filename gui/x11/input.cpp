#include "gui/x11/input.h"

#include "gui/platform_window.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace gui::x11 {

bool DoubleClickDetector::leftPress(uint32_t timeMs, int x, int y) {
    // Unsigned difference: correct across the wrap of the 32-bit server clock.
    const bool isDouble = armed_ && timeMs - timeMs_ <= kMaxIntervalMs &&
                          std::abs(x - x_) <= kMaxDistancePixels &&
                          std::abs(y - y_) <= kMaxDistancePixels;
    armed_ = !isDouble;
    timeMs_ = timeMs;
    x_ = x;
    y_ = y;
    return isDouble;
}

namespace {

constexpr uint8_t kWheelUp = 4;
constexpr uint8_t kWheelDown = 5;
constexpr uint8_t kWheelLeft = 6;
constexpr uint8_t kWheelRight = 7;

}  // namespace

uint32_t modifierBits(uint16_t state) {
    uint32_t bits = 0;
    if (state & XCB_MOD_MASK_SHIFT) bits |= kShiftBit;
    if (state & XCB_MOD_MASK_CONTROL) bits |= kControlBit;
    if (state & XCB_MOD_MASK_1) bits |= kAltBit;
    return bits;
}

uint32_t stateBits(uint16_t state) {
    uint32_t bits = modifierBits(state);
    if (state & XCB_BUTTON_MASK_1) bits |= kLeftButtonBit;
    if (state & XCB_BUTTON_MASK_2) bits |= kMiddleButtonBit;
    if (state & XCB_BUTTON_MASK_3) bits |= kRightButtonBit;
    return bits;
}

uint32_t buttonBit(uint8_t button) {
    switch (button) {
        case kLeftButton: return kLeftButtonBit;
        case kMiddleButton: return kMiddleButtonBit;
        case kRightButton: return kRightButtonBit;
        default: return 0;
    }
}

std::optional<float> wheelStep(uint8_t button) {
    switch (button) {
        case kWheelUp:
        case kWheelRight: return 1.0f;
        case kWheelDown:
        case kWheelLeft: return -1.0f;
        default: return std::nullopt;
    }
}

namespace {

struct KeysymEntry {
    uint32_t keysym;
    KeyCode code;
};

// Keysyms with a virtual key, sorted by keysym for a binary search.
constexpr KeysymEntry kVirtualKeys[] = {
    {0x0020, {' ', kVirtualKeySpace}},
    {0x003d, {'=', kVirtualKeyEquals}},
    {0xfe20, {0, kVirtualKeyTab}},  // shift + tab
    {0xff08, {0, kVirtualKeyBack}},
    {0xff09, {0, kVirtualKeyTab}},
    {0xff0b, {0, kVirtualKeyClear}},
    {0xff0d, {0, kVirtualKeyReturn}},
    {0xff13, {0, kVirtualKeyPause}},
    {0xff14, {0, kVirtualKeyScroll}},
    {0xff1b, {0, kVirtualKeyEscape}},
    {0xff50, {0, kVirtualKeyHome}},
    {0xff51, {0, kVirtualKeyLeft}},
    {0xff52, {0, kVirtualKeyUp}},
    {0xff53, {0, kVirtualKeyRight}},
    {0xff54, {0, kVirtualKeyDown}},
    {0xff55, {0, kVirtualKeyPageUp}},
    {0xff56, {0, kVirtualKeyPageDown}},
    {0xff57, {0, kVirtualKeyEnd}},
    {0xff60, {0, kVirtualKeySelect}},
    {0xff61, {0, kVirtualKeySnapshot}},
    {0xff63, {0, kVirtualKeyInsert}},
    {0xff6a, {0, kVirtualKeyHelp}},
    {0xff7f, {0, kVirtualKeyNumLock}},
    {0xff8d, {0, kVirtualKeyEnter}},
    {0xff95, {0, kVirtualKeyHome}},
    {0xff96, {0, kVirtualKeyLeft}},
    {0xff97, {0, kVirtualKeyUp}},
    {0xff98, {0, kVirtualKeyRight}},
    {0xff99, {0, kVirtualKeyDown}},
    {0xff9a, {0, kVirtualKeyPageUp}},
    {0xff9b, {0, kVirtualKeyPageDown}},
    {0xff9c, {0, kVirtualKeyEnd}},
    {0xff9e, {0, kVirtualKeyInsert}},
    {0xff9f, {0, kVirtualKeyDelete}},
    {0xffaa, {'*', kVirtualKeyMultiply}},
    {0xffab, {'+', kVirtualKeyAdd}},
    {0xffac, {0, kVirtualKeySeparator}},
    {0xffad, {'-', kVirtualKeySubtract}},
    {0xffae, {'.', kVirtualKeyDecimal}},
    {0xffaf, {'/', kVirtualKeyDivide}},
    {0xffbd, {'=', kVirtualKeyEquals}},
    {0xffe1, {0, kVirtualKeyShift}},
    {0xffe2, {0, kVirtualKeyShift}},
    {0xffe3, {0, kVirtualKeyControl}},
    {0xffe4, {0, kVirtualKeyControl}},
    {0xffe9, {0, kVirtualKeyAlt}},
    {0xffea, {0, kVirtualKeyAlt}},
    {0xffff, {0, kVirtualKeyDelete}},
};

constexpr uint32_t kKeypad0 = 0xffb0;
constexpr uint32_t kKeypad9 = 0xffb9;
constexpr uint32_t kF1 = 0xffbe;
constexpr uint32_t kF12 = 0xffc9;
constexpr uint32_t kPrintableFirst = 0x20;
constexpr uint32_t kPrintableLast = 0x7e;
constexpr uint32_t kLatin1First = 0xa0;
constexpr uint32_t kLatin1Last = 0xff;
// Keysyms 0x01000000 + code point carry any other Unicode character.
constexpr uint32_t kUnicodeKeysymBase = 0x01000000;
constexpr uint32_t kUnicodeLast = 0x10ffff;

const KeyCode* findVirtualKey(uint32_t keysym) {
    const auto* end = std::end(kVirtualKeys);
    const auto* it = std::lower_bound(
        std::begin(kVirtualKeys), end, keysym,
        [](const KeysymEntry& entry, uint32_t value) { return entry.keysym < value; });
    return it != end && it->keysym == keysym ? &it->code : nullptr;
}

int32_t characterOf(uint32_t keysym) {
    if ((keysym >= kPrintableFirst && keysym <= kPrintableLast) ||
        (keysym >= kLatin1First && keysym <= kLatin1Last)) {
        return static_cast<int32_t>(keysym);
    }
    if (keysym >= kUnicodeKeysymBase && keysym - kUnicodeKeysymBase <= kUnicodeLast) {
        return static_cast<int32_t>(keysym - kUnicodeKeysymBase);
    }
    return 0;
}

}  // namespace

KeyCode translateKeysym(uint32_t keysym) {
    if (const KeyCode* code = findVirtualKey(keysym)) return *code;
    if (keysym >= kKeypad0 && keysym <= kKeypad9) {
        const uint32_t digit = keysym - kKeypad0;
        return {static_cast<int32_t>('0' + digit), kVirtualKeyNumpad0 + digit};
    }
    if (keysym >= kF1 && keysym <= kF12) return {0, kVirtualKeyF1 + (keysym - kF1)};
    return {characterOf(keysym), kVirtualKeyNone};
}

uint32_t keyModifiers(uint16_t state) {
    uint32_t bits = 0;
    if (state & XCB_MOD_MASK_SHIFT) bits |= kKeyModifierShift;
    if (state & XCB_MOD_MASK_1) bits |= kKeyModifierAlternate;
    if (state & XCB_MOD_MASK_CONTROL) bits |= kKeyModifierControl;
    return bits;
}

namespace {

constexpr int kPlainColumn = 0;
constexpr int kShiftedColumn = 1;
// The modifier almost every keyboard map gives to Num Lock.
constexpr uint16_t kNumLockMask = XCB_MOD_MASK_2;

}  // namespace

KeyboardMap::KeyboardMap(xcb_connection_t* connection)
    : symbols_(xcb_key_symbols_alloc(connection)) {}

KeyboardMap::~KeyboardMap() {
    if (symbols_ != nullptr) xcb_key_symbols_free(symbols_);
}

KeyCode KeyboardMap::translate(uint8_t keycode, uint16_t state) {
    return translateKeysym(keysymOf(keycode, state));
}

void KeyboardMap::refresh(xcb_mapping_notify_event_t* event) {
    if (symbols_ != nullptr) xcb_refresh_keyboard_mapping(symbols_, event);
}

uint32_t KeyboardMap::keysymOf(uint8_t keycode, uint16_t state) {
    if (symbols_ == nullptr) return XCB_NO_SYMBOL;
    const xcb_keysym_t plain = xcb_key_symbols_get_keysym(symbols_, keycode, kPlainColumn);
    const xcb_keysym_t shifted = xcb_key_symbols_get_keysym(symbols_, keycode, kShiftedColumn);
    bool useShifted = (state & XCB_MOD_MASK_SHIFT) != 0;
    // Num Lock turns the keypad's second column (digits) into the first.
    if ((state & kNumLockMask) && xcb_is_keypad_key(shifted)) useShifted = !useShifted;
    return useShifted && shifted != XCB_NO_SYMBOL ? shifted : plain;
}

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
