#include "gui/slider.h"

#include <cmath>

namespace {

// Shift held makes a drag and the wheel this many times finer, for values
// between the wheel's steps and the pixels of the travel.
constexpr double kFineFactor = 10.0;

bool isFine(const CButtonState& buttons) { return (buttons.getModifierState() & kShift) != 0; }

}  // namespace

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

CCoord CSlider::alongOf(const CPoint& where) const { return isHorizontal() ? where.x : where.y; }

float CSlider::travelPosition() const {
    return isInverse() ? 1.f - getValueNormalized() : getValueNormalized();
}

void CSlider::anchorDrag(CCoord along, bool fine) {
    dragAnchorAlong = along;
    dragLastAlong = along;
    dragAnchorPosition = travelPosition();
    dragFine = fine;
}

CMouseEventResult CSlider::onMouseDown(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseEventNotHandled;
    if (checkDefaultValue(buttons)) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    beginEdit();
    const CCoord along = alongOf(where);
    // A fine drag moves the handle from where it stands; a plain press first
    // puts the handle's centre under the pointer.
    anchorDrag(along, isFine(buttons));
    if (!dragFine && rangeHandle > 0) {
        const CCoord shift = isHorizontal() ? offsetHandle.x : offsetHandle.y;
        const CCoord centreAtStart = minPos + shift + handleLength() / 2;
        dragAnchorPosition = (along - centreAtStart) / rangeHandle;
    }
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CSlider::onMouseMoved(CPoint& where, const CButtonState& buttons) {
    if (!buttons.isLeftButton() || rangeHandle <= 0) return kMouseEventHandled;
    const CCoord along = alongOf(where);
    // Pressing or letting go of Shift mid-drag goes on from where the handle
    // is, at the new speed from the pointer's last place.
    if (isFine(buttons) != dragFine) anchorDrag(dragLastAlong, isFine(buttons));
    dragLastAlong = along;
    const double scale = dragFine ? 1.0 / kFineFactor : 1.0;
    auto position =
        static_cast<float>(dragAnchorPosition + (along - dragAnchorAlong) / rangeHandle * scale);
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
                      const CButtonState& buttons) {
    const double step = wheelInc * (vmax - vmin) / (isFine(buttons) ? kFineFactor : 1.0);
    value += static_cast<float>(distance * step);
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
