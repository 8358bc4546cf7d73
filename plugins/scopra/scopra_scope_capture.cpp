#include "plugins/scopra/scopra_scope_capture.h"

#include <algorithm>

namespace scopra {

bool ScopeCapture::takeBurst(ScopePoint (&out)[kScopePoints]) {
    if (writeIndex_.load(std::memory_order_acquire) != kScopeFull) return false;
    std::copy(points_, points_ + kScopePoints, out);
    writeIndex_.store(kFirstScopeIndex, std::memory_order_release);
    return true;
}

void ScopeCapture::clearPoints() { std::fill(points_, points_ + kScopePoints, ScopePoint{0.0, 0.0}); }

}  // namespace scopra
