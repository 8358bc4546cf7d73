#include "about_image.h"

#include <cmath>

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

constexpr int kAccentTop = 3;
constexpr int kAccentHeight = 2;
constexpr int kEmblemRow = 70;         // centre row of the emblem band
constexpr double kEmblemRadius = 4.5;
constexpr double kEmblemSpread = 3.5;  // distance of each ring from the centre
constexpr int kEmblemRuleGap = 6;
constexpr int kEmblemRuleLength = 60;

void drawPaper(cairo_t* cr, Rect whole) {
    fillRect(cr, whole, palette::kPanelOutline);
    fillRect(cr, whole.inset(1), palette::kAboutPaper);
    horizontalLine(cr, 1, whole.right - 1, 1, palette::kPanelHighlight);
    horizontalLine(cr, 1, whole.right - 1, whole.bottom - 2, palette::kAboutRule);
}

void drawAccent(cairo_t* cr, Rect whole) {
    fillRect(cr, {2, kAccentTop, whole.right - 2, kAccentTop + kAccentHeight}, palette::kSignal);
}

// Two overlapping rings, the family's sign for a stereo image, between two
// short rules.
void drawEmblem(cairo_t* cr, Rect whole) {
    double cx = whole.centreX(), cy = kEmblemRow + 0.5;
    cairo_set_line_width(cr, 1.0);
    setColour(cr, palette::kPrint);
    for (double dx : {-kEmblemSpread, kEmblemSpread}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + dx, cy, kEmblemRadius, 0, 2 * M_PI);
    }
    cairo_stroke(cr);
    int reach = static_cast<int>(kEmblemSpread + kEmblemRadius) + kEmblemRuleGap;
    int mid = static_cast<int>(cx);
    horizontalLine(cr, mid - reach - kEmblemRuleLength, mid - reach, kEmblemRow,
                   palette::kAboutRule);
    horizontalLine(cr, mid + reach, mid + reach + kEmblemRuleLength, kEmblemRow,
                   palette::kAboutRule);
}

}  // namespace

void drawAboutImage(Canvas& canvas) {
    Rect whole{0, 0, canvas.size().width, canvas.size().height};
    cairo_t* cr = canvas.cr();
    drawPaper(cr, whole);
    drawAccent(cr, whole);
    drawEmblem(cr, whole);
}

}  // namespace art
