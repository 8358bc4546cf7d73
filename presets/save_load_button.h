// The preset bar's save and load buttons. A press with exactly the right
// button (no other button, no modifier, no double click) sends 0.5, any other
// left or right press 1.0; the load buttons read 0.5 as "endian-reversed".
// The value goes back to 0 at once, but the editor keeps the button pressed
// for as long as the file dialog it opened stays open. Its bitmap holds three
// stacked images: idle, hovered, pressed.
#pragma once

#include "gui/buttons.h"

class CSaveLoadButton : public CKickButton {
public:
    static constexpr float kPlainRightPress = 0.5f;

    CSaveLoadButton(const CRect& size, CControlListener* listener, int32_t tag,
                    CCoord heightOfOneImage, CBitmap* background, const CPoint& offset);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    // Shows the pressed image while true: the button's dialog is open.
    void setHeld(bool held);
    bool isHeld() const { return held; }
    bool isHovered() const { return hover; }

    CLASS_METHODS(CSaveLoadButton, CKickButton)

private:
    enum Image { kIdleImage = 0, kHoverImage = 1, kPressedImage = 2 };

    bool hover = false;
    bool held = false;
};
