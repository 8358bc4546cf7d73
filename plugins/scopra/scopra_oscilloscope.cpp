#include "plugins/scopra/scopra_oscilloscope.h"

#include <algorithm>
#include <cmath>

#include "plugins/scopra/scopra_face_layout.h"

namespace {

// Points further out than this are off every layer anyway; limiting them
// first keeps the conversion to whole pixels defined.
constexpr double kFarOutPixels = 4096.0;

int32_t wholePixel(double distance, int centre) {
    if (!(std::fabs(distance) <= kFarOutPixels)) distance = std::isnan(distance) ? 0 : kFarOutPixels;
    return static_cast<int32_t>(std::floor(distance)) + centre;
}

}  // namespace

COsciloscope::COsciloscope(const CRect& size, CControlListener* listener, CBitmap* sizeBitmap,
                           CBitmap* overlay, CBitmap* brightDot, CBitmap* darkDot)
    : CControl(size, listener, scopra::face::kScopeTag, nullptr),
      layerWidth(sizeBitmap ? static_cast<int>(sizeBitmap->getWidth()) : 0),
      layerHeight(sizeBitmap ? static_cast<int>(sizeBitmap->getHeight()) : 0),
      overlay(overlay),
      brightDot(brightDot),
      darkDot(darkDot) {
    setValue(0.f);
    const scopra::ScopePoint centre[kMaxPoints] = {};
    setPoints(centre, kMaxPoints);
}

COsciloscope::COsciloscope(const COsciloscope& other)
    : CControl(other),
      layerWidth(other.layerWidth),
      layerHeight(other.layerHeight),
      overlay(other.overlay),
      brightDot(other.brightDot),
      darkDot(other.darkDot),
      pixelCount(other.pixelCount),
      holdMode(other.holdMode),
      previousHoldMode(other.previousHoldMode),
      clearRequested(other.clearRequested) {
    std::copy(std::begin(other.pixels), std::end(other.pixels), pixels);
}

COsciloscope::~COsciloscope() {
    if (mainLayer) mainLayer->forget();
    if (holdLayer) holdLayer->forget();
}

void COsciloscope::setPoints(const scopra::ScopePoint* points, int count) {
    count = points ? std::clamp(count, 0, kMaxPoints) : 0;
    using scopra::face::kScopeCentreX;
    using scopra::face::kScopeCentreY;
    pixelCount = std::max(0, count - 1);
    for (int i = 1; i < count; ++i)
        pixels[i - 1] = {wholePixel(points[i].x, kScopeCentreX),
                         wholePixel(points[i].y, kScopeCentreY)};
}

void COsciloscope::setHold(float value) { holdMode = static_cast<int>(value + 0.5f) != 0 ? 1 : 0; }

void COsciloscope::requestClear() { clearRequested = true; }

CMouseEventResult COsciloscope::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (buttons.isLeftButton()) requestClear();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

bool COsciloscope::createLayers() {
    if (!mainLayer) mainLayer = COffscreenContext::create(getFrame(), layerWidth, layerHeight);
    if (!holdLayer) {
        holdLayer = COffscreenContext::create(getFrame(), layerWidth, layerHeight);
        if (holdLayer) {
            holdLayer->setFrameColor(kBlackCColor);
            holdLayer->setFillColor(kBlackCColor);
        }
    }
    return mainLayer && holdLayer;
}

void COsciloscope::fillBlack(COffscreenContext* layer) {
    layer->drawRect(CRect(0, 0, layerWidth, layerHeight), kDrawFilled);
}

void COsciloscope::draw(CDrawContext* context) {
    if (!brightDot || !darkDot || !createLayers()) {
        setDirty(false);
        return;
    }
    const CRect layerRect(0, 0, layerWidth, layerHeight);
    if (holdMode == 1) {
        if (previousHoldMode != holdMode) fillBlack(holdLayer);
        holdLayer->drawPenPixels(darkDot.get(), pixels, pixelCount);
        holdLayer->copyFrom(mainLayer, layerRect);
        if (clearRequested) {
            // The picture just copied still shows the old points this once.
            fillBlack(holdLayer);
            clearRequested = false;
        }
    }
    previousHoldMode = holdMode;
    if (overlay) overlay->draw(mainLayer, CRect(0, 0, overlay->getWidth(), overlay->getHeight()));
    mainLayer->drawPenPixels(brightDot.get(), pixels, pixelCount);
    const CRect shown(size.left, size.top, size.left + layerWidth, size.top + layerHeight);
    mainLayer->copyFrom(context, shown);
    setDirty(false);
}
