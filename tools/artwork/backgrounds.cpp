#include "backgrounds.h"

#include <cmath>

#include "art_style.h"
#include "drawing.h"
#include "presets/preset_bar_layout.h"

namespace art {

namespace {

// Positions relative to the bar's top (y0), taken from the editor's places of
// the bar's controls.
constexpr int kStripAbove = 5;  // the strip starts this far above y0
// The name field's well reaches one row above and below the field's place.
constexpr int kNameWellRim = 1;
constexpr Rect kNameFieldPlace = toArtRect(preset_bar::kNameFieldPlace);
constexpr Rect kNameField{kNameFieldPlace.left, kNameFieldPlace.top - kNameWellRim,
                          kNameFieldPlace.right, kNameFieldPlace.bottom + kNameWellRim};
constexpr Rect kMenuMarker = toArtRect(preset_bar::kProgramMenuPlace);
// The A and B letters stand between the store and recall buttons of their row.
constexpr Rect kStoreA = toArtRect(preset_bar::buttonPlace(preset_bar::kStoreATag));
constexpr Rect kRecallA = toArtRect(preset_bar::buttonPlace(preset_bar::kRecallATag));
constexpr double kMemoryLetterX = (kStoreA.right + kRecallA.left) / 2.0;
constexpr int kMemoryRowHeight =
    static_cast<int>(preset_bar::buttonPlace(preset_bar::kStoreBTag).top);
constexpr double kMenuArrowHalfWidth = 3.0;
constexpr double kMenuArrowHeight = 3.0;

Rect below(Rect r, int y0) { return {r.left, y0 + r.top, r.right, y0 + r.bottom}; }

void drawStripPanel(cairo_t* cr, const FaceLayout& face) {
    int top = face.presetBarTop - kStripAbove;
    Rect strip{1, top, face.size.width - 1, face.size.height - 1};
    fillRect(cr, strip, palette::kBarPanel);
    horizontalLine(cr, strip.left, strip.right, top, palette::kPanelShade);
    horizontalLine(cr, strip.left, strip.right, top + 1, palette::kPanelHighlight);
}

void drawNameField(cairo_t* cr, int y0) {
    Rect field = below(kNameField, y0);
    fillRect(cr, field, palette::kNameField);
    recessRim(cr, field, palette::kWellRimShade, palette::kWellRimLight);
}

void drawMenuMarker(cairo_t* cr, int y0) {
    Rect marker = below(kMenuMarker, y0);
    double cx = marker.centreX(), cy = marker.centreY();
    cairo_move_to(cr, cx - kMenuArrowHalfWidth, cy - kMenuArrowHeight / 2);
    cairo_line_to(cr, cx + kMenuArrowHalfWidth, cy - kMenuArrowHeight / 2);
    cairo_line_to(cr, cx, cy + kMenuArrowHeight / 2);
    cairo_close_path(cr);
    setColour(cr, palette::kPrintStrong);
    cairo_fill(cr);
}

void drawMemoryLetters(cairo_t* cr, int y0) {
    drawTextCentred(cr, style::kBarLetter, "A", kMemoryLetterX, y0 + kMemoryRowHeight / 2.0);
    drawTextCentred(cr, style::kBarLetter, "B", kMemoryLetterX,
                    y0 + kMemoryRowHeight + kMemoryRowHeight / 2.0);
}

void drawPresetStrip(cairo_t* cr, const FaceLayout& face) {
    if (face.presetBarTop <= 0) return;
    drawStripPanel(cr, face);
    drawNameField(cr, face.presetBarTop);
    drawMenuMarker(cr, face.presetBarTop);
    drawMemoryLetters(cr, face.presetBarTop);
}

}  // namespace

void drawBackground(Canvas& canvas, const FaceLayout& face) {
    cairo_t* cr = canvas.cr();
    drawPanel(cr, face.size);
    drawHeader(cr, face);
    drawRules(cr, face.size, face.rules);
    drawWells(cr, face.meters);
    for (const SliderPlace& slider : face.sliders) drawGroove(cr, slider);
    drawWells(cr, face.switches);
    drawTitle(cr, face.product, face.title, face.size);
    drawPresetStrip(cr, face);
}

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

void drawWell(cairo_t* cr, Rect control) {
    Rect floor = control.outset(style::kWellFloorWidth);
    fillRect(cr, floor, palette::kWellFloor);
    recessRim(cr, floor, palette::kWellRimShade, palette::kWellRimLight);
}

void drawWells(cairo_t* cr, const std::vector<Rect>& controls) {
    for (const Rect& r : controls) drawWell(cr, r);
}

namespace {

void drawChannel(cairo_t* cr, const GroovePath& p) {
    int reach = style::kHandleSize.width / 2 - style::kGrooveEndMargin;
    Rect channel{p.from - reach, p.across - style::kGrooveHeight / 2, p.to + reach,
                 p.across + style::kGrooveHeight / 2};
    double radius = style::kGrooveHeight / 2.0;
    roundedRectPath(cr, {channel.left, channel.top + 1, channel.right, channel.bottom + 1}, radius);
    setColour(cr, palette::kGrooveLip);
    cairo_fill(cr);
    roundedRectPath(cr, channel, radius);
    setVerticalGradient(cr, channel, palette::kGrooveShadow, palette::kGrooveFloor);
    cairo_fill(cr);
}

void drawTicks(cairo_t* cr, const GroovePath& p) {
    int above = p.across - style::kGrooveHeight / 2 - style::kTickGap - style::kTickLength;
    int below = p.across + style::kGrooveHeight / 2 + style::kTickGap + 1;
    for (int k = 0; k < style::kTickCount; ++k) {
        int x = p.from + (p.to - p.from) * k / (style::kTickCount - 1) - 1;
        fillRect(cr, {x, above, x + 2, above + style::kTickLength}, palette::kPrint);
        fillRect(cr, {x, below, x + 2, below + style::kTickLength}, palette::kPrint);
    }
}

}  // namespace

void drawGroovePath(cairo_t* cr, const GroovePath& path) {
    cairo_save(cr);
    if (path.vertical) {
        cairo_matrix_t swap;
        cairo_matrix_init(&swap, 0, 1, 1, 0, 0, 0);
        cairo_transform(cr, &swap);
    }
    drawTicks(cr, path);
    drawChannel(cr, path);
    cairo_restore(cr);
}

void drawGroove(cairo_t* cr, const SliderPlace& slider) {
    int half = style::kHandleSize.width / 2;
    drawGroovePath(cr, {false, slider.rect.top + slider.handleOffsetY + style::kHandleSize.height / 2,
                        slider.rect.left + half, slider.rect.right - half});
}

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
