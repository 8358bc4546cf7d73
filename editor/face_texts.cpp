#include "editor/face_texts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace face_text {

namespace {

constexpr double kLargestInt = 2147483647.0;
constexpr double kPercent = 100.0;
constexpr double kHertzPerKilohertz = 1000.0;
constexpr double kKilohertzPerHertz = 0.001;
constexpr double kTenthsPerHertz = 0.01;  // hertz past whole kilohertz to tenths

// Below 10 Hz the read-out shows decimals: below each limit, the fraction
// of a hertz is written scaled by its factor.
struct FractionStep {
    double below;
    double fractionScale;
};
constexpr FractionStep kFractionSteps[] = {{0.2, 1000.0}, {1.0, 100.0}, {10.0, 10.0}};

}  // namespace

int integerPart(double value) {
    if (!(std::fabs(value) < kLargestInt)) return 0;
    return static_cast<int>(value);
}

void percentText(float value, char* text) {
    std::snprintf(text, kTextBytes, "%d%%", integerPart(value * kPercent));
}

void frequencyText(float value, char* text) {
    const double hertz = value;
    const int whole = integerPart(hertz);
    for (const FractionStep& step : kFractionSteps) {
        if (hertz < step.below) {
            std::snprintf(text, kTextBytes, "%d.%dHz", whole,
                          integerPart((hertz - whole) * step.fractionScale));
            return;
        }
    }
    if (hertz < kHertzPerKilohertz) {
        std::snprintf(text, kTextBytes, "%dHz", whole);
        return;
    }
    const int kilohertz = integerPart(hertz * kKilohertzPerHertz);
    std::snprintf(text, kTextBytes, "%d.%dkHz", kilohertz,
                  integerPart((hertz - kHertzPerKilohertz * kilohertz) * kTenthsPerHertz));
}

void wordText(int n, const char* const* words, int count, char* text) {
    std::strcpy(text, n >= 0 && n < count ? words[n] : "");
}

}  // namespace face_text
