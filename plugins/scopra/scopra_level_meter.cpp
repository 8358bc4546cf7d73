#include "plugins/scopra/scopra_level_meter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr float kHiddenMarker = 0.0001f;   // peak or hold below this is dropped
constexpr float kVisibleMarker = 0.01f;    // above this a marker keeps the meter redrawing
constexpr float kSilentBar = 0.00001f;
constexpr float kRedrawNudge = 0.00001f;   // scale of the tiny value that forces a redraw
constexpr int kHoldLineLeds = 2;
// rand() in 0..1 as on the platforms where RAND_MAX is 32767.
constexpr int kRandomSteps = 32768;
constexpr float kRandomScale = 1.f / 32767.f;

float unitRandom() { return static_cast<float>(std::rand() % kRandomSteps) * kRandomScale; }

}  // namespace

CVu2Meter::CVu2Meter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap,
                     CBitmap* peakBitmap, int32_t ledCount)
    : CVuMeter(size, onBitmap, offBitmap, ledCount, kVertical),
      peakBitmap(peakBitmap),
      height(size.height()),
      ledPitch(size.height() / nbLed) {}

void CVu2Meter::setPeakValue(float newPeak) {
    if (newPeak == peak) return;
    peak = newPeak;
    CView::setDirty(true);
}

void CVu2Meter::setHoldValue(float newHold) {
    if (newHold == hold) return;
    hold = newHold;
    CView::setDirty(true);
}

void CVu2Meter::resetMeter() {
    peak = 0.f;
    hold = 0.f;
    setValue(0.f);
    oldValue = 0.f;
    CView::setDirty(true);
}

void CVu2Meter::fillBand(CDrawContext* context, CCoord fromRow, CCoord toRow) {
    const CRect band(size.left, size.top + fromRow, size.right, size.top + toRow);
    if (peakBitmap && !band.isEmpty()) peakBitmap->draw(context, band);
}

void CVu2Meter::draw(CDrawContext* context) {
    CVuMeter::draw(context);
    float bar = std::clamp(value, 0.f, 1.f);
    // NaN compares false everywhere below and so raises nothing.
    if (bar > peak) peak = bar;
    peak = std::min(peak, 1.f);
    if (peak > hold) hold = peak;
    hold = std::min(hold, 1.f);
    if (peak < kHiddenMarker) peak = 0.f;
    if (hold < kHiddenMarker) hold = 0.f;
    if (bar < kSilentBar && (peak > kVisibleMarker || hold > kVisibleMarker)) {
        // A value the editor will not store next: the meter is redrawn while
        // its markers still stand over silence.
        value = bar = unitRandom() * kRedrawNudge;
    }
    if (peak > kHiddenMarker)
        fillBand(context, std::trunc((1.f - peak) * height), std::trunc((1.f - bar) * height));
    if (hold > kVisibleMarker) {
        const CCoord top = std::trunc((1.f - hold) * height);
        fillBand(context, top, std::trunc((1.f - hold) * height + kHoldLineLeds * ledPitch));
    }
    setDirty(false);
}

namespace scopra {

namespace {

constexpr float kRmsToPeak = 1.4142f;  // a sine's bar meets its peak
constexpr float kSideMidPower = 0.5f;  // mean squares of S and M shown halved

float barValue(float meanSquare) { return std::sqrt(kRmsToPeak * std::sqrt(meanSquare)); }

}  // namespace

DisplayValues meterDisplayValues(const MeasurementState& r, bool sideMid) {
    DisplayValues shown;
    const Signal first = sideMid ? kDifference : kLeft;
    const Signal second = sideMid ? kSum : kRight;
    const float power = sideMid ? kSideMidPower : 1.f;
    const float amplitude = sideMid ? static_cast<float>(kSideMidMeterScale) : 1.f;
    const Signal signals[kNumMeters] = {first, second};
    for (int m = 0; m < kNumMeters; ++m) {
        shown.rms[m] = barValue(power * r.meanSquare[signals[m]]);
        shown.peak[m] = std::sqrt(amplitude * r.peak[signals[m]]);
    }
    return shown;
}

float holdDisplayValue(const MeasurementState& readings, int meter) {
    return std::sqrt(readings.heldPeak[meter]);
}

}  // namespace scopra
