// A percentage on one line of standard error, rewritten as rendering goes.
#pragma once

#include <cstdint>
#include <cstdio>

namespace kvx {

// Inputs at least this long show progress on a terminal without asking.
constexpr double kLongInputSeconds = 30.0;

// Progress is shown when asked for, or on a terminal for a long input.
bool shouldShowProgress(bool requested, bool onTerminal, double inputSeconds);

class ProgressReporter {
public:
    // A disabled reporter, or a total of 0 frames, prints nothing.
    ProgressReporter(bool enabled, int64_t totalFrames, FILE* out = stderr);
    void update(int64_t framesDone);
    // Shows 100% and ends the line.
    void finish();

private:
    void show(int percent);

    bool enabled_;
    int64_t totalFrames_;
    FILE* out_;
    int shownPercent_ = -1;
};

}  // namespace kvx
