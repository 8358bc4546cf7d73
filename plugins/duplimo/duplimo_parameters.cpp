#include "plugins/duplimo/duplimo_parameters.h"

#include "plugins/duplimo/duplimo_engine.h"

namespace duplimo {

const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms] = {
    {"init", {0.0f, 0.5f, 0.0f, 1, 0}},
    {"mix 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"mix 2", {0.5f, 0.61f, 0.12f, 1, 0}},
    {"mix 3", {0.6f, 0.15f, 0.5f, 1, 0}},
    {"room 1", {0.75f, 0.2f, 0.5f, 1, 0}},
    {"room 2", {0.5f, 0.11f, 0.5f, 1, 0}},
    {"room 3", {0.63f, 0.64f, 0.0f, 1, 0}},
    {"techno space 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"techno space 2", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"piano 1", {0.6f, 0.24f, 0.0f, 1, 0}},
    {"piano 2", {0.75f, 0.15f, 0.24f, 1, 0}},
    {"piano 3", {0.75f, 0.58f, 0.3f, 1, 0}},
    {"guitar 1", {0.55f, 0.8f, 0.0f, 1, 0}},
    {"guitar 2", {0.6f, 0.23f, 0.0f, 1, 0}},
    {"guitar 3", {1.0f, 0.44f, 0.5f, 1, 0}},
    {"bas 1", {0.4f, 0.5f, 0.0f, 1, 0}},
    {"bas 2", {0.65f, 0.18f, 0.37f, 1, 0}},
    {"bas 3", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"bas 4", {0.6f, 0.52f, 0.19f, 1, 0}},
    {"kick 1", {0.5f, 0.38f, 0.0f, 1, 0}},
    {"kick 2", {0.7f, 0.35f, 0.2f, 1, 0}},
    {"toms", {0.7f, 0.5f, 0.25f, 1, 0}},
    {"over heads 1", {0.8f, 0.3f, 0.4f, 1, 0}},
    {"over heads 2", {0.9f, 0.38f, 0.6f, 1, 0}},
};

namespace {

constexpr double kFrequencySpanHz = 980.0;
constexpr double kLowestFrequencyHz = 20.0;
constexpr int kDisplayDecimals = 2;

void frequencyDisplay(float v, float, char* text) {
    formatFixedDecimals(baseFrequencyHz(v), kDisplayDecimals, text);
}

}  // namespace

float baseFrequencyHz(float v) {
    const double x = static_cast<double>(v);
    return static_cast<float>(kFrequencySpanHz * x * x + kLowestFrequencyHz);
}

const ParameterRow<DuplimoEngine> kParameterRows[kNumSlots] = {
    fader<DuplimoEngine>(
        "width", "    %   ", 0.0f, sideGain,
        [](DuplimoEngine& e, float v) { storeControl(e.controls.sideGain, sideGain(v)); },
        percentDisplay),
    fader<DuplimoEngine>(
        "baseFreq", "    Hz   ", 0.5f, baseFrequencyHz,
        [](DuplimoEngine& e, float v) { e.setBaseFrequency(baseFrequencyHz(v)); },
        frequencyDisplay),
    fader<DuplimoEngine>(
        "emphasis", "    %    ", 0.0f, emphasisCoefficient,
        [](DuplimoEngine& e, float v) {
            storeControl(e.controls.emphasis, emphasisCoefficient(v));
        },
        percentDisplay),
    toggle<DuplimoEngine>(
        "process", "         ", 1.0f,
        [](DuplimoEngine& e, float v) { storeControl(e.controls.process, switchState(v)); },
        "On", "Off"),
    toggle<DuplimoEngine>(
        "phase", "         ", 0.0f,
        [](DuplimoEngine& e, float v) { storeControl(e.controls.phase, switchState(v)); },
        "On", "Off"),
    noParameter<DuplimoEngine>(),
    storedOnly<DuplimoEngine>("  ", "  "),
};

}  // namespace duplimo
