#include "editor/click_button.h"

#include <algorithm>

namespace {

// A state's value k/(N-1) is held as the nearest float, which may lie just
// below it: multiplied back and truncated it would give k-1 (from N = 23 on
// a button would stick at one state). A tolerance far below one state step
// keeps the truncation of any other value.
constexpr double kStateTolerance = 1e-4;

}  // namespace

CClickButton::CClickButton(const CRect& size, CControlListener* listener, int32_t tag,
                           CBitmap* stateBitmap, int stateCount)
    : CControl(size, listener, tag),
      stateBitmap(stateBitmap),
      stateCount(std::max(stateCount, kMinStates)) {
    value = 0.f;
}

int CClickButton::stateOf(float v) const {
    const int last = stateCount - 1;
    const auto state = static_cast<int>(static_cast<double>(v) * last + kStateTolerance);
    return std::clamp(state, 0, last);
}

// Leaves the dirty flag alone: the frame's idle clears it when it asks for
// the redraw.
void CClickButton::draw(CDrawContext* context) {
    CBitmap* image = stateBitmap.get();
    if (!image) return;
    CCoord sourceY = 0;
    if (value != 0.f) sourceY = static_cast<int>(image->getHeight() / stateCount * stateOf(value));
    image->draw(context, size, CPoint(0, sourceY), 1.f);
}

CMouseEventResult CClickButton::onMouseDown(CPoint& /*where*/, const CButtonState& buttons) {
    if (!buttons.isLeftButton()) return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    const int next = (stateOf(value) + 1) % stateCount;
    value = static_cast<float>(next) / static_cast<float>(stateCount - 1);
    setDirty(true);
    if (listener) listener->valueChanged(this);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}
