#include "gui/control.h"

#include <algorithm>

#include "gui/frame.h"

namespace {
// A value no control holds, so that a control marked dirty redraws.
constexpr float kNeverDrawn = -1.f;
}  // namespace

CControl::CControl(const CRect& size, CControlListener* listener, int32_t tag,
                   CBitmap* background)
    : CView(size), listener(listener), tag(tag) {
    if (background) setBackground(background);
    setDirty(true);
}

float CControl::normalized(float v) const {
    const float range = vmax - vmin;
    if (range == 0.f) return 0.f;
    return std::clamp((v - vmin) / range, 0.f, 1.f);
}

void CControl::setValueNormalized(float normalized) {
    setValue(vmin + std::clamp(normalized, 0.f, 1.f) * (vmax - vmin));
}

void CControl::bounceValue() { value = std::clamp(value, std::min(vmin, vmax), std::max(vmin, vmax)); }

void CControl::valueChanged() {
    if (listener) listener->valueChanged(this);
}

void CControl::beginEdit() {
    ++openGestures_;
    if (listener) listener->controlBeginEdit(this);
    if (getFrame()) getFrame()->beginEdit(tag);
}

void CControl::endEdit() {
    if (openGestures_ > 0) --openGestures_;
    if (getFrame()) getFrame()->endEdit(tag);
    if (listener) listener->controlEndEdit(this);
}

CMouseEventResult CControl::onMouseCancel() {
    while (openGestures_ > 0) endEdit();
    return kMouseEventHandled;
}

void CControl::setDirty(bool dirty) {
    CView::setDirty(dirty);
    if (dirty)
        oldValue = value == kNeverDrawn ? 0.f : kNeverDrawn;
    else
        oldValue = value;
}

bool CControl::isDirty() const { return oldValue != value || CView::isDirty(); }

bool CControl::checkDefaultValue(const CButtonState& buttons) {
    // A double click is no reset: a quick second click on a control must not
    // throw away the value the first one set.
    if (!buttons.isLeftButton() || buttons.getModifierState() != kControl) return false;
    beginEdit();
    if (value != defaultValue) {
        value = defaultValue;
        valueChanged();
        invalid();
    }
    endEdit();
    return true;
}
