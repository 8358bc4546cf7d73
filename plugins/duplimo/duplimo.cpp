#include "plugins/duplimo/duplimo.h"

#include <new>

#include "dsp/switch_state.h"
#include "editor/editor_requests.h"
#include "host/aeff_editor.h"
#include "host/identity.h"
#include "platform/denormals.h"
#include "plugins/duplimo/duplimo_editor.h"

using namespace duplimo;

Duplimo::Duplimo(audioMasterCallback audioMaster)
    : CPresetSystemEffect(audioMaster, kNumPrograms, kNumParams), engine(getSampleRate()) {
    setNumInputs(2);
    setNumOutputs(2);
    setIdentity(kDuplimoIdentity);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    for (int k = 0; k < kNumParams; ++k)
        values[k].store(kFactoryPrograms[0].values[k], std::memory_order_relaxed);
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) duplimo::ADEditor(this));
    updateBlockSize();
    loadStartingPrograms();
}

Duplimo::~Duplimo() {
    if (editor) editor->close();
}

VstIntPtr Duplimo::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt) {
    if (opcode == effVendorSpecific) return answerVendorRequest(editor, index, value, ptr);
    return CPresetSystemEffect::dispatcher(opcode, index, value, ptr, opt);
}

void Duplimo::initFactoryPrograms() {
    for (int p = 0; p < kNumPrograms; ++p)
        setFactoryProgram(p, kFactoryPrograms[p].name, kFactoryPrograms[p].values);
}

std::atomic<float>* Duplimo::storedValue(VstInt32 index) {
    if (index == kExtraValue) return &extraValue;
    if (index >= 0 && index < kNumParams) return &values[index];
    return nullptr;
}

void Duplimo::updateEngine(VstInt32 index, float value) {
    EngineControls& c = engine.controls;
    auto store = [](std::atomic<float>& target, float v) {
        target.store(v, std::memory_order_relaxed);
    };
    switch (index) {
        case kWidth: store(c.sideGain, sideGain(value)); break;
        case kBaseFreq: engine.setBaseFrequency(baseFrequencyHz(value)); break;
        case kEmphasis: store(c.emphasis, emphasisCoefficient(value)); break;
        case kProcess: store(c.process, switchState(value)); break;
        case kPhase: store(c.phase, switchState(value)); break;
        default: break;
    }
}

void Duplimo::setParameter(VstInt32 index, float value) {
    if (!isApplyingProgram()) CPresetSystemEffect::setParameter(index, value);
    if (std::atomic<float>* stored = storedValue(index)) {
        stored->store(value, std::memory_order_relaxed);
        updateEngine(index, value);
    }
    if (editor) editor->parameterChanged(index, value);
}

float Duplimo::getParameter(VstInt32 index) {
    const std::atomic<float>* stored = storedValue(index);
    return stored ? stored->load(std::memory_order_relaxed) : 0.0f;
}

float Duplimo::getDerivedValue(VstInt32 index) const {
    const EngineControls& c = engine.controls;
    auto load = [](const std::atomic<float>& value) {
        return value.load(std::memory_order_relaxed);
    };
    switch (index) {
        case kWidth: return load(c.sideGain);
        case kBaseFreq: return load(c.baseFrequencyHz);
        case kEmphasis: return load(c.emphasis);
        case kProcess: return load(c.process);
        case kPhase: return load(c.phase);
        case kExtraValue: return load(extraValue);
        default: return 0.0f;
    }
}

void Duplimo::getParameterName(VstInt32 index, char* text) { parameterName(index, text); }
void Duplimo::getParameterLabel(VstInt32 index, char* text) { parameterLabel(index, text); }

void Duplimo::getParameterDisplay(VstInt32 index, char* text) {
    parameterDisplay(index, getParameter(index), text);
}

ParameterKind Duplimo::parameterKind(VstInt32 index) const {
    return index <= kEmphasis ? ParameterKind::kContinuous : ParameterKind::kSwitch;
}

template <typename Sample>
void Duplimo::processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames) {
    ScopedLock lock(processingLock);
    DenormalGuard denormals;
    engine.process<Sample>(inputs, outputs, sampleFrames, getSampleRate());
}

void Duplimo::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Duplimo::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Duplimo::suspend() {
    {
        ScopedLock lock(processingLock);
        engine.suspend(getSampleRate());
        extraValue.store(0.0f, std::memory_order_relaxed);
    }
    updateBlockSize();
}

void Duplimo::resume() {
    {
        ScopedLock lock(processingLock);
        engine.resume(getSampleRate());
        extraValue.store(0.0f, std::memory_order_relaxed);
    }
    updateBlockSize();
}
