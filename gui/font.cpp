#include "gui/font.h"

CFontDesc::CFontDesc(const char* name, CCoord size, int32_t style)
    : name_(name ? name : ""), size_(size), style_(style) {}

namespace {

constexpr const char* kStandardFamily = "Arial";

CFontDesc gSystemFont(kStandardFamily, 12);
CFontDesc gNormalFontVeryBig(kStandardFamily, 18);
CFontDesc gNormalFontBig(kStandardFamily, 14);
CFontDesc gNormalFont(kStandardFamily, 12);
CFontDesc gNormalFontSmall(kStandardFamily, 11);
CFontDesc gNormalFontSmaller(kStandardFamily, 10);
CFontDesc gNormalFontVerySmall(kStandardFamily, 9);

}  // namespace

const CFontRef kSystemFont = &gSystemFont;
const CFontRef kNormalFontVeryBig = &gNormalFontVeryBig;
const CFontRef kNormalFontBig = &gNormalFontBig;
const CFontRef kNormalFont = &gNormalFont;
const CFontRef kNormalFontSmall = &gNormalFontSmall;
const CFontRef kNormalFontSmaller = &gNormalFontSmaller;
const CFontRef kNormalFontVerySmall = &gNormalFontVerySmall;
