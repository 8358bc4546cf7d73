#include "presets/save_load_button.h"

namespace {
constexpr float kPress = 1.f;
constexpr float kReleased = 0.f;
}  // namespace

CSaveLoadButton::CSaveLoadButton(const CRect& size, CControlListener* listener, int32_t tag,
                                 CCoord heightOfOneImage, CBitmap* background,
                                 const CPoint& offset)
    : CKickButton(size, listener, tag, heightOfOneImage, background, offset) {}

void CSaveLoadButton::draw(CDrawContext* context) {
    CBitmap* image = getBackground();
    if (!image) return;
    const Image shown = value != kReleased || held ? kPressedImage
                        : hover                    ? kHoverImage
                                                   : kIdleImage;
    image->draw(context, size, CPoint(offset.x, offset.y + shown * heightOfOneImage), 1.f);
    setDirty(false);
}

CMouseEventResult CSaveLoadButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!(buttons.isLeftButton() || buttons.isRightButton()) || !listener)
        return kMouseEventNotHandled;
    value = buttons.getButtonState() == kRButton ? kPlainRightPress : kPress;
    listener->valueChanged(this);
    value = kReleased;
    invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult CSaveLoadButton::onMouseEntered(CPoint& /*where*/,
                                                  const CButtonState& /*buttons*/) {
    hover = true;
    invalid();
    return kMouseEventHandled;
}

CMouseEventResult CSaveLoadButton::onMouseExited(CPoint& /*where*/,
                                                 const CButtonState& /*buttons*/) {
    hover = false;
    invalid();
    return kMouseEventHandled;
}

void CSaveLoadButton::setHeld(bool isHeld) {
    if (held == isHeld) return;
    held = isHeld;
    invalid();
}
