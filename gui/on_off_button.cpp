#include "gui/on_off_button.h"

COnOffButton::COnOffButton(const CRect& size, CControlListener* listener, int32_t tag,
                           CBitmap* background, int32_t style)
    : CControl(size, listener, tag, background), style(style) {
    setDefaultValue(0.f);
}

void COnOffButton::draw(CDrawContext* context) {
    if (CBitmap* image = getBackground()) {
        const CCoord sourceY = isOn() ? image->getHeight() / 2 : 0;
        image->draw(context, size, CPoint(0, sourceY));
    }
    setDirty(false);
}

CMouseEventResult COnOffButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    value = isOn() ? getMin() : getMax();
    if (style == kPostListenerUpdate) invalid();
    beginEdit();
    valueChanged();
    endEdit();
    if (style != kPostListenerUpdate) invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}
