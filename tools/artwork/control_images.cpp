#include "control_images.h"

#include <cmath>
#include <cstring>

#include "art_style.h"
#include "drawing.h"

namespace art {

// --- keys --------------------------------------------------------------------

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

// --- split keys --------------------------------------------------------------

namespace {

// The whole key's cap clipped to one half, so only the outer corners round.
void drawHalf(cairo_t* cr, Rect cell, Rect half, Colour ground, const HalfFace& face) {
    cairo_save(cr);
    cairo_rectangle(cr, half.left, half.top, half.width(), half.height());
    cairo_clip(cr);
    drawKeyCap(cr, cell, face.look, ground);
    cairo_restore(cr);
    face.content(cr, half, keyInk(face.look));
}

}  // namespace

void drawSplitKey(cairo_t* cr, Rect cell, Colour ground, const HalfFace& left,
                  const HalfFace& right) {
    int divider = cell.left + cell.width() / 2;
    drawHalf(cr, cell, {cell.left, cell.top, divider, cell.bottom}, ground, left);
    drawHalf(cr, cell, {divider + 1, cell.top, cell.right, cell.bottom}, ground, right);
    verticalLine(cr, divider, cell.top, cell.bottom, palette::kKeyRim);
}

// --- stacked states ----------------------------------------------------------

void drawStacked(Canvas& canvas, int states,
                 const std::function<void(cairo_t*, Rect cell, int state)>& drawState) {
    Size size = canvas.size();
    int height = size.height / states;
    for (int k = 0; k < states; ++k) {
        cairo_save(canvas.cr());
        drawState(canvas.cr(), {0, k * height, size.width, (k + 1) * height}, k);
        cairo_restore(canvas.cr());
    }
}

// --- glyphs ------------------------------------------------------------------

namespace {

// A glyph as rows of '#' (ink) and '.' (nothing), all of one length.
struct PixelGlyph {
    int height;
    const char* rows[8];
};

constexpr PixelGlyph kSave{8, {"..##..", "..##..", "..##..", "######", ".####.", "..##..",
                               "......", "######"}};
constexpr PixelGlyph kLoad{8, {"######", "......", "..##..", ".####.", "######", "..##..",
                               "..##..", "..##.."}};
constexpr PixelGlyph kStore{6, {".####.", "######", "######", "######", "######", ".####."}};
constexpr PixelGlyph kRight{7, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}};
constexpr PixelGlyph kLeft{7, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}};

const PixelGlyph& pixels(Glyph glyph) {
    switch (glyph) {
        case Glyph::Save: return kSave;
        case Glyph::Load: return kLoad;
        case Glyph::Store: return kStore;
        case Glyph::Previous: return kLeft;
        case Glyph::Recall:
        case Glyph::Next: break;
    }
    return kRight;
}

}  // namespace

void drawGlyph(cairo_t* cr, Glyph glyph, Rect cell, Colour ink) {
    const PixelGlyph& g = pixels(glyph);
    int width = static_cast<int>(std::strlen(g.rows[0]));
    int left = cell.left + (cell.width() - width) / 2;
    int top = cell.top + (cell.height() - g.height) / 2;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < width; ++x)
            if (g.rows[y][x] == '#') fillRect(cr, {left + x, top + y, left + x + 1, top + y + 1}, ink);
}

// --- switches ----------------------------------------------------------------

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

// --- preset bar buttons ------------------------------------------------------

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

// --- slider handles ----------------------------------------------------------

namespace {

void drawCapBody(cairo_t* cr, Rect cap) {
    roundedRectPath(cr, cap, style::kHandleRadius);
    setVerticalGradient(cr, cap, palette::kCapTop, palette::kCapBottom);
    cairo_fill(cr);
    strokeRoundedRect(cr, cap, style::kHandleRadius, palette::kCapRim);
}

void drawCapHighlight(cairo_t* cr, Rect cap) {
    int inner = static_cast<int>(style::kHandleRadius) + 1;
    horizontalLine(cr, inner, cap.right - inner, 1, palette::kCapTop);
    horizontalLine(cr, inner, cap.right - inner, cap.bottom - 2,
                   withAlpha(palette::kCapRim, 0.35));
}

// Two pixels wide, centred, across the long side of the cap.
void drawIndexLine(cairo_t* cr, Rect cap) {
    const int inset = style::kHandleIndexInset, thick = style::kHandleIndexWidth;
    if (cap.height() > cap.width()) {
        int left = cap.width() / 2 - thick / 2;
        fillRect(cr, {left, inset, left + thick, cap.bottom - inset}, palette::kCapIndex);
    } else {
        int top = cap.height() / 2 - thick / 2;
        fillRect(cr, {inset, top, cap.right - inset, top + thick}, palette::kCapIndex);
    }
}

}  // namespace

void drawSliderHandle(Canvas& canvas) {
    const Rect cap = canvas.bounds();
    cairo_t* cr = canvas.cr();
    drawCapBody(cr, cap);
    drawCapHighlight(cr, cap);
    drawIndexLine(cr, cap);
}

// --- meter strips ------------------------------------------------------------

namespace {

// Columns of the scale mark for division k of kMeterDivisions; the centre
// mark takes the two columns either side of the middle, the others the
// column that holds their position, so the scale is mirror-symmetric.
struct Columns {
    int left, right;  // right exclusive
};

Columns markColumns(int k, int width) {
    if (2 * k == style::kMeterDivisions) return {width / 2 - 1, width / 2 + 1};
    int x = static_cast<int>(std::floor(double(width) * k / style::kMeterDivisions));
    return {x, x + 1};
}

int markLength(int k) {
    return k % 2 == 0 ? style::kMeterMajorTick : style::kMeterMinorTick;
}

void drawScale(cairo_t* cr, Size strip, Colour ink) {
    for (int k = 1; k < style::kMeterDivisions; ++k) {
        Columns cols = markColumns(k, strip.width);
        int length = markLength(k);
        fillRect(cr, {cols.left, 0, cols.right, length}, ink);
        fillRect(cr, {cols.left, strip.height - length, cols.right, strip.height}, ink);
    }
}

Rect barRect(Size strip) {
    return {0, style::kMeterBarTop, strip.width, style::kMeterBarBottom};
}

void drawUnlitBar(cairo_t* cr, Size strip) {
    fillRect(cr, barRect(strip), palette::kMeterTrack);
}

void drawLitBar(cairo_t* cr, Size strip) {
    Rect bar = barRect(strip);
    fillRectGradient(cr, bar, palette::kSignalBright, palette::kSignalDeep);
    horizontalLine(cr, 0, strip.width, bar.top, palette::kSignalBright);
    horizontalLine(cr, 0, strip.width, bar.top + 1, palette::kSignal);
}

}  // namespace

void drawMeterStrip(Canvas& canvas, bool lit) {
    cairo_t* cr = canvas.cr();
    Size strip = canvas.size();
    fillRect(cr, {0, 0, strip.width, strip.height}, palette::kWellFloor);
    if (lit) {
        drawLitBar(cr, strip);
        drawScale(cr, strip, palette::kMeterScaleLit);
    } else {
        drawUnlitBar(cr, strip);
        drawScale(cr, strip, palette::kMeterScale);
    }
}

// --- about image -------------------------------------------------------------

namespace {

constexpr int kAccentTop = 3;
constexpr int kAccentHeight = 2;
constexpr int kEmblemRow = 70;         // centre row of the emblem band
constexpr double kEmblemRadius = 4.5;
constexpr double kEmblemSpread = 3.5;  // distance of each ring from the centre
constexpr int kEmblemRuleGap = 6;
constexpr int kEmblemRuleLength = 60;

void drawPaper(cairo_t* cr, Rect whole) {
    fillRect(cr, whole, palette::kPanelOutline);
    fillRect(cr, whole.inset(1), palette::kAboutPaper);
    horizontalLine(cr, 1, whole.right - 1, 1, palette::kPanelHighlight);
    horizontalLine(cr, 1, whole.right - 1, whole.bottom - 2, palette::kAboutRule);
}

void drawAccent(cairo_t* cr, Rect whole) {
    fillRect(cr, {2, kAccentTop, whole.right - 2, kAccentTop + kAccentHeight}, palette::kSignal);
}

// Two overlapping rings, the family's sign for a stereo image, between two
// short rules.
void drawEmblem(cairo_t* cr, Rect whole) {
    double cx = whole.centreX(), cy = kEmblemRow + 0.5;
    cairo_set_line_width(cr, 1.0);
    setColour(cr, palette::kPrint);
    for (double dx : {-kEmblemSpread, kEmblemSpread}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + dx, cy, kEmblemRadius, 0, 2 * M_PI);
    }
    cairo_stroke(cr);
    int reach = static_cast<int>(kEmblemSpread + kEmblemRadius) + kEmblemRuleGap;
    int mid = static_cast<int>(cx);
    horizontalLine(cr, mid - reach - kEmblemRuleLength, mid - reach, kEmblemRow,
                   palette::kAboutRule);
    horizontalLine(cr, mid + reach, mid + reach + kEmblemRuleLength, kEmblemRow,
                   palette::kAboutRule);
}

}  // namespace

void drawAboutImage(Canvas& canvas) {
    const Rect whole = canvas.bounds();
    cairo_t* cr = canvas.cr();
    drawPaper(cr, whole);
    drawAccent(cr, whole);
    drawEmblem(cr, whole);
}

}  // namespace art
