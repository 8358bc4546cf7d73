#include "gui/rocker_switch.h"

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
