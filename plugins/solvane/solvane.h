// The stereo image controller effect: parameters, programs and the engine
// behind the processing lock.
#pragma once

#include "plugins/solvane/solvane_engine.h"
#include "plugins/solvane/solvane_parameters.h"
#include "presets/effect_shell.h"

class Solvane : public EffectShell<solvane::SolvaneEngine, solvane::kNumParams> {
public:
    explicit Solvane(audioMasterCallback audioMaster);

    void suspend() override;
    void resume() override;

    float midSideReading() const { return engine.midSideReading(); }
    float leftRightReading() const { return engine.leftRightReading(); }

private:
    void resetEngine(float reading);
};
