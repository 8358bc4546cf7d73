#include "gui/option_menu.h"

#include <algorithm>
#include <cmath>

#include "gui/frame.h"
#include "gui/option_menu_popup.h"

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, int32_t tag,
                         CBitmap* background, CBitmap* bgWhenClick, int32_t style)
    : CParamDisplay(size, background, style), bgWhenClick(bgWhenClick) {
    setListener(listener);
    setTag(tag);
    setMin(0.f);
    setMax(0.f);
    setDefaultValue(0.f);
}

COptionMenu::COptionMenu(const COptionMenu& other)
    : CParamDisplay(other),
      bgWhenClick(other.bgWhenClick),
      currentIndex(other.currentIndex),
      nbItemsPerColumn(other.nbItemsPerColumn) {
    for (const CMenuItem* item : other.entries)
        entries.push_back(new CMenuItem(item->getTitle(), item->getFlags()));
}

COptionMenu::~COptionMenu() { removeAllEntry(); }

CMenuItem* COptionMenu::addEntry(const char* title, int32_t index, int32_t itemFlags) {
    auto* item = new CMenuItem(title, itemFlags);
    if (index < 0 || index >= getNbEntries())
        entries.push_back(item);
    else
        entries.insert(entries.begin() + index, item);
    setMax(static_cast<float>(getNbEntries() - 1));
    return item;
}

bool COptionMenu::removeEntry(int32_t index) {
    CMenuItem* item = getEntry(index);
    if (!item) return false;
    entries.erase(entries.begin() + index);
    item->forget();
    setMax(static_cast<float>(std::max(0, getNbEntries() - 1)));
    if (currentIndex >= getNbEntries()) currentIndex = getNbEntries() - 1;
    return true;
}

void COptionMenu::removeAllEntry() {
    for (CMenuItem* item : entries) item->forget();
    entries.clear();
    currentIndex = -1;
    setMax(0.f);
}

CMenuItem* COptionMenu::getEntry(int32_t index) const {
    if (index < 0 || index >= getNbEntries()) return nullptr;
    return entries[static_cast<size_t>(index)];
}

bool COptionMenu::setCurrent(int32_t index) {
    if (!getEntry(index)) return false;
    currentIndex = index;
    value = static_cast<float>(index);
    setDirty();
    return true;
}

void COptionMenu::setValue(float newValue) {
    const auto index = static_cast<int32_t>(std::floor(newValue + 0.5f));
    if (getEntry(index)) currentIndex = index;
    CParamDisplay::setValue(newValue);
}

void COptionMenu::draw(CDrawContext* context) {
    if (!(style & kNoDrawStyle)) {
        if (popupOpen && bgWhenClick)
            bgWhenClick->draw(context, size, backOffset);
        else
            drawBack(context);
        const CMenuItem* current = getCurrent();
        drawText(context, current ? current->getTitle() : "");
    }
    setDirty(false);
}

CMouseEventResult COptionMenu::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!(buttons.isLeftButton() || buttons.isRightButton())) return kMouseEventNotHandled;
    CFrame* frame = getFrame();
    if (!frame || popupOpen || entries.empty()) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    auto* popup = new COptionMenuPopup(this);
    if (!frame->setModalView(popup)) {
        popup->forget();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    // Above everything where the window allows, else inside the frame.
    frame->showModalViewInPopup(popup->getBox());
    popupOpen = true;
    invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void COptionMenu::popupClosed(int32_t index) {
    popupOpen = false;
    invalid();
    const CMenuItem* chosen = getEntry(index);
    if (!chosen || !chosen->isSelectable()) return;
    beginEdit();
    setCurrent(index);
    valueChanged();
    endEdit();
}
