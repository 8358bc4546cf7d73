#include "plugins/scopra/scopra.h"

#include <new>

#include "dsp/switch_state.h"
#include "editor/editor_requests.h"
#include "host/aeff_editor.h"
#include "host/identity.h"
#include "plugins/scopra/scopra_editor.h"

using namespace scopra;

namespace {

void store(std::atomic<float>& target, float value) {
    target.store(value, std::memory_order_relaxed);
}

float load(const std::atomic<float>& value) { return value.load(std::memory_order_relaxed); }

}  // namespace

Scopra::Scopra(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    setNumInputs(2);
    setNumOutputs(2);
    setIdentity(kScopraIdentity);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    for (int k = 0; k < kNumParams; ++k) store(values[k], kInitialValues[k]);
    engine.setSampleRate(getSampleRate());
    updateBlockSize();
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) scopra::ADEditor(this));
    setProgram(0);
    suspend();
}

Scopra::~Scopra() {
    if (editor) editor->close();
}

VstIntPtr Scopra::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) {
    if (opcode == effVendorSpecific) return answerVendorRequest(editor, index, value, ptr);
    return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
}

void Scopra::setParameter(VstInt32 index, float value) {
    EngineControls& c = engine.controls;
    switch (index) {
        case kParamLevel: store(c.scopeGain, scopeGainForLevel(value)); break;
        case kParamAuto: store(c.autoOn, switchState(value)); break;
        case kParamHold: store(holdOn, switchState(value)); break;
        case kParamMode: store(c.modeSM, switchState(value)); break;
        default: break;
    }
    if (knownParameter(index)) {
        store(values[index], value);
        programs.setValue(getProgram(), index, value);
    }
    if (editor) editor->parameterChanged(index, value);
}

float Scopra::getParameter(VstInt32 index) {
    return knownParameter(index) ? load(values[index]) : 0.0f;
}

float Scopra::getDerivedValue(VstInt32 index) const {
    const EngineControls& c = engine.controls;
    switch (index) {
        case kParamLevel: return load(c.scopeGain);
        case kParamAuto: return load(c.autoOn);
        case kParamHold: return load(holdOn);
        case kParamMode: return load(c.modeSM);
        default: return 0.0f;
    }
}

void Scopra::getParameterName(VstInt32 index, char* text) { parameterName(index, text); }
void Scopra::getParameterLabel(VstInt32 index, char* text) { parameterLabel(index, text); }

void Scopra::getParameterDisplay(VstInt32 index, char* text) {
    if (knownParameter(index)) parameterDisplay(index, getParameter(index), text);
}

ParameterKind Scopra::parameterKind(VstInt32 index) const {
    return index == kParamLevel ? ParameterKind::kContinuous : ParameterKind::kSwitch;
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
void Scopra::applyAutomaticLevel(float level) {
    store(values[kParamLevel], level);
    programs.setValue(getProgram(), kParamLevel, level);
    store(engine.controls.scopeGain, scopeGainForLevel(level));
}

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
