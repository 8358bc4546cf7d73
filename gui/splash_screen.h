// A click area that shows an image over the face: a left click toggles the
// value; when it becomes 1 the image (the background, from `offset`) is shown
// in the display area as the frame's modal view, and a left click on the
// shown image, or unSplash(), hides it again.
#pragma once

#include "gui/control.h"

class CSplashScreen : public CControl, public CControlListener {
public:
    CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CRect& toDisplay, const CPoint& offset = CPoint(0, 0));
    ~CSplashScreen() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    // Hides the image (if this control showed it) and sets the value to 0.
    virtual void unSplash();
    virtual void setDisplayArea(const CRect& rect) { toDisplay = rect; }
    virtual CRect& getDisplayArea(CRect& rect) const { return rect = toDisplay; }
    const CPoint& getOffset() const { return offset; }

    // The shown image reports its click here.
    void valueChanged(CControl* control) override;
    using CControl::valueChanged;

    CLASS_METHODS_NOCOPY(CSplashScreen, CControl)

protected:
    CRect toDisplay;
    CPoint offset;
    CControl* modalView = nullptr;  // the shown image while this control shows it
};
