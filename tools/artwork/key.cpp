#include "key.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

struct CapColours {
    Colour top, bottom;
};

CapColours capColours(KeyLook look) {
    switch (look) {
        case KeyLook::On: return {palette::kKeyOnTop, palette::kKeyOnBottom};
        case KeyLook::Hover: return {palette::kKeyHoverTop, palette::kKeyHoverBottom};
        case KeyLook::Off:
        case KeyLook::Plain: break;
    }
    return {palette::kKeyOffTop, palette::kKeyOffBottom};
}

}  // namespace

void drawKeyCap(cairo_t* cr, Rect cell, KeyLook look, Colour ground) {
    fillRect(cr, cell, ground);
    CapColours colours = capColours(look);
    roundedRectPath(cr, cell, style::kKeyRadius);
    setVerticalGradient(cr, cell, colours.top, colours.bottom);
    cairo_fill(cr);
    strokeRoundedRect(cr, cell, style::kKeyRadius, palette::kKeyRim);
}

Colour keyInk(KeyLook look) {
    return look == KeyLook::Off ? palette::kKeyTextOff : palette::kKeyTextOn;
}

}  // namespace art
