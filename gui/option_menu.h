// A pop-up menu: shows the current entry's title like a CParamDisplay
// (kNoTextStyle hides it, kNoDrawStyle draws nothing at all, leaving an
// invisible click area). A click opens the entries in a pop-up, the frame's
// modal view, shown in a window of its own above everything where the
// frame's window allows, in columns of at most getNbItemsPerColumn entries,
// with a check mark on the current entry under kCheckStyle. Choosing an entry
// makes it current, sets the value to its index and tells the listener.
#pragma once

#include <vector>

#include "gui/menu_item.h"
#include "gui/param_display.h"

class COptionMenu : public CParamDisplay {
public:
    COptionMenu(const CRect& size, CControlListener* listener, int32_t tag,
                CBitmap* background = nullptr, CBitmap* bgWhenClick = nullptr,
                int32_t style = 0);
    ~COptionMenu() override;
    COptionMenu(const COptionMenu& other);

    // Appends (index -1) or inserts an entry; the menu keeps it.
    CMenuItem* addEntry(const char* title, int32_t index = -1,
                        int32_t itemFlags = CMenuItem::kNoFlags);
    bool removeEntry(int32_t index);
    void removeAllEntry();
    int32_t getNbEntries() const { return static_cast<int32_t>(entries.size()); }
    CMenuItem* getEntry(int32_t index) const;

    bool setCurrent(int32_t index);
    int32_t getCurrentIndex() const { return currentIndex; }
    CMenuItem* getCurrent() const { return getEntry(currentIndex); }
    void setNbItemsPerColumn(int32_t count) { nbItemsPerColumn = count > 0 ? count : 1; }
    int32_t getNbItemsPerColumn() const { return nbItemsPerColumn; }
    bool isPopupOpen() const { return popupOpen; }

    // Sets the current entry too when the value is a valid index.
    void setValue(float value) override;
    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    // Called by the pop-up: the user chose `index`, or -1 for nothing.
    void popupClosed(int32_t index);

    CLASS_METHODS(COptionMenu, CParamDisplay)

protected:
    std::vector<CMenuItem*> entries;  // one reference each
    SharedPointer<CBitmap> bgWhenClick;
    int32_t currentIndex = -1;
    int32_t nbItemsPerColumn = -1;
    bool popupOpen = false;
};
