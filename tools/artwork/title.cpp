#include "title.h"

#include <cmath>

#include "art_style.h"
#include "shapes.h"

namespace art {

void drawHeader(cairo_t* cr, const FaceLayout& face) {
    Rect band{1, 1, face.size.width - 1, 1 + style::kHeaderHeight};
    fillRect(cr, band, palette::kHeaderBand);
    horizontalLine(cr, band.left, band.right, band.bottom, palette::kHeaderEdge);
    horizontalLine(cr, band.left, band.right, band.bottom + 1, palette::kPanelHighlight);
    drawText(cr, style::kMaker, style::kMakerName, style::kHeaderMargin, style::kHeaderBaseline);
    double width = textWidth(cr, style::kDescriptor, face.descriptor);
    drawText(cr, style::kDescriptor, face.descriptor,
             face.size.width - style::kHeaderMargin - width, style::kHeaderBaseline);
}

void drawTitle(cairo_t* cr, const std::string& product, Rect title, Size face) {
    double cx = title.centreX();
    double half = std::ceil(textWidth(cr, style::kTitle, product) / 2.0);
    int ruleRow = static_cast<int>(title.centreY());
    engravedRule(cr, style::kRuleMargin, static_cast<int>(cx - half) - style::kTitleRuleGap,
                 ruleRow);
    engravedRule(cr, static_cast<int>(cx + half) + style::kTitleRuleGap,
                 face.width - style::kRuleMargin, ruleRow);
    drawTextCentred(cr, style::kTitle, product, cx, title.centreY());
}

}  // namespace art
