#include "level_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "art_style.h"
#include "shapes.h"
#include "text.h"

namespace art {

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

}  // namespace art
