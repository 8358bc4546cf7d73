#include "gui/geometry.h"

#include <algorithm>
#include <utility>

bool CPoint::isInside(const CRect& rect) const { return rect.pointInside(*this); }

CRect& CRect::offset(CCoord dx, CCoord dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
    return *this;
}

CRect& CRect::moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }

CRect& CRect::inset(CCoord dx, CCoord dy) {
    left += dx;
    right -= dx;
    top += dy;
    bottom -= dy;
    return *this;
}

CRect& CRect::bound(const CRect& other) {
    left = std::max(left, other.left);
    top = std::max(top, other.top);
    right = std::max(left, std::min(right, other.right));
    bottom = std::max(top, std::min(bottom, other.bottom));
    return *this;
}

CRect& CRect::unite(const CRect& other) {
    if (other.isEmpty()) return *this;
    if (isEmpty()) return *this = other;
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
    return *this;
}

bool CRect::pointInside(const CPoint& where) const {
    return where.x >= left && where.x < right && where.y >= top && where.y < bottom;
}

bool CRect::rectOverlap(const CRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

namespace {

bool touches(const CRect& a, const CRect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

}  // namespace

void UpdateRegion::add(const CRect& rect) {
    if (rect.isEmpty()) return;
    CRect merged = rect;
    // Absorb every rectangle the growing one touches, until none is left.
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            if (!touches(merged, rects_[i])) continue;
            merged.unite(rects_[i]);
            rects_.erase(rects_.begin() + static_cast<long>(i));
            grew = true;
            break;
        }
    }
    rects_.push_back(merged);
    if (rects_.size() > kMaxRects) {
        CRect bounds = rects_.front();
        for (const CRect& r : rects_) bounds.unite(r);
        rects_.assign(1, bounds);
    }
}

std::vector<CRect> UpdateRegion::take() { return std::exchange(rects_, {}); }
