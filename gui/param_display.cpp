#include "gui/param_display.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr CCoord kShadowShift = 1;
}  // namespace

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
    : CControl(size, nullptr, 0, background), font(kNormalFont), style(style) {}

void CParamDisplay::setFont(CFontRef newFont) {
    if (!newFont) return;
    font = newFont;
    setDirty();
}

void CParamDisplay::setFontColor(const CColor& color) {
    fontColor = color;
    setDirty();
}

void CParamDisplay::setBackColor(const CColor& color) {
    backColor = color;
    setDirty();
}

void CParamDisplay::setFrameColor(const CColor& color) {
    frameColor = color;
    setDirty();
}

void CParamDisplay::setShadowColor(const CColor& color) {
    shadowColor = color;
    setDirty();
}

void CParamDisplay::setHoriAlign(CHoriTxtAlign align) {
    horiAlign = align;
    setDirty();
}

void CParamDisplay::setBackOffset(const CPoint& offset) {
    backOffset = offset;
    setDirty();
}

void CParamDisplay::setStyle(int32_t newStyle) {
    style = newStyle;
    setDirty();
}

void CParamDisplay::setTransparency(bool enabled) {
    transparent = enabled;
    setDirty();
}

void CParamDisplay::setValueToStringProc(CParamDisplayValueToStringProc proc, void* userData) {
    valueToString = proc;
    valueToStringUserData = userData;
    setDirty();
}

void CParamDisplay::valueToText(float shown, char text[kTextCapacity]) const {
    text[0] = 0;
    if (valueToString && valueToString(shown, text, valueToStringUserData)) {
        text[kTextCapacity - 1] = 0;
        return;
    }
    std::snprintf(text, kTextCapacity, "%2.2f", shown);
}

void CParamDisplay::draw(CDrawContext* context) {
    textShown_ = !(style & kNoDrawStyle);
    if (textShown_) {
        valueToText(value, shownText_);
        drawBack(context);
        drawText(context, shownText_);
    }
    setDirty(false);
}

bool CParamDisplay::isDirty() const {
    if (!CControl::isDirty()) return false;
    if (CView::isDirty() || !textShown_) return true;
    char text[kTextCapacity];
    valueToText(value, text);
    return std::strcmp(text, shownText_) != 0;
}

void CParamDisplay::drawBack(CDrawContext* context) {
    if (CBitmap* background = getBackground()) {
        background->draw(context, size, backOffset);
        return;
    }
    if (transparent) return;
    context->setFillColor(backColor);
    context->drawRect(size, kDrawFilled);
    if (!(style & (k3DIn | k3DOut | kNoFrame))) {
        context->setLineWidth(1);
        context->setFrameColor(frameColor);
        context->drawRect(size);
    }
}

void CParamDisplay::drawText(CDrawContext* context, const char* text) {
    if ((style & kNoTextStyle) || !text || !*text) return;
    context->setFont(font.get());
    if (style & kShadowText) {
        CRect shadow = size;
        shadow.offset(kShadowShift, kShadowShift);
        context->setFontColor(shadowColor);
        context->drawString(text, shadow, horiAlign, antialias);
    }
    context->setFontColor(fontColor);
    context->drawString(text, size, horiAlign, antialias);
}
