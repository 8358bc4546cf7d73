#include "plugins/solvane/solvane_face_texts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace solvane {

namespace {

constexpr const char* kLabelWords[] = {"S",    "M",     "L",      "R",     "width",
                                       "gain", "balan", "stabil", "center"};
constexpr int kLabelCount = sizeof(kLabelWords) / sizeof(kLabelWords[0]);
constexpr double kSilentGain = 1e-8;
constexpr double kCentreLow = 0.499, kCentreHigh = 0.501;

using face_text::integerPart;

}  // namespace

void labelText(float value, char* text) {
    const double whole = std::trunc(static_cast<double>(value));
    const bool known = whole >= 0.0 && whole < kLabelCount;
    std::strcpy(text, known ? kLabelWords[static_cast<int>(whole)] : "");
}

void decibelText(float value, char* text) {
    if (value > kSilentGain)
        std::snprintf(text, kFaceTextBytes, "%d dB", integerPart(20.0 * std::log10(value)));
    else
        std::strcpy(text, "-oo dB");
}

void sideText(float value, char* text) {
    const double x = value;
    if (x > kCentreLow && x < kCentreHigh)
        std::strcpy(text, "C");
    else if (x >= kCentreHigh)
        std::snprintf(text, kFaceTextBytes, "L%d", integerPart(98.0 * x - 48.0));
    else
        std::snprintf(text, kFaceTextBytes, "R%d", 50 - integerPart(100.0 * x));
}

}  // namespace solvane
