#include "switch_image.h"

#include "art_style.h"
#include "stacked.h"
#include "text.h"

namespace art {

Size switchImageSize(int width, int states) {
    return {width, states * style::kSwitchStateHeight};
}

void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states) {
    drawStacked(canvas, static_cast<int>(states.size()), [&](cairo_t* cr, Rect cell, int k) {
        const KeyFace& face = states[k];
        drawKeyCap(cr, cell, face.look, palette::kWellFloor);
        TextStyle label = style::kSwitchLabel;
        label.ink = keyInk(face.look);
        drawTextCentred(cr, label, face.label, cell.centreX(), cell.centreY());
    });
}

std::vector<KeyFace> onOffFaces(const std::string& label) {
    return {{label, KeyLook::Off}, {label, KeyLook::On}};
}

}  // namespace art
