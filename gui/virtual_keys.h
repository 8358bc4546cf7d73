// Key codes of VstKeyCode::virt as the plug-in interface numbers them.
#pragma once

enum VirtualKey : unsigned char {
    kVirtualKeyBack = 1,
    kVirtualKeyTab = 2,
    kVirtualKeyReturn = 4,
    kVirtualKeyEscape = 6,
    kVirtualKeyEnd = 9,
    kVirtualKeyHome = 10,
    kVirtualKeyLeft = 11,
    kVirtualKeyUp = 12,
    kVirtualKeyRight = 13,
    kVirtualKeyDown = 14,
    kVirtualKeyEnter = 19,
    kVirtualKeyDelete = 22,
};
