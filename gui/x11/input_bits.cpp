#include "gui/x11/input_bits.h"

#include "gui/platform_window.h"

#include <xcb/xcb.h>

namespace gui::x11 {
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

}  // namespace gui::x11
