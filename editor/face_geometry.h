// Rectangles and points of an editor face written as constant tables: the
// layouts give every position in pixels of the background bitmap.
#pragma once

#include "gui/geometry.h"

struct FaceRect {
    CCoord left;
    CCoord top;
    CCoord right;
    CCoord bottom;

    CRect rect() const { return CRect(left, top, right, bottom); }
    CPoint topLeft() const { return CPoint(left, top); }
};

struct FacePoint {
    CCoord x;
    CCoord y;

    CPoint point() const { return CPoint(x, y); }
};
