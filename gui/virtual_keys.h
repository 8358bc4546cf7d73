// Key codes of VstKeyCode::virt as the plug-in interface numbers them.
#pragma once

enum VirtualKey : unsigned char {
    kVirtualKeyBack = 1,
    kVirtualKeyTab = 2,
    kVirtualKeyReturn = 4,
    kVirtualKeyEscape = 6,
    kVirtualKeySpace = 7,
    kVirtualKeyEnd = 9,
    kVirtualKeyHome = 10,
    kVirtualKeyLeft = 11,
    kVirtualKeyUp = 12,
    kVirtualKeyRight = 13,
    kVirtualKeyDown = 14,
    kVirtualKeyPageUp = 15,
    kVirtualKeyPageDown = 16,
    kVirtualKeyEnter = 19,
    kVirtualKeyDelete = 22,
    kVirtualKeyNumpad0 = 24,
    kVirtualKeyNumpad9 = 33,
    kVirtualKeyMultiply = 34,
    kVirtualKeyAdd = 35,
    kVirtualKeySubtract = 37,
    kVirtualKeyDecimal = 38,
    kVirtualKeyDivide = 39,
    kVirtualKeyEquals = 57,
};

// Bits of VstKeyCode::modifier.
enum VstModifierBit : unsigned char {
    kVstModifierShift = 1,
};
