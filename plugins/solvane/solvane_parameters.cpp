#include "plugins/solvane/solvane_parameters.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "plugins/solvane/solvane_engine.h"

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

const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms] = {
    {"init", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"extended width", {0.625f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"reduced width", {0.375f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"balanse to the left", {0.5f, 0.5f, 0.7f, 0.5f, 0.5f, 1, 1, 0, 0}},
    {"balanse to the right", {0.5f, 0.5f, 0.3f, 0.5f, 0.5f, 1, 1, 0, 0}},
    {"side bal left", {0.5f, 0.5f, 0.5f, 0.75f, 0.5f, 1, 0, 0, 0}},
    {"side bal right", {0.5f, 0.5f, 0.5f, 0.25f, 0.5f, 1, 0, 0, 0}},
    {"center shift left", {0.5f, 0.5f, 0.5f, 0.5f, 0.8f, 1, 0, 0, 0}},
    {"center shift right", {0.5f, 0.5f, 0.5f, 0.5f, 0.2f, 1, 0, 0, 0}},
    {"out of phase", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 1}},
    {"swapped", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 1, 0, 0}},
};

namespace {

// "20L", "20R" or "C" for the three position parameters.
void positionDisplay(float v, float, char* text) {
    if (v > 0.51) {
        formatFixedDecimals(100.0f * v - 50.0f, 0, text);
        std::strcat(text, "L");
    } else if (v < 0.49) {
        formatFixedDecimals(50.0f - 100.0f * v, 0, text);
        std::strcat(text, "R");
    } else {
        std::strcpy(text, "C");
    }
}

// The host shows 4 v^2 computed as written here: the face's 2 * widthFactor(v)
// rounds differently for millions of values and would change their texts.
void widthDisplay(float v, float, char* text) { formatFixedDecimals(400.0f * v * v, 2, text); }

void gainDisplay(float v, float, char* text) { formatFixedDecimals(24.0f * (v - 0.5f), 2, text); }

// The face's width read-out holds 2 W.
float faceWidth(float v) { return 2.f * widthFactor(v); }

}  // namespace

float gainFactor(float v) {
    return static_cast<float>(std::pow(10.0, 1.2 * (static_cast<double>(v) - 0.5)));
}

using E = SolvaneEngine;

const ParameterRow<SolvaneEngine> kParameterRows[kNumParams] = {
    withFace(fader<E>("width", "    %   ", 0.5f, widthFactor,
                      [](E& e, float v) { storeControl(e.controls.width, widthFactor(v)); },
                      widthDisplay),
             faceWidth, percentText),
    withFace(fader<E>("gain", "   dB   ", 0.5f, gainFactor,
                      [](E& e, float v) { storeControl(e.controls.gain, gainFactor(v)); },
                      gainDisplay),
             gainFactor, decibelText),
    withFace(fader<E>("balance", "       ", 0.5f, upperFactor,
                      [](E& e, float v) {
                          storeControl(e.controls.balanceLeft, upperFactor(v));
                          storeControl(e.controls.balanceRight, lowerFactor(v));
                      },
                      positionDisplay),
             nullptr, sideText),
    withFace(fader<E>("stability", "         ", 0.5f, upperFactor,
                      [](E& e, float v) {
                          storeControl(e.controls.sideLeft, upperFactor(v));
                          storeControl(e.controls.sideRight, lowerFactor(v));
                      },
                      positionDisplay),
             nullptr, sideText),
    withFace(fader<E>("centerPos", "         ", 0.5f, centreLeftFactor,
                      [](E& e, float v) {
                          storeControl(e.controls.centreLeft, centreLeftFactor(v));
                          storeControl(e.controls.centreRight, centreRightFactor(v));
                      },
                      positionDisplay),
             nullptr, sideText),
    withFace(toggle<E>("process", "         ", 1.0f,
                       [](E& e, float v) { storeControl(e.controls.process, switchState(v)); },
                       "On", "Off"),
             faceSwitchValue, nullptr),
    withFace(toggle<E>("phase", "         ", 0.0f,
                       [](E& e, float v) { storeControl(e.controls.swap, switchState(v)); },
                       "On", "Off"),
             faceSwitchValue, nullptr),
    withFace(toggle<E>("-L", "    ", 0.0f,
                       [](E& e, float v) { storeControl(e.controls.invertLeft, switchState(v)); },
                       "-L", "+L"),
             faceSwitchValue, nullptr),
    withFace(toggle<E>("-R", "    ", 0.0f,
                       [](E& e, float v) { storeControl(e.controls.invertRight, switchState(v)); },
                       "-R", "+R"),
             faceSwitchValue, nullptr),
};

}  // namespace solvane
