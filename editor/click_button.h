// A button that steps through N states, one per left click, wrapping from the
// last to the first. Its value takes the N values 0, 1/(N-1), ..., 1, and its
// state bitmap holds N stacked images, image 0 for value 0.
#pragma once

#include "gui/control.h"

class CClickButton : public CControl {
public:
    static constexpr int kMinStates = 2;

    // stateCount below kMinStates counts as kMinStates.
    CClickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* stateBitmap,
                 int stateCount);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    int getStateCount() const { return stateCount; }
    CBitmap* getStateBitmap() const { return stateBitmap.get(); }

    CLASS_METHODS(CClickButton, CControl)

private:
    // The state 0..N-1 that `v` stands for: the integer part of v x (N-1).
    int stateOf(float v) const;

    SharedPointer<CBitmap> stateBitmap;
    int stateCount;
};
