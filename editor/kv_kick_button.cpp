#include "editor/kv_kick_button.h"

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
