// A switch that toggles between min and max on each left click. Its
// background holds the off image in its upper half and the on image in its
// lower half.
#pragma once

#include "gui/control.h"

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
