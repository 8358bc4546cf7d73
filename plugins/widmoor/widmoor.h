// The stereo image enhancer effect (AComb): parameters, programs and the
// comb engine behind the processing lock.
#pragma once

#include "plugins/widmoor/widmoor_engine.h"
#include "plugins/widmoor/widmoor_parameters.h"
#include "presets/effect_shell.h"

class AComb : public EffectShell<widmoor::WidmoorEngine, widmoor::kNumParams> {
public:
    explicit AComb(audioMasterCallback audioMaster);


    void suspend() override;
    void resume() override;

    float widthMeter() const { return engine.meter(); }
    int delaySamples() const { return engine.delaySamples(); }
};
