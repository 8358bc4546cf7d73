// A bar meter built from two strips of the same size: the lit strip (the
// control's background) and the unlit one. The value, in nbLed steps, sets
// where the lit part ends, measured from the control's own left edge
// (kHorizontal, lit from the left) or bottom edge (kVertical, lit from the
// bottom). The bar rises at once and falls by at most the decrease value per
// redraw; while it is still falling the meter stays dirty, so idle keeps
// redrawing it.
#pragma once

#include "gui/control.h"

class CVuMeter : public CControl {
public:
    CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
             int32_t style = kVertical);

    void setDecreaseStepValue(float value) { decreaseValue = value; }
    float getDecreaseStepValue() const { return decreaseValue; }
    void setOnBitmap(CBitmap* bitmap) { setBackground(bitmap); }
    CBitmap* getOnBitmap() const { return getBackground(); }
    void setOffBitmap(CBitmap* bitmap);
    CBitmap* getOffBitmap() const { return offBitmap.get(); }
    int32_t getNbLed() const { return nbLed; }
    int32_t getStyle() const { return style; }

    void draw(CDrawContext* context) override;
    // The value the bar showed at its last redraw.
    float getShownValue() const { return oldValue; }
    // Marks for redrawing without touching the falling bar (held in oldValue).
    void setDirty(bool dirty = true) override { CView::setDirty(dirty); }

    CLASS_METHODS(CVuMeter, CControl)

protected:
    SharedPointer<CBitmap> offBitmap;
    int32_t nbLed;
    int32_t style;
    float decreaseValue = 0.1f;
    CRect rectOn;
    CRect rectOff;
};
