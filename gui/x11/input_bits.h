// X pointer buttons and modifier state as the bit set of the window's listener.
#pragma once

#include <cstdint>
#include <optional>

namespace gui::x11 {

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

}  // namespace gui::x11
