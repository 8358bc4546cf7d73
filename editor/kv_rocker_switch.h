// A two-sided rocker: a press on the left half gives -1, on the right half
// +1 (the centre line counts as right), and the release returns to 0 without
// telling the listener. It shows which half the pointer hovers over. Its
// bitmap holds five stacked images: idle, hover left, hover right, pressed
// left, pressed right.
#pragma once

#include "gui/rocker_switch.h"

class CKVRockerSwitch : public CRockerSwitch {
public:
    CKVRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                    int32_t heightOfOneImage, CBitmap* background, const CPoint& offset,
                    int32_t style);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    // -1 over the left half, +1 over the right half, 0 when not hovered.
    int getHoverSide() const { return hoverSide; }

    CLASS_METHODS(CKVRockerSwitch, CRockerSwitch)

private:
    // -1 for a point left of the centre line, else +1.
    int sideOf(const CPoint& where) const;

    int hoverSide = 0;
};
