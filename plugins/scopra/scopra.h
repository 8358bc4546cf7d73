// The stereo image analyser effect: four parameters steering the displays,
// sixteen host programs, the audio passed through unchanged and measured by
// the engine, and the automatic goniometer level written back into the level
// parameter. No processing lock: see ScopraEngine for the threads.
#pragma once

#include <atomic>

#include "host/parameter_table.h"
#include "plugins/scopra/scopra_engine.h"
#include "plugins/scopra/scopra_parameters.h"
#include "plugins/scopra/scopra_program_bank.h"

class Scopra : public ParameterShell<scopra::ScopraEngine, scopra::kNumParams, AudioEffectX> {
public:
    explicit Scopra(audioMasterCallback audioMaster);

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;
    void suspend() override;
    void resume() override;
    void setSampleRate(float sampleRateHz) override;

    void setProgram(VstInt32 program) override;
    VstInt32 getProgram() override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    // For the editor: the goniometer's linear gain.
    float scopeGain() const { return getDerivedValue(scopra::kParamLevel); }
    // The measurement and its consumer side (bursts, readings, display
    // values, the capture clear).
    scopra::ScopraEngine& measurement() { return engine; }

protected:
    // Every value set, a program's own included, goes into the current program.
    void rememberInProgram(VstInt32 index, float value) override {
        programs.setValue(getProgram(), index, value);
    }

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void applyAutomaticLevel(float level);
    void askHostAfterReset();

    std::atomic<VstInt32> currentProgram{0};
    scopra::ProgramBank programs;
};
