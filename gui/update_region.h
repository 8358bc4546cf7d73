// The parts of the frame that need drawing again: a short list of
// rectangles; overlapping or touching ones merge, and past a handful the
// list collapses into its bounding rectangle.
#pragma once

#include <cstddef>
#include <vector>

#include "gui/geometry.h"

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
