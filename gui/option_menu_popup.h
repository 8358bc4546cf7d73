// The open list of an option menu: the frame's modal view, a box of the
// entries next to the menu (moved to stay on the screen, or inside the frame
// when the frame has no window that can show pop-ups), in columns of the
// menu's items per column. It highlights the entry under the pointer and
// closes on a click: on a selectable entry it reports that entry, anywhere
// else nothing. Escape closes it too.
#pragma once

#include "gui/option_menu.h"
#include "gui/view.h"

class COptionMenuPopup : public CView {
public:
    explicit COptionMenuPopup(COptionMenu* menu);

    void attached(CFrame* frame) override;
    // Every click is the pop-up's: one outside the box closes it.
    bool hitTest(const CPoint& /*where*/) const override { return true; }
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;

    // The entry under `where`, or -1.
    int32_t itemAt(const CPoint& where) const;
    CRect itemRect(int32_t index) const;
    const CRect& getBox() const { return box_; }

    CLASS_METHODS_NOCOPY(COptionMenuPopup, CView)

private:
    void layOut();
    void close(int32_t chosen);
    void drawItem(CDrawContext* context, int32_t index);

    SharedPointer<COptionMenu> menu_;
    CRect bounds_;  // where the box may lie
    CRect box_;
    CCoord columnWidth_ = 0;
    int32_t rows_ = 1;
    int32_t hover_ = -1;
};
