#include "plugins/scopra/scopra_parameters.h"

#include <cmath>

#include "plugins/scopra/scopra_engine.h"

namespace scopra {

namespace {

constexpr float kDisplayOffsetDecibels = -6.0f;

// The goniometer level in dB as the editor's gain display and the host show it.
void levelDisplay(float v, float, char* text) {
    const float decibels = 20.0f * std::log10(scopeGainForLevel(v)) + kDisplayOffsetDecibels;
    formatFixedDecimals(decibels, 2, text);
}

}  // namespace

using E = ScopraEngine;

const ParameterRow<ScopraEngine> kParameterRows[kNumParams] = {
    fader<E>("level", "    dB   ", kInitialLevel, scopeGainForLevel,
             [](E& e, float v) { storeControl(e.controls.scopeGain, scopeGainForLevel(v)); },
             levelDisplay),
    toggle<E>("auto", "         ", 0.0f,
              [](E& e, float v) { storeControl(e.controls.autoOn, switchState(v)); }, "On",
              "Off"),
    toggle<E>("hold", "         ", 0.0f, nullptr, "On", "Off"),
    toggle<E>("LR/SM", "         ", 0.0f,
              [](E& e, float v) { storeControl(e.controls.modeSM, switchState(v)); }, "SM",
              "LR"),
};

}  // namespace scopra
