#include "preset_bar_images.h"

#include "art_style.h"
#include "key.h"
#include "shapes.h"
#include "split_key.h"
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

HalfFace glyphHalf(KeyLook look, Glyph glyph) {
    return {look, [glyph](cairo_t* cr, Rect half, Colour ink) { drawGlyph(cr, glyph, half, ink); }};
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
        TextStyle text = style::kSmallKeyLabel;
        text.ink = keyInk(kPushLooks[k]);
        drawTextCentred(cr, text, label, cell.centreX(), cell.centreY());
    });
}

void drawRocker(Canvas& canvas) {
    drawStacked(canvas, kRockerStates, [](cairo_t* cr, Rect cell, int k) {
        drawSplitKey(cr, cell, palette::kBarPanel, glyphHalf(kRockerLooks[k].left, Glyph::Previous),
                     glyphHalf(kRockerLooks[k].right, Glyph::Next));
    });
}

}  // namespace art
