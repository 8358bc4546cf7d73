#include "panel.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

void drawBevel(cairo_t* cr, Rect inner) {
    horizontalLine(cr, inner.left, inner.right, inner.top, palette::kPanelHighlight);
    verticalLine(cr, inner.left, inner.top, inner.bottom, palette::kPanelHighlight);
    horizontalLine(cr, inner.left + 1, inner.right, inner.bottom - 1, palette::kPanelShade);
    verticalLine(cr, inner.right - 1, inner.top + 1, inner.bottom, palette::kPanelShade);
}

}  // namespace

void drawPanel(cairo_t* cr, Size face) {
    Rect whole{0, 0, face.width, face.height};
    fillRect(cr, whole, palette::kPanelOutline);
    fillRect(cr, whole.inset(1), palette::kPanel);
    for (int k = 0; k < style::kPanelBevel; ++k) drawBevel(cr, whole.inset(1 + k));
}

void drawRules(cairo_t* cr, Size face, const std::vector<int>& rows) {
    for (int y : rows) engravedRule(cr, style::kRuleMargin, face.width - style::kRuleMargin, y);
}

}  // namespace art
