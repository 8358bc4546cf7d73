#include "switch_image.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

void drawKey(cairo_t* cr, Rect cell, const KeyFace& face) {
    fillRect(cr, cell, palette::kWellFloor);
    Rect key = cell.inset(style::kKeyInset);
    roundedRectPath(cr, key, style::kKeyRadius);
    setVerticalGradient(cr, key, face.lit ? palette::kKeyOnTop : palette::kKeyOffTop,
                        face.lit ? palette::kKeyOnBottom : palette::kKeyOffBottom);
    cairo_fill(cr);
    strokeRoundedRect(cr, key, style::kKeyRadius, palette::kKeyRim);
    const TextStyle& text = face.lit ? style::kSwitchLabelOn : style::kSwitchLabelOff;
    drawTextCentred(cr, text, face.label, key.centreX(), key.centreY());
}

}  // namespace

Size switchImageSize(int width, int states) {
    return {width, states * style::kSwitchStateHeight};
}

void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states) {
    int width = canvas.size().width;
    for (size_t k = 0; k < states.size(); ++k) {
        int top = static_cast<int>(k) * style::kSwitchStateHeight;
        drawKey(canvas.cr(), {0, top, width, top + style::kSwitchStateHeight}, states[k]);
    }
}

std::vector<KeyFace> onOffFaces(const std::string& label) {
    return {{label, false}, {label, true}};
}

}  // namespace art
