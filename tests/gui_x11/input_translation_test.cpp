// Button, modifier, wheel, double-click and key translations of X input.
#include "gui/platform_window.h"
#include "gui/x11/input.h"

#include <xcb/xcb.h>

#include <gtest/gtest.h>

namespace gui::x11 {
namespace {

TEST(InputBits, StateGivesButtonsAndModifiers) {
    EXPECT_EQ(stateBits(0), 0u);
    EXPECT_EQ(stateBits(XCB_BUTTON_MASK_1 | XCB_MOD_MASK_SHIFT), kLeftButtonBit | kShiftBit);
    EXPECT_EQ(stateBits(XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3 | XCB_MOD_MASK_CONTROL |
                        XCB_MOD_MASK_1),
              kMiddleButtonBit | kRightButtonBit | kControlBit | kAltBit);
    // Caps Lock, Num Lock and the wheel buttons' masks are no modifiers here.
    EXPECT_EQ(stateBits(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2 | XCB_BUTTON_MASK_4), 0u);
    EXPECT_EQ(modifierBits(XCB_BUTTON_MASK_1 | XCB_MOD_MASK_CONTROL), kControlBit);
}

TEST(DoubleClickDetector, SecondPressNearAndSoonIsDouble) {
    DoubleClickDetector detector;
    EXPECT_FALSE(detector.leftPress(1000, 50, 50));
    EXPECT_TRUE(detector.leftPress(1400, 54, 46));
    // The third press starts a new pair.
    EXPECT_FALSE(detector.leftPress(1500, 54, 46));
    EXPECT_TRUE(detector.leftPress(1600, 54, 46));
}

TEST(DoubleClickDetector, OtherButtonBreaksThePair) {
    DoubleClickDetector detector;
    detector.leftPress(1000, 50, 50);
    detector.otherPress();
    EXPECT_FALSE(detector.leftPress(1100, 50, 50));
}

TEST(DoubleClickDetector, ServerClockWrapIsHandled) {
    DoubleClickDetector detector;
    detector.leftPress(0xffffff00u, 0, 0);
    EXPECT_TRUE(detector.leftPress(0x00000010u, 0, 0));
    detector.leftPress(0x00000010u, 0, 0);
    // An earlier time than the first press is not "within 400 ms".
    EXPECT_FALSE(detector.leftPress(0x00000005u, 0, 0));
}

TEST(KeyTranslation, PrintableKeysGiveTheirCharacter) {
    EXPECT_EQ(translateKeysym('a').character, 'a');
    EXPECT_EQ(translateKeysym('a').virtualKey, kVirtualKeyNone);
    EXPECT_EQ(translateKeysym('Z').character, 'Z');
    EXPECT_EQ(translateKeysym(0xe9).character, 0xe9);             // e acute, Latin-1
    EXPECT_EQ(translateKeysym(0x010020ac).character, 0x20ac);     // euro sign, Unicode keysym
    EXPECT_EQ(translateKeysym(0x06c1).character, 0);              // a legacy keysym we leave out
}

TEST(KeyTranslation, SpecialKeysGiveVstVirtualKeys) {
    // First, last and the ends of each numbered run of the VST key table.
    EXPECT_EQ(translateKeysym(0xff08).virtualKey, 1u);   // BackSpace
    EXPECT_EQ(translateKeysym(' ').virtualKey, 7u);
    EXPECT_EQ(translateKeysym(' ').character, ' ');
    EXPECT_EQ(translateKeysym(0xff51).virtualKey, 11u);  // Left
    EXPECT_EQ(translateKeysym(0xff51).character, 0);
    EXPECT_EQ(translateKeysym(0xffff).virtualKey, 22u);  // Delete
    EXPECT_EQ(translateKeysym(0xffbe).virtualKey, 40u);  // F1
    EXPECT_EQ(translateKeysym(0xffc9).virtualKey, 51u);  // F12
    EXPECT_EQ(translateKeysym('=').virtualKey, 57u);
}

TEST(KeyTranslation, KeypadKeysGiveVirtualKeyAndCharacter) {
    EXPECT_EQ(translateKeysym(0xffb0).virtualKey, 24u);
    EXPECT_EQ(translateKeysym(0xffb0).character, '0');
    EXPECT_EQ(translateKeysym(0xffb9).virtualKey, 33u);
    EXPECT_EQ(translateKeysym(0xffb9).character, '9');
    EXPECT_EQ(translateKeysym(0xffab).virtualKey, 35u);
    EXPECT_EQ(translateKeysym(0xffab).character, '+');
    EXPECT_EQ(translateKeysym(0xff96).virtualKey, 11u);  // keypad Left, Num Lock off
}

TEST(KeyTranslation, ModifiersAreVstModifierBits) {
    EXPECT_EQ(keyModifiers(0), 0u);
    EXPECT_EQ(keyModifiers(XCB_MOD_MASK_SHIFT), 1u);
    EXPECT_EQ(keyModifiers(XCB_MOD_MASK_1), 2u);
    EXPECT_EQ(keyModifiers(XCB_MOD_MASK_CONTROL), 8u);
    EXPECT_EQ(keyModifiers(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2 | XCB_BUTTON_MASK_1), 0u);
}

}  // namespace
}  // namespace gui::x11
