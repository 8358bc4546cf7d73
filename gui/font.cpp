#include "gui/font.h"

CFontDesc::CFontDesc(const char* name, CCoord size, int32_t style)
    : name_(name ? name : ""), size_(size), style_(style) {}

CFontDesc::CFontDesc(const CFontDesc& other)
    : CBaseObject(), name_(other.name_), size_(other.size_), style_(other.style_) {}

CFontDesc::CFontDesc(Shared, const char* name, CCoord size)
    : CBaseObject(Uncounted{}), name_(name), size_(size), style_(kNormalFace), shared_(true) {}

namespace {

constexpr const char* kStandardFamily = "Arial";

CFontDesc gSystemFont(CFontDesc::Shared{}, kStandardFamily, 12);
CFontDesc gNormalFontVeryBig(CFontDesc::Shared{}, kStandardFamily, 18);
CFontDesc gNormalFontBig(CFontDesc::Shared{}, kStandardFamily, 14);
CFontDesc gNormalFont(CFontDesc::Shared{}, kStandardFamily, 12);
CFontDesc gNormalFontSmall(CFontDesc::Shared{}, kStandardFamily, 11);
CFontDesc gNormalFontSmaller(CFontDesc::Shared{}, kStandardFamily, 10);
CFontDesc gNormalFontVerySmall(CFontDesc::Shared{}, kStandardFamily, 9);

}  // namespace

const CFontRef kSystemFont = &gSystemFont;
const CFontRef kNormalFontVeryBig = &gNormalFontVeryBig;
const CFontRef kNormalFontBig = &gNormalFontBig;
const CFontRef kNormalFont = &gNormalFont;
const CFontRef kNormalFontSmall = &gNormalFontSmall;
const CFontRef kNormalFontSmaller = &gNormalFontSmaller;
const CFontRef kNormalFontVerySmall = &gNormalFontVerySmall;
