// The about screen's click area: an invisible control on the face. A left
// click shows the about image (with its text lines) over the face as the
// frame's modal view; a left click on the shown image hides it again. While
// shown, the control's value is 1.
#pragma once

#include "gui/geometry.h"
#include "gui/splash_screen.h"

class CAbout : public CSplashScreen {
public:
    CAbout(const CRect& clickArea, CControlListener* listener, int32_t tag, CBitmap* aboutImage,
           const CRect& displayArea, const CPoint& imageSource, const CPoint& textOrigin);

    // Left button: toggles the value and, when it becomes 1, shows the image.
    // Other buttons: not handled.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    bool isShown() const { return value != 0.f; }
    const CPoint& getTextOrigin() const { return textOrigin; }

    CLASS_METHODS_NOCOPY(CAbout, CSplashScreen)

private:
    CPoint textOrigin;
};
