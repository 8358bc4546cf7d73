#include "editor/vu_meter1.h"

#include <cmath>

CVuMeter1::CVuMeter1(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
                     int32_t style)
    : CVuMeter(size, onBitmap, offBitmap, nbLed, style) {}

void CVuMeter1::draw(CDrawContext* context) {
    CBitmap* onBitmap = getOnBitmap();
    if (!onBitmap) return;
    bounceValue();

    float newValue = oldValue - decreaseValue;
    if (value > newValue) newValue = value;
    oldValue = newValue;

    rectOn = size;
    rectOff = size;
    CPoint onSource(0, 0);
    CPoint offSource(0, 0);
    if (style & kHorizontal) {
        const auto lit = static_cast<int32_t>(nbLed * newValue + 0.5f);
        const CCoord cut = std::floor(onBitmap->getWidth() * lit / nbLed);
        rectOff.left = size.left + cut;
        rectOn.right = size.left + cut;
        offSource = CPoint(cut, 0);
    } else {
        const auto unlit = static_cast<int32_t>((getMax() - newValue) * nbLed + 0.5f);
        const CCoord cut = std::floor(onBitmap->getHeight() * unlit / nbLed);
        rectOff.bottom = size.top + cut;
        rectOn.top = size.top + cut;
        onSource = CPoint(0, cut);
    }
    if (CBitmap* offBitmap = getOffBitmap()) offBitmap->draw(context, rectOff, offSource, 1.f);
    onBitmap->draw(context, rectOn, onSource, 1.f);
    setDirty(false);
}
