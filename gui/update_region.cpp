#include "gui/update_region.h"

#include <utility>

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
