// A momentary button: max while pressed with the pointer inside, min
// otherwise. The background holds the released image at `offset` and the
// pressed image heightOfOneImage below it. The listener hears max at the
// release inside the button, then min.
#pragma once

#include "gui/control.h"

class CKickButton : public CControl, public IMultiBitmapControl {
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                const CPoint& offset = CPoint(0, 0));
    // heightOfOneImage 0 means the control's height.
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint(0, 0));

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    CLASS_METHODS(CKickButton, CControl)

protected:
    CPoint offset;
};
