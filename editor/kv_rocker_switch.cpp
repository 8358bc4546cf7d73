#include "editor/kv_rocker_switch.h"

namespace {
enum Image { kIdle = 0, kHoverLeft = 1, kHoverRight = 2, kPressedLeft = 3, kPressedRight = 4 };
constexpr int kLeftSide = -1;
constexpr int kRightSide = 1;
}  // namespace

CKVRockerSwitch::CKVRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                                 int32_t heightOfOneImage, CBitmap* background,
                                 const CPoint& offset, int32_t style)
    : CRockerSwitch(size, listener, tag, heightOfOneImage, background, offset, style) {}

int CKVRockerSwitch::sideOf(const CPoint& where) const {
    const CCoord centre = (size.left + size.right) / 2;
    return centre > where.x ? kLeftSide : kRightSide;
}

void CKVRockerSwitch::draw(CDrawContext* context) {
    CBitmap* image = getBackground();
    if (!image) return;
    int shown = kIdle;
    if (hoverSide == kLeftSide) shown = kHoverLeft;
    if (hoverSide == kRightSide) shown = kHoverRight;
    if (value == getMin()) shown = kPressedLeft;
    if (value == getMax()) shown = kPressedRight;
    // Always from the bitmap's left edge: the stacked images start at x = 0.
    image->draw(context, size, CPoint(0, shown * heightOfOneImage), 1.f);
    setDirty(false);
}

CMouseEventResult CKVRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    value = sideOf(where) == kLeftSide ? getMin() : getMax();
    invalid();
    if (listener) listener->valueChanged(this);
    return kMouseEventHandled;
}

CMouseEventResult CKVRockerSwitch::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
    value = middle();
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKVRockerSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    if (buttons.isLeftButton()) return kMouseEventHandled;
    return onMouseEntered(where, buttons);
}

CMouseEventResult CKVRockerSwitch::onMouseEntered(CPoint& where,
                                                  const CButtonState& /*buttons*/) {
    hoverSide = sideOf(where);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKVRockerSwitch::onMouseExited(CPoint& /*where*/,
                                                 const CButtonState& /*buttons*/) {
    hoverSide = 0;
    invalid();
    return kMouseEventHandled;
}
