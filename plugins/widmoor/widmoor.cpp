#include "plugins/widmoor/widmoor.h"

#include <new>

#include "dsp/switch_state.h"
#include "editor/editor_requests.h"
#include "host/aeff_editor.h"
#include "host/identity.h"
#include "platform/denormals.h"
#include "plugins/widmoor/widmoor_editor.h"

using namespace widmoor;

AComb::AComb(audioMasterCallback audioMaster)
    : CPresetSystemEffect(audioMaster, kNumPrograms, kNumParams), engine(getSampleRate()) {
    setNumInputs(2);
    setNumOutputs(2);
    setIdentity(kWidmoorIdentity);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    for (int k = 0; k < kNumParams; ++k) values[k].store(kFactoryPrograms[0].values[k]);
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) widmoor::ADEditor(this));
    updateBlockSize();
    loadStartingPrograms();
}

AComb::~AComb() {
    if (editor) editor->close();
}

VstIntPtr AComb::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                            float opt) {
    if (opcode == effVendorSpecific) return answerVendorRequest(editor, index, value, ptr);
    return CPresetSystemEffect::dispatcher(opcode, index, value, ptr, opt);
}

void AComb::initFactoryPrograms() {
    for (int p = 0; p < kNumPrograms; ++p)
        setFactoryProgram(p, kFactoryPrograms[p].name, kFactoryPrograms[p].values);
}

void AComb::setParameter(VstInt32 index, float value) {
    if (!isApplyingProgram()) CPresetSystemEffect::setParameter(index, value);
    if (index >= 0 && index < kNumParams) {
        values[index].store(value, std::memory_order_relaxed);
        updateEngine(index, value);
    }
    if (editor) editor->parameterChanged(index, value);
}

void AComb::updateEngine(VstInt32 index, float value) {
    EngineControls& c = engine.controls;
    auto store = [](std::atomic<float>& target, float v) {
        target.store(v, std::memory_order_relaxed);
    };
    switch (index) {
        case kDepth: store(c.depthGain, depthGain(value)); break;
        case kBaseFreq:
            store(c.baseFrequencyHz, baseFrequencyHz(value));
            engine.updateDelay();
            break;
        case kWidthEmphasis: store(c.widthEmphasis, value); break;
        case kProcess: store(c.process, switchState(value)); break;
        case kPhase: store(c.phase, switchState(value)); break;
        case kMode: store(c.mode, modeNumber(value)); break;
        default: break;
    }
}

float AComb::getParameter(VstInt32 index) {
    if (index < 0 || index >= kNumParams) return 0.0f;
    return values[index].load(std::memory_order_relaxed);
}

float AComb::getDerivedValue(VstInt32 index) const {
    const EngineControls& c = engine.controls;
    switch (index) {
        case kDepth: return c.depthGain.load();
        case kBaseFreq: return c.baseFrequencyHz.load();
        case kWidthEmphasis: return c.widthEmphasis.load();
        case kProcess: return c.process.load();
        case kPhase: return c.phase.load();
        case kMode: return c.mode.load();
        default: return 0.0f;
    }
}

void AComb::getParameterName(VstInt32 index, char* text) { parameterName(index, text); }
void AComb::getParameterLabel(VstInt32 index, char* text) { parameterLabel(index, text); }

void AComb::getParameterDisplay(VstInt32 index, char* text) {
    if (index >= 0 && index < kNumParams)
        parameterDisplay(index, getParameter(index), getDerivedValue(kMode), text);
}

ParameterKind AComb::parameterKind(VstInt32 index) const {
    if (index <= kWidthEmphasis) return ParameterKind::kContinuous;
    return index == kMode ? ParameterKind::kHalfSteps : ParameterKind::kSwitch;
}

template <typename Sample>
void AComb::processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames) {
    ScopedLock lock(processingLock);
    DenormalGuard denormals;
    const bool buffers = inputs && outputs && inputs[0] && inputs[1] && outputs[0] && outputs[1];
    engine.process<Sample>(inputs, outputs, buffers ? sampleFrames : 0, getSampleRate());
}

void AComb::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void AComb::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void AComb::suspend() {
    ScopedLock lock(processingLock);
    engine.reset(getSampleRate());
}

void AComb::resume() {
    ScopedLock lock(processingLock);
    engine.reset(getSampleRate());
}
