#include "graticule.h"

#include "art_style.h"
#include "shapes.h"
#include "text.h"

namespace art {

namespace {

constexpr int kCentreX = 88, kCentreY = 80;
constexpr int kFullScale = 60;    // 100%
constexpr int kHalfScale = 30;    // 50%
constexpr int kVerticalReach = 66;
constexpr int kHorizontalReach = 84;
constexpr int kDiagonalReach = 54;
constexpr int kTickHalf = 3;
constexpr int kTickLabelGap = 3;
constexpr int kLabelGap = 6;      // from an axis' end to its label's centre

void plot(cairo_t* cr, int x, int y) {
    fillRect(cr, {x, y, x + 1, y + 1}, palette::kGraticule);
}

void drawAxes(cairo_t* cr) {
    verticalLine(cr, kCentreX, kCentreY - kVerticalReach, kCentreY + kVerticalReach + 1,
                 palette::kGraticule);
    horizontalLine(cr, kCentreX - kHorizontalReach, kCentreX + kHorizontalReach + 1, kCentreY,
                   palette::kGraticule);
    for (int k = 1; k <= kDiagonalReach; ++k) {
        plot(cr, kCentreX - k, kCentreY - k);
        plot(cr, kCentreX + k, kCentreY - k);
        plot(cr, kCentreX - k, kCentreY + k);
        plot(cr, kCentreX + k, kCentreY + k);
    }
}

void drawTick(cairo_t* cr, int distance, const char* text) {
    for (int y : {kCentreY - distance, kCentreY + distance}) {
        horizontalLine(cr, kCentreX - kTickHalf, kCentreX + kTickHalf + 1, y, palette::kGraticule);
        drawTextFrom(cr, style::kGraticuleLabel, text, kCentreX + kTickHalf + kTickLabelGap,
                     y + 0.5);
    }
}

void label(cairo_t* cr, const char* text, double cx, double cy) {
    drawTextCentred(cr, style::kGraticuleLabel, text, cx, cy);
}

void drawLabels(cairo_t* cr) {
    label(cr, "+M", kCentreX + 0.5, kCentreY - kVerticalReach - kLabelGap);
    label(cr, "\u2212M", kCentreX + 0.5, kCentreY + kVerticalReach + kLabelGap);
    label(cr, "+S", kCentreX - kHorizontalReach + kLabelGap, kCentreY - kLabelGap);
    label(cr, "\u2212S", kCentreX + kHorizontalReach - kLabelGap, kCentreY - kLabelGap);
    int d = kDiagonalReach + kLabelGap;
    label(cr, "+L", kCentreX - d, kCentreY - d);
    label(cr, "+R", kCentreX + d, kCentreY - d);
    label(cr, "\u2212R", kCentreX - d, kCentreY + d);
    label(cr, "\u2212L", kCentreX + d, kCentreY + d);
}

}  // namespace

void drawGraticule(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    fillRect(cr, {0, 0, canvas.size().width, canvas.size().height},
             withAlpha(palette::kScreen, palette::kGraticuleWash));
    drawAxes(cr);
    drawTick(cr, kHalfScale, "50%");
    drawTick(cr, kFullScale, "100%");
    drawLabels(cr);
}

}  // namespace art
