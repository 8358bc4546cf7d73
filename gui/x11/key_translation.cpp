#include "gui/x11/key_translation.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <iterator>

namespace gui::x11 {
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

}  // namespace gui::x11
