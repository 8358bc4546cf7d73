#include "tools/kvx/level_meter.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kvx {

namespace {

constexpr double kDecibelsPerDecade = 20.0;

double toDbfs(double linear) {
    if (linear <= 0.0) return -std::numeric_limits<double>::infinity();
    return kDecibelsPerDecade * std::log10(linear);
}

}  // namespace

// A NaN sample makes the peak NaN for good, so that a broken output shows.
void LevelMeter::keepPeak(double magnitude) {
    if (std::isnan(peak_)) return;
    if (std::isnan(magnitude) || magnitude > peak_) peak_ = magnitude;
}

void LevelMeter::add(const double* left, const double* right, size_t frames) {
    for (size_t i = 0; i < frames; ++i) {
        keepPeak(std::fabs(left[i]));
        keepPeak(std::fabs(right[i]));
        sumOfSquares_ += left[i] * left[i] + right[i] * right[i];
    }
    samples_ += static_cast<int64_t>(2 * frames);
}

double LevelMeter::peakDbfs() const { return toDbfs(peak_); }

double LevelMeter::rmsDbfs() const {
    if (samples_ == 0) return toDbfs(0.0);
    return toDbfs(std::sqrt(sumOfSquares_ / static_cast<double>(samples_)));
}

std::string describeLevels(const LevelMeter& meter) {
    char text[96];
    std::snprintf(text, sizeof text, "peak %.2f dBFS, RMS %.2f dBFS", meter.peakDbfs(),
                  meter.rmsDbfs());
    return text;
}

}  // namespace kvx
