// A three-position switch, min (-1) / middle (0) / max (+1), that springs
// back to the middle on release. Pressing the left (or, vertical, lower) half
// gives min, the right (upper) half max. The background holds three stacked
// images from `offset`: min, middle, max.
#pragma once

#include "gui/control.h"

class CRockerSwitch : public CControl, public IMultiBitmapControl {
public:
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CPoint& offset = CPoint(0, 0), int32_t style = kHorizontal);
    // heightOfOneImage 0 means the control's height.
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                  CCoord heightOfOneImage, CBitmap* background,
                  const CPoint& offset = CPoint(0, 0), int32_t style = kHorizontal);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    int32_t getStyle() const { return style; }

    CLASS_METHODS(CRockerSwitch, CControl)

protected:
    float middle() const { return (getMin() + getMax()) / 2; }
    // The value a press at `where` selects.
    float valueAt(const CPoint& where) const;

    CPoint offset;
    int32_t style;
};
