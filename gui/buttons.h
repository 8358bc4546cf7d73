// The family's buttons: a momentary button, an on/off switch and a
// three-position rocker.
#pragma once

#include "gui/control.h"

// A momentary button: max while pressed with the pointer inside, min
// otherwise. The background holds the released image at `offset` and the
// pressed image heightOfOneImage below it. The listener hears max at the
// release inside the button, then min.
class CKickButton : public CControl, public IMultiBitmapControl {
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                const CPoint& offset = CPoint(0, 0));
    // heightOfOneImage 0 means the control's height.
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint(0, 0));

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    CLASS_METHODS(CKickButton, CControl)

protected:
    CPoint offset;
};

// A switch that toggles between min and max on each left click. Its
// background holds the off image in its upper half and the on image in its
// lower half.
class COnOffButton : public CControl {
public:
    // When the listener hears of the change relative to the redraw request.
    enum { kPreListenerUpdate = 0, kPostListenerUpdate = 1 };

    COnOffButton(const CRect& size, CControlListener* listener = nullptr, int32_t tag = -1,
                 CBitmap* background = nullptr, int32_t style = kPreListenerUpdate);

    // On when the value lies in the upper half of the range.
    bool isOn() const { return getValueNormalized() >= 0.5f; }

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    int32_t getStyle() const { return style; }
    void setStyle(int32_t newStyle) { style = newStyle; }

    CLASS_METHODS(COnOffButton, CControl)

protected:
    int32_t style;
};

// A three-position switch, min (-1) / middle (0) / max (+1), that springs
// back to the middle on release. Pressing the left (or, vertical, lower) half
// gives min, the right (upper) half max. The background holds three stacked
// images from `offset`: min, middle, max.
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

