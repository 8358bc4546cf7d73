// Pixel rectangles in the notation of the editor layouts: (left, top, right,
// bottom), right and bottom exclusive.
#pragma once

#include "gui/geometry.h"

namespace art {

struct Rect {
    int left, top, right, bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
    Rect inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    Rect outset(int d) const { return inset(-d); }
};

struct Size {
    int width, height;
};

// A place from an editor's layout (whole pixels there) as a drawing rectangle.
constexpr Rect toArtRect(const FaceRect& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

}  // namespace art
