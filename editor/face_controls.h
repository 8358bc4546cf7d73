// The editors' own controls: a button stepping through its states, the preset
// bar's kick button and rocker with their hover images, and the faces' level meter.
#pragma once

#include "gui/buttons.h"
#include "gui/control.h"
#include "gui/vu_meter.h"

// A button that steps through N states, one per left click, wrapping from the
// last to the first. Its value takes the N values 0, 1/(N-1), ..., 1, and its
// state bitmap holds N stacked images, image 0 for value 0.
class CClickButton : public CControl {
public:
    static constexpr int kMinStates = 2;

    // stateCount below kMinStates counts as kMinStates.
    CClickButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* stateBitmap,
                 int stateCount);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    int getStateCount() const { return stateCount; }
    CBitmap* getStateBitmap() const { return stateBitmap.get(); }

    CLASS_METHODS(CClickButton, CControl)

private:
    // The state 0..N-1 that `v` stands for: the integer part of v x (N-1).
    int stateOf(float v) const;

    SharedPointer<CBitmap> stateBitmap;
    int stateCount;
};

// A momentary push button that shows a hover image, and that can be made to
// react to double clicks only. Its bitmap holds three stacked images: idle,
// hovered, pressed. The listener hears the press (1.0, or 0.5 for a Ctrl
// double click in double-click-only mode), never the release.
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

// A two-sided rocker: a press on the left half gives -1, on the right half
// +1 (the centre line counts as right), and the release returns to 0 without
// telling the listener. It shows which half the pointer hovers over. Its
// bitmap holds five stacked images: idle, hover left, hover right, pressed
// left, pressed right.
class CKVRockerSwitch : public CRockerSwitch {
public:
    CKVRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                    int32_t heightOfOneImage, CBitmap* background, const CPoint& offset,
                    int32_t style);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;

    // -1 over the left half, +1 over the right half, 0 when not hovered.
    int getHoverSide() const { return hoverSide; }

    CLASS_METHODS(CKVRockerSwitch, CRockerSwitch)

private:
    // -1 for a point left of the centre line, else +1.
    int sideOf(const CPoint& where) const;

    int hoverSide = 0;
};

// The level meter of the faces: the widget layer's bar meter under the
// class name the faces (and their tests) know it by.
class CVuMeter1 : public CVuMeter {
public:
    using CVuMeter::CVuMeter;

    CLASS_METHODS(CVuMeter1, CVuMeter)
};
