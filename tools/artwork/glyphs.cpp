#include "glyphs.h"

#include <cstring>

#include "shapes.h"

namespace art {

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

}  // namespace art
