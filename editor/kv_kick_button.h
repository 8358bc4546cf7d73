// A momentary push button that shows a hover image, and that can be made to
// react to double clicks only. Its bitmap holds three stacked images: idle,
// hovered, pressed. The listener hears the press (1.0, or 0.5 for a Ctrl
// double click in double-click-only mode), never the release.
#pragma once

#include "gui/kick_button.h"

class CKVKickButton : public CKickButton {
public:
    CKVKickButton(const CRect& size, CControlListener* listener, int32_t tag,
                  int32_t heightOfOneImage, CBitmap* background, const CPoint& offset,
                  bool doubleClickOnly);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    bool isHovered() const { return hovered; }
    bool isPressed() const { return pressed; }

    CLASS_METHODS(CKVKickButton, CKickButton)

private:
    enum Image { kIdleImage = 0, kHoverImage = 1, kPressedImage = 2 };

    bool hovered = false;
    bool pressed = false;
    bool doubleClickOnly;
};
