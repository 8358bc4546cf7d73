// Points and rectangles of the widget layer, in pixels of the frame. A
// rectangle covers left <= x < right and top <= y < bottom. The Face types
// below are the same written as constant tables: the face layouts give
// every position in pixels of the background bitmap, as plain data that the
// artwork tool reads too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using CCoord = double;

struct CRect;

struct CPoint {
    CCoord x = 0;
    CCoord y = 0;

    CPoint() = default;
    CPoint(CCoord px, CCoord py) : x(px), y(py) {}

    CPoint& offset(CCoord dx, CCoord dy) {
        x += dx;
        y += dy;
        return *this;
    }
    bool isInside(const CRect& rect) const;

    CPoint operator+(const CPoint& other) const { return {x + other.x, y + other.y}; }
    CPoint operator-(const CPoint& other) const { return {x - other.x, y - other.y}; }
    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const CPoint& other) const { return !(*this == other); }
};

struct CRect {
    CCoord left = 0;
    CCoord top = 0;
    CCoord right = 0;
    CCoord bottom = 0;

    CRect() = default;
    CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}
    CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y) {}

    CCoord width() const { return right - left; }
    CCoord height() const { return bottom - top; }
    CCoord getWidth() const { return width(); }
    CCoord getHeight() const { return height(); }
    void setWidth(CCoord w) { right = left + w; }
    void setHeight(CCoord h) { bottom = top + h; }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getBottomRight() const { return {right, bottom}; }
    CPoint getSize() const { return {width(), height()}; }

    CRect& offset(CCoord dx, CCoord dy);
    CRect& moveTo(CCoord x, CCoord y);
    // Moves every edge inwards by dx (left and right) and dy (top and bottom).
    CRect& inset(CCoord dx, CCoord dy);
    // Shrinks this rectangle to its intersection with `other`; an empty
    // intersection leaves a rectangle of zero width or height.
    CRect& bound(const CRect& other);
    // Grows this rectangle to the smallest one holding both.
    CRect& unite(const CRect& other);

    bool isEmpty() const { return right <= left || bottom <= top; }
    bool pointInside(const CPoint& where) const;
    bool rectOverlap(const CRect& other) const;

    bool operator==(const CRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const CRect& other) const { return !(*this == other); }
};

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

// The parts of the frame that need drawing again: a short list of
// rectangles; overlapping or touching ones merge, and past a handful the
// list collapses into its bounding rectangle.
class UpdateRegion {
public:
    void add(const CRect& rect);
    bool empty() const { return rects_.empty(); }
    // The rectangles, leaving the region empty.
    std::vector<CRect> take();

private:
    static constexpr std::size_t kMaxRects = 16;
    std::vector<CRect> rects_;
};
