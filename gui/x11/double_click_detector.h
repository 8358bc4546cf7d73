// Tells a double click from two single ones: a second left press within
// 400 ms and 4 pixels of the first. A third press starts over.
#pragma once

#include <cstdint>

namespace gui::x11 {

class DoubleClickDetector {
public:
    static constexpr uint32_t kMaxIntervalMs = 400;
    static constexpr int kMaxDistancePixels = 4;

    // A left press at server time `timeMs`; true when it completes a double click.
    bool leftPress(uint32_t timeMs, int x, int y);
    // Any other button pressed in between breaks the pair.
    void otherPress() { armed_ = false; }

private:
    bool armed_ = false;
    uint32_t timeMs_ = 0;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace gui::x11
