#include "tools/kvx/progress_reporter.h"

namespace kvx {

namespace {

constexpr int kFullPercent = 100;

}  // namespace

bool shouldShowProgress(bool requested, bool onTerminal, double inputSeconds) {
    return requested || (onTerminal && inputSeconds >= kLongInputSeconds);
}

ProgressReporter::ProgressReporter(bool enabled, int64_t totalFrames, FILE* out)
    : enabled_(enabled && totalFrames > 0), totalFrames_(totalFrames), out_(out) {}

void ProgressReporter::update(int64_t framesDone) {
    if (!enabled_) return;
    const int percent = static_cast<int>(kFullPercent * framesDone / totalFrames_);
    if (percent != shownPercent_ && percent < kFullPercent) show(percent);
}

void ProgressReporter::finish() {
    if (!enabled_) return;
    show(kFullPercent);
    std::fputc('\n', out_);
    std::fflush(out_);
    enabled_ = false;
}

void ProgressReporter::show(int percent) {
    shownPercent_ = percent;
    std::fprintf(out_, "\rkvx: rendering %3d%%", percent);
    std::fflush(out_);
}

}  // namespace kvx
