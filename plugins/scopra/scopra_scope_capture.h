// The goniometer capture buffer and its hand-over between the audio thread
// and the editor. The write index encodes whose turn it is:
//   511 .. 0  filling: only the audio thread touches the points;
//   -1        full: only the consumer touches them, and hands them back by
//             storing 511 after its copy.
// The audio thread publishes its index with release after writing a block's
// points and reads it with acquire, and the consumer does the same the other
// way round, so every point of a burst is visible to the consumer no later
// than the index -1, and the consumer's copy is complete before the audio
// thread writes again.
#pragma once

#include <atomic>
#include <cstdint>

namespace scopra {

// One goniometer point: whole pixel distances from the centre, stored as
// doubles (x -85 .. 83, y -76 .. 76).
struct ScopePoint {
    double x;
    double y;
};

constexpr int kScopePoints = 512;
constexpr int32_t kFirstScopeIndex = kScopePoints - 1;
constexpr int32_t kScopeFull = -1;

class ScopeCapture {
public:
    // Audio thread: the position to fill next, or -1 while the last burst
    // has not been taken.
    int32_t beginWriting() const { return writeIndex_.load(std::memory_order_acquire); }
    // Fills position `index` (>= 0) and moves on to the next one.
    void put(int32_t& index, const ScopePoint& point) {
        points_[index] = point;
        --index;
    }
    // Publishes the points written since beginWriting returned `startIndex`.
    void endWriting(int32_t startIndex, int32_t index) {
        if (index != startIndex) writeIndex_.store(index, std::memory_order_release);
    }

    // Consumer: the current write index (-1: a burst is waiting).
    int32_t writeIndex() const { return writeIndex_.load(std::memory_order_acquire); }
    // Copies all points of a waiting burst into `out` and starts the next
    // burst; false, with `out` untouched, when no burst is waiting.
    bool takeBurst(ScopePoint (&out)[kScopePoints]);

    // Resets; the caller keeps the audio thread out while they run.
    void clearPoints();
    void rearm() { writeIndex_.store(kFirstScopeIndex, std::memory_order_release); }

private:
    ScopePoint points_[kScopePoints] = {};
    std::atomic<int32_t> writeIndex_{kFirstScopeIndex};
};

}  // namespace scopra
