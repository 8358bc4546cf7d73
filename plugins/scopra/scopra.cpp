#include "plugins/scopra/scopra.h"

#include <new>

#include "plugins/scopra/scopra_editor.h"

using namespace scopra;

Scopra::Scopra(audioMasterCallback audioMaster)
    : ParameterShell(audioMaster, kNumPrograms, kIdentity, kParameterRows) {
    engine.setSampleRate(getSampleRate());
    updateBlockSize();
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) scopra::ADEditor(this));
    setProgram(0);
    suspend();
}

void Scopra::setProgram(VstInt32 program) {
    if (!ProgramBank::known(program)) return;
    currentProgram.store(program, std::memory_order_relaxed);
    curProgram = program;
    for (VstInt32 k = 0; k < kNumParams; ++k) setParameter(k, programs.value(program, k));
}

VstInt32 Scopra::getProgram() { return currentProgram.load(std::memory_order_relaxed); }

void Scopra::setProgramName(char* name) { programs.setName(getProgram(), name); }

// Host buffers for program names hold kVstMaxProgNameLen bytes.
void Scopra::getProgramName(char* name) {
    programs.displayName(getProgram(), name, kVstMaxProgNameLen);
}

bool Scopra::getProgramNameIndexed(VstInt32, VstInt32 index, char* text) {
    if (!ProgramBank::known(index)) return false;
    programs.copyName(index, text, kVstMaxProgNameLen);
    return true;
}

void Scopra::setSampleRate(float sampleRateHz) {
    AudioEffectX::setSampleRate(sampleRateHz);
    engine.setSampleRate(sampleRateHz);
}

// The level the measurement chose goes into the parameter and the current
// program without telling host or editor; the editor polls it.
void Scopra::applyAutomaticLevel(float level) { applyValue(kParamLevel, level); }

template <typename Sample>
void Scopra::processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames) {
    if (const auto level = engine.process<Sample>(inputs, outputs, sampleFrames))
        applyAutomaticLevel(*level);
}

void Scopra::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Scopra::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Scopra::askHostAfterReset() {
    getOutputLatency();
    updateBlockSize();
}

void Scopra::suspend() {
    engine.suspendReset();
    if (editor) editor->resetMeters();
    askHostAfterReset();
}

void Scopra::resume() {
    engine.resumeReset();
    askHostAfterReset();
}
