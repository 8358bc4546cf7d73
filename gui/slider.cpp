#include "gui/slider.h"

#include <cmath>

CSlider::CSlider(const CRect& size, CControlListener* listener, int32_t tag, int32_t iMinPos,
                 int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
                 int32_t style)
    : CControl(size, listener, tag, background),
      handle(handle),
      backgroundOffset(offset),
      minPos(iMinPos),
      rangeHandle(iMaxPos - iMinPos),
      style(style) {}

CCoord CSlider::handleLength() const {
    if (!handle) return 0;
    return isHorizontal() ? handle->getWidth() : handle->getHeight();
}

CRect CSlider::getHandleRect() const {
    const float position = isInverse() ? 1.f - getValueNormalized() : getValueNormalized();
    const CCoord travel = std::floor(position * rangeHandle);
    const CCoord w = handle ? handle->getWidth() : 0;
    const CCoord h = handle ? handle->getHeight() : 0;
    if (isHorizontal()) {
        const CCoord left = minPos + offsetHandle.x + travel;
        const CCoord top = size.top + offsetHandle.y;
        return CRect(left, top, left + w, top + h);
    }
    const CCoord left = size.left + offsetHandle.x;
    const CCoord top = minPos + offsetHandle.y + travel;
    return CRect(left, top, left + w, top + h);
}

void CSlider::draw(CDrawContext* context) {
    if (CBitmap* background = getBackground()) background->draw(context, size, backgroundOffset);
    if (handle) handle->draw(context, getHandleRect());
    setDirty(false);
}

CMouseEventResult CSlider::onMouseDown(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (checkDefaultValue(buttons)) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    const CPoint& shift = offsetHandle;
    dragDelta = minPos + (isHorizontal() ? shift.x : shift.y) + handleLength() / 2;
    beginEdit();
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CSlider::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton() || rangeHandle <= 0) return kMouseEventHandled;
    const CCoord along = isHorizontal() ? where.x : where.y;
    float position = static_cast<float>((along - dragDelta) / rangeHandle);
    if (isInverse()) position = 1.f - position;
    setValueNormalized(position);
    if (isDirty()) {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CMouseEventResult CSlider::onMouseUp(CPoint& /*where*/, const CButtonState& /*buttons*/) {
    endEdit();
    return kMouseEventHandled;
}

bool CSlider::onWheel(const CPoint& /*where*/, const float& distance,
                      const CButtonState& /*buttons*/) {
    value += distance * wheelInc * (vmax - vmin);
    bounceValue();
    if (isDirty()) {
        beginEdit();
        valueChanged();
        endEdit();
        invalid();
    }
    return true;
}

CHorizontalSlider::CHorizontalSlider(const CRect& size, CControlListener* listener, int32_t tag,
                                     int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                     CBitmap* background, const CPoint& offset, int32_t style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset,
              (style & ~kVertical) | kHorizontal) {}

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener, int32_t tag,
                                 int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                 CBitmap* background, const CPoint& offset, int32_t style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset,
              (style & ~kHorizontal) | kVertical) {}
