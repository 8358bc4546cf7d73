#include "gui/kick_button.h"

CKickButton::CKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                         CBitmap* background, const CPoint& offset)
    : CKickButton(size, listener, tag, 0, background, offset) {}

CKickButton::CKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                         CCoord imageHeight, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset) {
    setHeightOfOneImage(imageHeight > 0 ? imageHeight : size.height());
    setDefaultValue(0.f);
}

void CKickButton::draw(CDrawContext* context) {
    bounceValue();
    if (CBitmap* image = getBackground()) {
        CPoint source = offset;
        if (value == getMax()) source.y += heightOfOneImage;
        image->draw(context, size, source);
    }
    setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    beginEdit();
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
    if (value == getMax()) valueChanged();
    value = getMin();
    valueChanged();
    if (isDirty()) invalid();
    endEdit();
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    if (buttons.isLeftButton()) {
        value = size.pointInside(where) ? getMax() : getMin();
        if (isDirty()) invalid();
    }
    return kMouseEventHandled;
}
