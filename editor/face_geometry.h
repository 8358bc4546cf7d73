// Rectangles and points of an editor face written as constant tables: the
// layouts give every position in pixels of the background bitmap.
#pragma once

#include <cstdint>

#include "gui/geometry.h"

struct FaceRect {
    CCoord left;
    CCoord top;
    CCoord right;
    CCoord bottom;

    CRect rect() const { return CRect(left, top, right, bottom); }
    CPoint topLeft() const { return CPoint(left, top); }
    // The same rectangle in whole pixels, as any aggregate of four ints
    // (the artwork tool draws the face from the editor's own layout).
    template <typename PixelRect>
    constexpr PixelRect pixels() const {
        return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom)};
    }
};

struct FacePoint {
    CCoord x;
    CCoord y;

    CPoint point() const { return CPoint(x, y); }
};

// Where a face puts its about screen.
struct AboutPlacement {
    FaceRect clickArea;
    int32_t tag;
    int bitmapId;
    FaceRect displayArea;
    FacePoint imageSource;
    FacePoint textOrigin;  // where the text block starts inside the shown image
};
