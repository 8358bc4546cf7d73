// The level meter of the faces: a lit and an unlit strip split at the
// value, the split measured from the meter's own left (or top) edge so that
// the meter can stand anywhere on the face. The bar rises at once and falls
// by at most the decrease value per redraw.
#pragma once

#include "gui/vu_meter.h"

class CVuMeter1 : public CVuMeter {
public:
    CVuMeter1(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
              int32_t style);

    void draw(CDrawContext* context) override;

    // The value the bar showed at its last redraw.
    float getShownValue() const { return oldValue; }

    CLASS_METHODS(CVuMeter1, CVuMeter)
};
