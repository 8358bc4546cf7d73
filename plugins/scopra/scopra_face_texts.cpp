#include "plugins/scopra/scopra_face_texts.h"

#include <cmath>
#include <cstdio>

namespace scopra {

namespace {

constexpr float kSilentGain = 0.00000001f;
constexpr double kSilentPeak = 1.0 / 65536.0;  // 2^-16
constexpr const char* kChannelWords[] = {"L", "S", "R", "M", "level"};
constexpr int kChannelWordCount = sizeof(kChannelWords) / sizeof(kChannelWords[0]);

// "%d" of the decibels of `value` truncated toward zero, with `unit`;
// "-oo" for silence (at or below `silent`, or NaN) and "+oo" above every
// finite level.
void decibelText(float value, double silent, const char* unit, char* text) {
    if (!(value > silent))
        std::snprintf(text, kFaceTextBytes, "-oo%s", unit);
    else if (std::isinf(value))
        std::snprintf(text, kFaceTextBytes, "+oo%s", unit);
    else
        std::snprintf(text, kFaceTextBytes, "%d%s", static_cast<int>(20.0 * std::log10(value)),
                      unit);
}

}  // namespace

void gainText(float gain, char* text) { decibelText(gain, kSilentGain, " dB", text); }

void peakText(float peak, char* text) { decibelText(peak, kSilentPeak, "", text); }

bool channelWordText(float value, char* text) {
    if (!(value >= 0.f && value < kChannelWordCount)) return false;
    std::snprintf(text, kFaceTextBytes, "%s", kChannelWords[static_cast<int>(value)]);
    return true;
}

}  // namespace scopra
