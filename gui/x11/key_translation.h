// X key symbols and modifier state as the VST 2.4 key code the listener's
// onKey receives: the character, the virtual key (VstVirtualKey numbering:
// back 1, tab 2, ... equals 57) and the VstModifierKey bits.
#pragma once

#include <cstdint>

namespace gui::x11 {

enum VirtualKey : uint32_t {
    kVirtualKeyNone = 0,
    kVirtualKeyBack = 1,
    kVirtualKeyTab,
    kVirtualKeyClear,
    kVirtualKeyReturn,
    kVirtualKeyPause,
    kVirtualKeyEscape,
    kVirtualKeySpace,
    kVirtualKeyNext,
    kVirtualKeyEnd,
    kVirtualKeyHome,
    kVirtualKeyLeft,
    kVirtualKeyUp,
    kVirtualKeyRight,
    kVirtualKeyDown,
    kVirtualKeyPageUp,
    kVirtualKeyPageDown,
    kVirtualKeySelect,
    kVirtualKeyPrint,
    kVirtualKeyEnter,
    kVirtualKeySnapshot,
    kVirtualKeyInsert,
    kVirtualKeyDelete,
    kVirtualKeyHelp,
    kVirtualKeyNumpad0,
    kVirtualKeyMultiply = kVirtualKeyNumpad0 + 10,
    kVirtualKeyAdd,
    kVirtualKeySeparator,
    kVirtualKeySubtract,
    kVirtualKeyDecimal,
    kVirtualKeyDivide,
    kVirtualKeyF1,
    kVirtualKeyNumLock = kVirtualKeyF1 + 12,
    kVirtualKeyScroll,
    kVirtualKeyShift,
    kVirtualKeyControl,
    kVirtualKeyAlt,
    kVirtualKeyEquals,
};

enum KeyModifierBits : uint32_t {
    kKeyModifierShift = 1u << 0,
    kKeyModifierAlternate = 1u << 1,
    kKeyModifierControl = 1u << 3,
};

struct KeyCode {
    int32_t character;  // 0 for keys without one
    uint32_t virtualKey;
};

KeyCode translateKeysym(uint32_t keysym);
uint32_t keyModifiers(uint16_t state);

}  // namespace gui::x11
