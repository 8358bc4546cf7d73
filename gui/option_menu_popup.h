// The open list of an option menu: a modal view over the whole frame that
// draws the entries in a box next to the menu (moved to stay inside the
// frame), highlights the entry under the pointer, and closes on a click:
// on a selectable entry it reports that entry, elsewhere nothing. Escape
// closes it too.
#pragma once

#include "gui/option_menu.h"
#include "gui/view.h"

class COptionMenuPopup : public CView {
public:
    explicit COptionMenuPopup(COptionMenu* menu);

    void attached(CFrame* frame) override;
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
    CRect box_;
    CCoord columnWidth_ = 0;
    int32_t rows_ = 1;
    int32_t hover_ = -1;
};
