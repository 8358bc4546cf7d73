#include "preset_strip.h"

#include "art_style.h"
#include "shapes.h"
#include "text.h"

namespace art {

namespace {

// Positions relative to the bar's top (y0); horizontal ones are the same on
// every face.
constexpr int kStripAbove = 5;  // the strip starts this far above y0
constexpr Rect kNameField{91, 7, 201, 23};
constexpr Rect kMenuMarker{207, 7, 217, 21};
constexpr double kMemoryLetterX = 272.5;
constexpr int kMemoryRowHeight = 15;
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

}  // namespace

void drawPresetStrip(cairo_t* cr, const FaceLayout& face) {
    if (face.presetBarTop <= 0) return;
    drawStripPanel(cr, face);
    drawNameField(cr, face.presetBarTop);
    drawMenuMarker(cr, face.presetBarTop);
    drawMemoryLetters(cr, face.presetBarTop);
}

}  // namespace art
