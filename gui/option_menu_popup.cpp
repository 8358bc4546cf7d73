#include "gui/option_menu_popup.h"

#include <algorithm>
#include <cmath>

#include "gui/draw_context.h"
#include "gui/frame.h"
#include "gui/platform_window.h"

namespace {

constexpr CCoord kItemHeight = 16;
constexpr CCoord kTextPadding = 6;
constexpr CCoord kCheckColumn = 14;
constexpr CCoord kBorder = 1;
constexpr CCoord kCheckInset = 4;
constexpr CColor kBoxColor = MakeCColor(240, 240, 240);
constexpr CColor kBorderColor = MakeCColor(100, 100, 100);
constexpr CColor kHighlightColor = MakeCColor(51, 102, 204);
constexpr CColor kTextColor = kBlackCColor;
constexpr CColor kHighlightTextColor = kWhiteCColor;
constexpr CColor kDisabledTextColor = MakeCColor(150, 150, 150);

CFontRef itemFont() { return kNormalFontSmall; }

}  // namespace

COptionMenuPopup::COptionMenuPopup(COptionMenu* menu) : CView(CRect()), menu_(menu) {}

void COptionMenuPopup::attached(CFrame* frame) {
    CView::attached(frame);
    bounds_ = frame->getPopupBounds();
    layOut();
    size = box_;
}

void COptionMenuPopup::layOut() {
    const int32_t count = menu_->getNbEntries();
    const int32_t perColumn = menu_->getNbItemsPerColumn() > 0 ? menu_->getNbItemsPerColumn() : count;
    // Columns grow rather than let the list leave its bounds.
    const auto fitting = static_cast<int32_t>((bounds_.height() - 2 * kBorder) / kItemHeight);
    rows_ = std::max(1, std::min({count, perColumn, fitting}));
    const int32_t columns = std::max(1, (count + rows_ - 1) / rows_);

    CCoord widest = 0;
    if (COffscreenContext* measure = COffscreenContext::create(nullptr, 1, 1)) {
        measure->setFont(itemFont());
        for (int32_t i = 0; i < count; ++i)
            widest = std::max(widest, measure->getStringWidth(menu_->getEntry(i)->getTitle()));
        measure->forget();
    }
    columnWidth_ = std::ceil(kCheckColumn + widest + kTextPadding);

    const CCoord width = columns * columnWidth_ + 2 * kBorder;
    const CCoord height = rows_ * kItemHeight + 2 * kBorder;
    const CRect& anchor = menu_->getViewSize();
    CCoord left = anchor.left;
    CCoord top = anchor.bottom;
    if (top + height > bounds_.bottom) top = anchor.top - height;
    if (top < bounds_.top) top = std::max(bounds_.top, bounds_.bottom - height);
    if (left + width > bounds_.right) left = std::max(bounds_.left, bounds_.right - width);
    box_ = CRect(left, top, left + width, top + height);
}

CRect COptionMenuPopup::itemRect(int32_t index) const {
    const int32_t column = index / rows_;
    const int32_t row = index % rows_;
    const CCoord left = box_.left + kBorder + column * columnWidth_;
    const CCoord top = box_.top + kBorder + row * kItemHeight;
    return CRect(left, top, left + columnWidth_, top + kItemHeight);
}

int32_t COptionMenuPopup::itemAt(const CPoint& where) const {
    for (int32_t i = 0; i < menu_->getNbEntries(); ++i)
        if (itemRect(i).pointInside(where)) return i;
    return -1;
}

void COptionMenuPopup::draw(CDrawContext* context) {
    context->setFillColor(kBoxColor);
    context->drawRect(box_, kDrawFilled);
    context->setFrameColor(kBorderColor);
    context->setLineWidth(kBorder);
    context->drawRect(box_);
    context->setFont(itemFont());
    for (int32_t i = 0; i < menu_->getNbEntries(); ++i) drawItem(context, i);
    setDirty(false);
}

void COptionMenuPopup::drawItem(CDrawContext* context, int32_t index) {
    const CMenuItem* item = menu_->getEntry(index);
    const CRect rect = itemRect(index);
    if (item->isSeparator()) {
        const CCoord middle = std::floor((rect.top + rect.bottom) / 2);
        context->setFrameColor(kBorderColor);
        context->drawLine(CPoint(rect.left + kTextPadding, middle),
                          CPoint(rect.right - kTextPadding - 1, middle));
        return;
    }
    const bool highlighted = index == hover_ && item->isSelectable();
    if (highlighted) {
        context->setFillColor(kHighlightColor);
        context->drawRect(rect, kDrawFilled);
    }
    const CColor textColor = !item->isSelectable() ? kDisabledTextColor
                             : highlighted          ? kHighlightTextColor
                                                    : kTextColor;
    const bool checked = item->isChecked() ||
                         ((menu_->getStyle() & kCheckStyle) && index == menu_->getCurrentIndex());
    if (checked) {
        // A tick drawn as two strokes inside the check column.
        CRect mark(rect.left, rect.top, rect.left + kCheckColumn, rect.bottom);
        mark.inset(kCheckInset, kCheckInset);
        context->setFrameColor(textColor);
        context->setDrawMode(kAntiAliasing);
        context->drawLine(CPoint(mark.left, mark.top + mark.height() / 2),
                          CPoint(mark.left + mark.width() / 3, mark.bottom - 1));
        context->drawLine(CPoint(mark.left + mark.width() / 3, mark.bottom - 1),
                          CPoint(mark.right - 1, mark.top));
        context->setDrawMode(kAliasing);
    }
    CRect textRect(rect.left + kCheckColumn, rect.top, rect.right, rect.bottom);
    context->setFontColor(textColor);
    context->drawString(item->getTitle(), textRect, kLeftText);
}

CMouseEventResult COptionMenuPopup::onMouseDown(CPoint& where, const CButtonState& /*buttons*/) {
    if (!box_.pointInside(where)) {
        close(-1);
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    const int32_t index = itemAt(where);
    const CMenuItem* item = menu_->getEntry(index);
    if (item && item->isSelectable()) close(index);
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

CMouseEventResult COptionMenuPopup::onMouseMoved(CPoint& where, const CButtonState& /*buttons*/) {
    const int32_t index = itemAt(where);
    if (index != hover_) {
        if (hover_ >= 0) invalidRect(itemRect(hover_));
        hover_ = index;
        if (hover_ >= 0) invalidRect(itemRect(hover_));
    }
    return kMouseEventHandled;
}

int32_t COptionMenuPopup::onKeyDown(VstKeyCode& keyCode) {
    if (keyCode.virt != kVirtualKeyEscape) return -1;
    close(-1);
    return 1;
}

void COptionMenuPopup::close(int32_t chosen) {
    SharedPointer<COptionMenu> menu = menu_;
    SharedPointer<CView> self(this);  // lives until the end of this call
    if (CFrame* frame = getFrame()) {
        frame->invalidRect(box_);
        frame->setModalView(nullptr);
    }
    menu->popupClosed(chosen);
    forget();  // the reference the frame held
}
