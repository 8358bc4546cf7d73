// The mono-to-stereo effect: parameters, programs and the engine behind the
// processing lock.
#pragma once

#include <cstdint>

#include "plugins/duplimo/duplimo_engine.h"
#include "plugins/duplimo/duplimo_parameters.h"
#include "presets/effect_shell.h"

class Duplimo
    : public EffectShell<duplimo::DuplimoEngine, duplimo::kNumSlots, duplimo::kNumParams> {
public:
    explicit Duplimo(audioMasterCallback audioMaster);

    void suspend() override;
    void resume() override;

    float monoSideReading() const { return engine.monoSideReading(); }
    int32_t delaySamples() const {
        return engine.controls.delaySamples.load(std::memory_order_relaxed);
    }
};
