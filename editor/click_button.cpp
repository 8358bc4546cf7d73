#include "editor/click_button.h"

#include <algorithm>

CClickButton::CClickButton(const CRect& size, CControlListener* listener, int32_t tag,
                           CBitmap* stateBitmap, int stateCount)
    : CControl(size, listener, tag),
      stateBitmap(stateBitmap),
      stateCount(std::max(stateCount, kMinStates)) {
    value = 0.f;
}

// Leaves the dirty flag alone: the frame's idle clears it when it asks for
// the redraw.
void CClickButton::draw(CDrawContext* context) {
    CBitmap* image = stateBitmap.get();
    if (!image) return;
    CCoord sourceY = 0;
    if (value != 0.f) {
        const auto state = static_cast<int>((stateCount - 1) * value);
        sourceY = static_cast<int>(image->getHeight() / stateCount * state);
    }
    image->draw(context, size, CPoint(0, sourceY), 1.f);
}

CMouseEventResult CClickButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    const int last = stateCount - 1;
    const int next = (static_cast<int>(value * last) + 1) % stateCount;
    value = static_cast<float>(next) / static_cast<float>(last);
    setDirty(true);
    if (listener) listener->valueChanged(this);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}
