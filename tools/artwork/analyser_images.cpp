#include "analyser_images.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "art_style.h"
#include "backgrounds.h"
#include "drawing.h"

namespace art {

void drawAnalyserBackground(Canvas& canvas, const AnalyserFace& face) {
    cairo_t* cr = canvas.cr();
    drawPanel(cr, face.size);
    drawWell(cr, face.screen);
    fillRect(cr, face.screen, palette::kScreen);
    drawWells(cr, face.meters);
    drawLevelScale(cr, face.meters.front(), face.meters.back());
    drawGroovePath(cr, face.levelGroove);
    drawTitle(cr, face.product, face.title, face.size);
}

namespace {
constexpr double kDecibelsPerDecade = 40.0;  // square root of the amplitude
constexpr int kTickLength = 2;
constexpr int kTickGap = 2;  // from the meter to its ticks, past the well
}  // namespace

const std::vector<LevelMark>& levelMarks() {
    static const std::vector<LevelMark> marks{
        {0, "0"},     {-3, "\u22123"},   {-6, "\u22126"},   {-12, "\u221212"},
        {-18, "\u221218"}, {-24, "\u221224"}, {-36, "\u221236"},
        {-std::numeric_limits<double>::infinity(), "\u2212oo"}};
    return marks;
}

int levelMarkRow(int height, double decibels) {
    double lit = height * std::pow(10.0, decibels / kDecibelsPerDecade);
    return height - std::max(1, static_cast<int>(std::lround(lit)));
}

void drawLevelScale(cairo_t* cr, Rect leftMeter, Rect rightMeter) {
    double numbersX = (leftMeter.right + rightMeter.left) / 2.0;
    for (const LevelMark& mark : levelMarks()) {
        int row = leftMeter.top + levelMarkRow(leftMeter.height(), mark.decibels);
        int outerLeft = leftMeter.left - kTickGap - kTickLength;
        horizontalLine(cr, outerLeft, outerLeft + kTickLength, row, palette::kPrint);
        drawTextCentred(cr, style::kScaleNumber, mark.text, numbersX, row + 0.5);
    }
}

namespace {

void drawTicks(cairo_t* cr, Size strip, Colour ink) {
    for (const LevelMark& mark : levelMarks())
        horizontalLine(cr, 0, strip.width, levelMarkRow(strip.height, mark.decibels), ink);
}

void fillAcross(cairo_t* cr, Size strip, Colour left, Colour right) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, strip.width, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, left.r, left.g, left.b);
    cairo_pattern_add_color_stop_rgb(p, 1, right.r, right.g, right.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, 0, 0, strip.width, strip.height);
    cairo_fill(cr);
}

}  // namespace

void drawLevelTrack(Canvas& canvas, TrackLook look) {
    cairo_t* cr = canvas.cr();
    Size strip = canvas.size();
    switch (look) {
        case TrackLook::Unlit:
            fillRect(cr, {0, 0, strip.width, strip.height}, palette::kLevelTrack);
            drawTicks(cr, strip, palette::kLevelTrackMark);
            break;
        case TrackLook::Lit:
            fillAcross(cr, strip, palette::kLevelBarLight, palette::kLevelBarDeep);
            drawTicks(cr, strip, palette::kLevelBarMark);
            break;
        case TrackLook::Peak:
            fillRect(cr, {0, 0, strip.width, strip.height}, palette::kLevelPeak);
            break;
    }
}

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
    fillRect(cr, canvas.bounds(), withAlpha(palette::kScreen, palette::kGraticuleWash));
    drawAxes(cr);
    drawTick(cr, kHalfScale, "50%");
    drawTick(cr, kFullScale, "100%");
    drawLabels(cr);
}

}  // namespace art
