#include "preset_bar_images.h"

#include "art_style.h"
#include "key.h"
#include "shapes.h"
#include "stacked.h"
#include "text.h"

namespace art {

namespace {

constexpr KeyLook kPushLooks[kPushButtonStates] = {KeyLook::Plain, KeyLook::Hover, KeyLook::On};

struct RockerState {
    KeyLook left, right;
};
constexpr RockerState kRockerLooks[kRockerStates] = {
    {KeyLook::Plain, KeyLook::Plain}, {KeyLook::Hover, KeyLook::Plain},
    {KeyLook::Plain, KeyLook::Hover}, {KeyLook::On, KeyLook::Plain},
    {KeyLook::Plain, KeyLook::On}};

// The cap of one half of the rocker: the whole key's cap, clipped to the half,
// so only the outer corners are rounded.
void drawRockerHalf(cairo_t* cr, Rect cell, Rect half, KeyLook look, Glyph glyph) {
    cairo_save(cr);
    cairo_rectangle(cr, half.left, half.top, half.width(), half.height());
    cairo_clip(cr);
    drawKeyCap(cr, cell, look, palette::kBarPanel);
    cairo_restore(cr);
    drawGlyph(cr, glyph, half, keyInk(look));
}

}  // namespace

void drawGlyphButton(Canvas& canvas, Glyph glyph) {
    drawStacked(canvas, kPushButtonStates, [glyph](cairo_t* cr, Rect cell, int k) {
        drawKeyCap(cr, cell, kPushLooks[k], palette::kBarPanel);
        drawGlyph(cr, glyph, cell, keyInk(kPushLooks[k]));
    });
}

void drawLabelButton(Canvas& canvas, const std::string& label) {
    drawStacked(canvas, kPushButtonStates, [&label](cairo_t* cr, Rect cell, int k) {
        drawKeyCap(cr, cell, kPushLooks[k], palette::kBarPanel);
        TextStyle text = style::kBarButtonLabel;
        text.ink = keyInk(kPushLooks[k]);
        drawTextCentred(cr, text, label, cell.centreX(), cell.centreY());
    });
}

void drawRocker(Canvas& canvas) {
    drawStacked(canvas, kRockerStates, [](cairo_t* cr, Rect cell, int k) {
        int divider = cell.left + cell.width() / 2;
        Rect left{cell.left, cell.top, divider, cell.bottom};
        Rect right{divider + 1, cell.top, cell.right, cell.bottom};
        drawRockerHalf(cr, cell, left, kRockerLooks[k].left, Glyph::Previous);
        drawRockerHalf(cr, cell, right, kRockerLooks[k].right, Glyph::Next);
        verticalLine(cr, divider, cell.top, cell.bottom, palette::kKeyRim);
    });
}

}  // namespace art
