#include "gui/x11/double_click_detector.h"

#include <cstdlib>

namespace gui::x11 {

bool DoubleClickDetector::leftPress(uint32_t timeMs, int x, int y) {
    // Unsigned difference: correct across the wrap of the 32-bit server clock.
    const bool isDouble = armed_ && timeMs - timeMs_ <= kMaxIntervalMs &&
                          std::abs(x - x_) <= kMaxDistancePixels &&
                          std::abs(y - y_) <= kMaxDistancePixels;
    armed_ = !isDouble;
    timeMs_ = timeMs;
    x_ = x;
    y_ = y;
    return isDouble;
}

}  // namespace gui::x11
