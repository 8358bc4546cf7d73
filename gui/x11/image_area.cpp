#include "gui/x11/image_area.h"

#include <algorithm>

namespace gui::x11 {

ImageArea clipArea(ImageArea area, int imageWidth, int imageHeight, int windowWidth,
                   int windowHeight) {
    const int right = std::min({area.x + area.width, imageWidth, windowWidth});
    const int bottom = std::min({area.y + area.height, imageHeight, windowHeight});
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

}  // namespace gui::x11
