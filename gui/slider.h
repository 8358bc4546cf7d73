// A slider: a handle bitmap moving over a background. The handle's left (or
// top) edge travels from iMinPos to iMaxPos in frame pixels, shifted by the
// handle offset. Styles kLeft/kTop put the minimum at the left/top end,
// kRight/kBottom at the right/bottom end. A left click moves the handle's
// centre to the pointer and dragging follows it; Ctrl-click sets the default
// value. With Shift held a drag moves the handle from where it stands and,
// like the wheel, ten times finer than the pointer.
#pragma once

#include "gui/control.h"

class CSlider : public CControl {
public:
    CSlider(const CRect& size, CControlListener* listener, int32_t tag, int32_t iMinPos,
            int32_t iMaxPos, CBitmap* handle, CBitmap* background,
            const CPoint& offset = CPoint(0, 0), int32_t style = kLeft | kHorizontal);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;

    // Where the handle is drawn for the current value, in frame pixels.
    CRect getHandleRect() const;

    void setOffsetHandle(const CPoint& offset) { offsetHandle = offset; }
    CPoint getOffsetHandle() const { return offsetHandle; }
    // Source point of the background.
    void setOffset(const CPoint& offset) { backgroundOffset = offset; }
    CPoint getOffset() const { return backgroundOffset; }
    void setHandle(CBitmap* handle) { this->handle = handle; }
    CBitmap* getHandle() const { return handle.get(); }
    int32_t getStyle() const { return style; }

    CLASS_METHODS(CSlider, CControl)

protected:
    bool isHorizontal() const { return (style & kHorizontal) != 0; }
    // The minimum lies at the right or bottom end.
    bool isInverse() const { return (style & (kRight | kBottom)) != 0; }
    CCoord handleLength() const;
    CCoord alongOf(const CPoint& where) const;
    // The value as 0..1 of the travel from its left or top end.
    float travelPosition() const;
    // The drag goes on from `along` and the handle's present place.
    void anchorDrag(CCoord along, bool fine);

    SharedPointer<CBitmap> handle;
    CPoint offsetHandle;
    CPoint backgroundOffset;
    CCoord minPos;
    CCoord rangeHandle;
    int32_t style;
    // The drag: the pointer's place along the travel and the travel
    // position that belong together, the pointer's last place, and whether
    // the drag runs fine.
    CCoord dragAnchorAlong = 0;
    CCoord dragLastAlong = 0;
    double dragAnchorPosition = 0;
    bool dragFine = false;
};

class CHorizontalSlider : public CSlider {
public:
    CHorizontalSlider(const CRect& size, CControlListener* listener, int32_t tag,
                      int32_t iMinPos, int32_t iMaxPos, CBitmap* handle, CBitmap* background,
                      const CPoint& offset = CPoint(0, 0), int32_t style = kRight);
    CLASS_METHODS(CHorizontalSlider, CSlider)
};

class CVerticalSlider : public CSlider {
public:
    CVerticalSlider(const CRect& size, CControlListener* listener, int32_t tag, int32_t iMinPos,
                    int32_t iMaxPos, CBitmap* handle, CBitmap* background,
                    const CPoint& offset = CPoint(0, 0), int32_t style = kBottom);
    CLASS_METHODS(CVerticalSlider, CSlider)
};
