#include "gui/vu_meter.h"

#include <algorithm>
#include <cmath>

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
                   int32_t style)
    : CControl(size, nullptr, 0, onBitmap),
      offBitmap(offBitmap),
      nbLed(std::max(1, nbLed)),
      style(style),
      rectOn(size),
      rectOff(size) {
    oldValue = 0.f;
    setDirty();
}

void CVuMeter::setOffBitmap(CBitmap* bitmap) {
    offBitmap = bitmap;
    setDirty();
}

void CVuMeter::draw(CDrawContext* context) {
    CBitmap* onBitmap = getBackground();
    if (!onBitmap) return;
    bounceValue();
    // Written so that a NaN value (which the bounds above let through) keeps
    // the bar falling instead of reaching the integer conversions below.
    const float falling = oldValue - decreaseValue;
    const float shown = value > falling ? value : falling;
    oldValue = shown;

    rectOn = size;
    rectOff = size;
    CPoint onSource;
    CPoint offSource;
    if (style & kHorizontal) {
        const auto lit = static_cast<int32_t>(nbLed * normalized(shown) + 0.5f);
        const CCoord cut = std::floor(onBitmap->getWidth() * lit / nbLed);
        rectOn.right = size.left + cut;
        rectOff.left = size.left + cut;
        offSource = CPoint(cut, 0);
    } else {
        const auto unlit = static_cast<int32_t>(nbLed * (1.f - normalized(shown)) + 0.5f);
        const CCoord cut = std::floor(onBitmap->getHeight() * unlit / nbLed);
        rectOff.bottom = size.top + cut;
        rectOn.top = size.top + cut;
        onSource = CPoint(0, cut);
    }
    if (offBitmap && !rectOff.isEmpty()) offBitmap->draw(context, rectOff, offSource);
    if (!rectOn.isEmpty()) onBitmap->draw(context, rectOn, onSource);
    CView::setDirty(false);
}
