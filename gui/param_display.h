// Shows its value as one line of text over a background: the background
// bitmap drawn from the back offset, or else a filled rectangle in the back
// colour with a frame. The text comes from a value-to-text procedure, or is
// the value with two decimals when there is none or it declines.
#pragma once

#include "gui/control.h"

// Writes the text for `value` into `text` (at most 255 bytes and the
// terminating zero); false to fall back to the default text.
using CParamDisplayValueToStringProc = bool (*)(float value, char text[256], void* userData);

class CParamDisplay : public CControl {
public:
    static constexpr int kTextCapacity = 256;

    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);

    void draw(CDrawContext* context) override;
    // A new value that still reads as the text on show leaves the display
    // clean: readouts fed on every tick redraw only when their text changes.
    bool isDirty() const override;

    void setFont(CFontRef font);
    CFontRef getFont() const { return font.get(); }
    void setFontColor(const CColor& color);
    CColor getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color);
    CColor getBackColor() const { return backColor; }
    void setFrameColor(const CColor& color);
    CColor getFrameColor() const { return frameColor; }
    void setShadowColor(const CColor& color);
    CColor getShadowColor() const { return shadowColor; }
    void setHoriAlign(CHoriTxtAlign align);
    CHoriTxtAlign getHoriAlign() const { return horiAlign; }
    void setBackOffset(const CPoint& offset);
    const CPoint& getBackOffset() const { return backOffset; }
    void setStyle(int32_t newStyle);
    int32_t getStyle() const { return style; }
    // Without a background bitmap, draw no background at all.
    void setTransparency(bool transparent);
    void setAntialias(bool enabled) { antialias = enabled; }
    void setValueToStringProc(CParamDisplayValueToStringProc proc, void* userData = nullptr);

    // The text the display shows for `value`.
    void valueToText(float value, char text[kTextCapacity]) const;

    CLASS_METHODS(CParamDisplay, CControl)

protected:
    void drawBack(CDrawContext* context);
    void drawText(CDrawContext* context, const char* text);

    SharedPointer<CFontDesc> font;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CColor shadowColor = kRedCColor;
    CHoriTxtAlign horiAlign = kCenterText;
    CPoint backOffset;
    int32_t style;
    bool transparent = false;
    bool antialias = true;
    CParamDisplayValueToStringProc valueToString = nullptr;
    void* valueToStringUserData = nullptr;

private:
    char shownText_[kTextCapacity] = {};
    bool textShown_ = false;  // shownText_ is what this class's draw put on the face
};
