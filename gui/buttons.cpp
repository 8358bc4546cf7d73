#include "gui/buttons.h"

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

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                             CBitmap* background, const CPoint& offset, int32_t style)
    : CRockerSwitch(size, listener, tag, 0, background, offset, style) {}

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                             CCoord imageHeight, CBitmap* background, const CPoint& offset,
                             int32_t style)
    : CControl(size, listener, tag, background), offset(offset), style(style) {
    setHeightOfOneImage(imageHeight > 0 ? imageHeight : size.height());
    setMin(-1.f);
    setMax(1.f);
    setDefaultValue(0.f);
    value = 0.f;
}

void CRockerSwitch::draw(CDrawContext* context) {
    if (CBitmap* image = getBackground()) {
        CPoint source = offset;
        if (value == getMax())
            source.y += 2 * heightOfOneImage;
        else if (value == middle())
            source.y += heightOfOneImage;
        image->draw(context, size, source);
    }
    setDirty(false);
}

float CRockerSwitch::valueAt(const CPoint& where) const {
    if (!size.pointInside(where)) return middle();
    if (style & kVertical) return where.y < (size.top + size.bottom) / 2 ? getMax() : getMin();
    return where.x < (size.left + size.right) / 2 ? getMin() : getMax();
}

CMouseEventResult CRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CRockerSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    if (buttons.isLeftButton()) {
        value = valueAt(where);
        if (isDirty()) {
            valueChanged();
            invalid();
        }
    }
    return kMouseEventHandled;
}

CMouseEventResult CRockerSwitch::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
    value = middle();
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    endEdit();
    return kMouseEventHandled;
}

bool CRockerSwitch::onWheel(const CPoint& /*where*/, const float& distance,
                            const CButtonState& /*buttons*/) {
    beginEdit();
    value = distance > 0 ? getMax() : getMin();
    valueChanged();
    value = middle();
    valueChanged();
    invalid();
    endEdit();
    return true;
}

