#include "background.h"

#include "art_style.h"
#include "groove.h"
#include "panel.h"
#include "presets/preset_bar_layout.h"
#include "shapes.h"
#include "text.h"
#include "title.h"
#include "wells.h"

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

}  // namespace art
