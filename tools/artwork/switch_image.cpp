#include "switch_image.h"

#include "art_style.h"
#include "split_key.h"
#include "stacked.h"
#include "text.h"

namespace art {

namespace {

void drawLabel(cairo_t* cr, Rect area, const std::string& text, Colour ink) {
    TextStyle label =
        area.height() < style::kSwitchStateHeight ? style::kSmallKeyLabel : style::kSwitchLabel;
    label.ink = ink;
    drawTextCentred(cr, label, text, area.centreX(), area.centreY());
}

HalfFace labelHalf(const std::string& text, bool lit) {
    return {lit ? KeyLook::On : KeyLook::Plain,
            [text](cairo_t* cr, Rect half, Colour ink) { drawLabel(cr, half, text, ink); }};
}

}  // namespace

Size switchImageSize(int width, int states) {
    return {width, states * style::kSwitchStateHeight};
}

void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states, Colour ground) {
    drawStacked(canvas, static_cast<int>(states.size()), [&](cairo_t* cr, Rect cell, int k) {
        drawKeyCap(cr, cell, states[k].look, ground);
        drawLabel(cr, cell, states[k].label, keyInk(states[k].look));
    });
}

void drawSplitSelectorImage(Canvas& canvas, const std::string& first, const std::string& second,
                            Colour ground) {
    drawStacked(canvas, 2, [&](cairo_t* cr, Rect cell, int k) {
        drawSplitKey(cr, cell, ground, labelHalf(first, k == 0), labelHalf(second, k == 1));
    });
}

std::vector<KeyFace> onOffFaces(const std::string& label) {
    return {{label, KeyLook::Off}, {label, KeyLook::On}};
}

}  // namespace art
