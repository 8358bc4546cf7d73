#include "gui/x11/keyboard_map.h"

namespace gui::x11 {
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

}  // namespace gui::x11
