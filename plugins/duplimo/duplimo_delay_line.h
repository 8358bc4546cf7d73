// The mono delay line of the mono-to-stereo engine: 16384 32-bit samples on
// the family's power-of-two ring, written and read once per frame. The line
// holds only finite values: a sample that is not finite as a 32-bit float
// (NaN, an infinity, a 64-bit value beyond the 32-bit range) is stored as 0,
// so a burst of bad input never echoes one period later.
#pragma once

#include <cstdint>

#include "dsp/delay_ring.h"

namespace duplimo {

class DuplimoDelayLine {
public:
    static constexpr uint32_t kSamples = 16384;
    using Ring = DelayRing<kSamples>;

    // Working copy of the write position for one block; the engine keeps it in
    // a register and hands it back with finish().
    struct Cursor {
        Ring* ring;
        uint32_t write;

        // Stores `x` at the write position, returns the sample written `delay`
        // frames earlier (the one just stored for a delay of 0) and advances.
        float pushAndRead(float x, int32_t delay) {
            ring->put(write, x);
            const float delayed = ring->at(write - static_cast<uint32_t>(delay));
            write = Ring::wrap(write + 1);
            return delayed;
        }
    };

    Cursor begin() { return Cursor{&ring_, write_}; }
    void finish(const Cursor& cursor) { write_ = Ring::wrap(cursor.write); }
    void clear() { ring_.clear(); }

private:
    Ring ring_;
    uint32_t write_ = 0;
};

}  // namespace duplimo
