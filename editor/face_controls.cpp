#include "editor/face_controls.h"

#include <algorithm>

namespace {

// A state's value k/(N-1) is held as the nearest float, which may lie just
// below it: multiplied back and truncated it would give k-1 (from N = 23 on
// a button would stick at one state). A tolerance far below one state step
// keeps the truncation of any other value.
constexpr double kStateTolerance = 1e-4;

}  // namespace

CClickButton::CClickButton(const CRect& size, CControlListener* listener, int32_t tag,
                           CBitmap* stateBitmap, int stateCount)
    : CControl(size, listener, tag),
      stateBitmap(stateBitmap),
      stateCount(std::max(stateCount, kMinStates)) {
    value = 0.f;
}

int CClickButton::stateOf(float v) const {
    const int last = stateCount - 1;
    const auto state = static_cast<int>(static_cast<double>(v) * last + kStateTolerance);
    return std::clamp(state, 0, last);
}

// Leaves the dirty flag alone: the frame's idle clears it when it asks for
// the redraw.
void CClickButton::draw(CDrawContext* context) {
    CBitmap* image = stateBitmap.get();
    if (!image) return;
    CCoord sourceY = 0;
    if (value != 0.f) sourceY = static_cast<int>(image->getHeight() / stateCount * stateOf(value));
    image->draw(context, size, CPoint(0, sourceY), 1.f);
}

CMouseEventResult CClickButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    const int next = (stateOf(value) + 1) % stateCount;
    value = static_cast<float>(next) / static_cast<float>(stateCount - 1);
    setDirty(true);
    if (listener) listener->valueChanged(this);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

namespace {
constexpr float kPressedValue = 1.f;
constexpr float kCtrlPressedValue = 0.5f;
constexpr float kReleasedValue = 0.f;
}  // namespace

CKVKickButton::CKVKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                             int32_t heightOfOneImage, CBitmap* background, const CPoint& offset,
                             bool doubleClickOnly)
    : CKickButton(size, listener, tag, heightOfOneImage, background, offset),
      doubleClickOnly(doubleClickOnly) {}

void CKVKickButton::draw(CDrawContext* context) {
    CBitmap* image = getBackground();
    if (!image) return;
    const Image shown = pressed ? kPressedImage : hovered ? kHoverImage : kIdleImage;
    image->draw(context, size, CPoint(offset.x, offset.y + shown * heightOfOneImage), 1.f);
    setDirty(false);
}

CMouseEventResult CKVKickButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    if (doubleClickOnly && !buttons.isDoubleClick())
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    pressed = true;
    const bool ctrlHeld = (buttons.getButtonState() & kControl) != 0;
    value = doubleClickOnly && ctrlHeld ? kCtrlPressedValue : kPressedValue;
    if (listener) listener->valueChanged(this);
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKVKickButton::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
    value = kReleasedValue;
    pressed = false;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKVKickButton::onMouseEntered(CPoint& /*where*/,
                                                const CButtonState& /*buttons*/) {
    hovered = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CKVKickButton::onMouseExited(CPoint& /*where*/,
                                               const CButtonState& /*buttons*/) {
    hovered = false;
    invalid();
    return kMouseEventHandled;
}

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
