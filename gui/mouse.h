// Mouse event results and the button and modifier bits that come with every
// mouse event.
#pragma once

#include <cstdint>

#include "gui/platform_window.h"

enum CMouseEventResult {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled = 1,    // the view wants the moves and the release that follow
    kMouseEventNotHandled = 2,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents = 3,
    kMouseMoveEventHandledButDontNeedMoreEvents = 4,
};

// The same bits as the window reports.
enum CButton : int32_t {
    kLButton = gui::kLeftButtonBit,
    kMButton = gui::kMiddleButtonBit,
    kRButton = gui::kRightButtonBit,
    kShift = gui::kShiftBit,
    kControl = gui::kControlBit,
    kAlt = gui::kAltBit,
    kApple = 1 << 7,
    kDoubleClick = gui::kDoubleClickBit,
};

class CButtonState {
public:
    CButtonState(int32_t state = 0) : state_(state) {}  // NOLINT: implicit like an int

    operator int32_t() const { return state_; }
    int32_t getButtonState() const { return state_; }
    int32_t getModifierState() const { return state_ & kModifierMask; }
    bool isLeftButton() const { return (state_ & kLButton) != 0; }
    bool isRightButton() const { return (state_ & kRButton) != 0; }
    bool isDoubleClick() const { return (state_ & kDoubleClick) != 0; }

private:
    static constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;
    int32_t state_;
};
