// The stereo image analyser effect: four parameters steering the displays,
// sixteen host programs, the audio passed through unchanged and measured by
// the engine, and the automatic goniometer level written back into the level
// parameter. No processing lock: see ScopraEngine for the threads.
#pragma once

#include <atomic>

#include "host/audio_effect.h"
#include "plugins/scopra/scopra_engine.h"
#include "plugins/scopra/scopra_parameters.h"
#include "plugins/scopra/scopra_program_bank.h"

class Scopra : public AudioEffectX {
public:
    explicit Scopra(audioMasterCallback audioMaster);
    ~Scopra() override;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;
    void suspend() override;
    void resume() override;
    void setSampleRate(float sampleRateHz) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;

    void setProgram(VstInt32 program) override;
    VstInt32 getProgram() override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;


    // For the editor: the engine value derived from parameter `index`
    // (scopeGain, autoOn, holdOn, modeSM); 0 for an unknown index.
    float getDerivedValue(VstInt32 index) const;
    float scopeGain() const { return getDerivedValue(scopra::kParamLevel); }
    // The measurement and its consumer side (bursts, readings, display
    // values, the capture clear).
    scopra::ScopraEngine& measurement() { return engine; }

protected:
    ParameterKind parameterKind(VstInt32 index) const override;

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void applyAutomaticLevel(float level);
    void askHostAfterReset();

    std::atomic<float> values[scopra::kNumParams];  // raw values as last set
    std::atomic<float> holdOn{0.0f};                // the only derived value the engine ignores
    std::atomic<VstInt32> currentProgram{0};
    scopra::ProgramBank programs;
    scopra::ScopraEngine engine;
};
