#include "plugins/solvane/solvane.h"

#include <new>

#include "dsp/switch_state.h"
#include "editor/editor_requests.h"
#include "host/aeff_editor.h"
#include "host/identity.h"
#include "platform/denormals.h"
#include "plugins/solvane/solvane_editor.h"

using namespace solvane;

Solvane::Solvane(audioMasterCallback audioMaster)
    : CPresetSystemEffect(audioMaster, kNumPrograms, kNumParams) {
    setNumInputs(2);
    setNumOutputs(2);
    setIdentity(kSolvaneIdentity);
    canProcessReplacing(true);
    canDoubleReplacing(true);
    for (int k = 0; k < kNumParams; ++k) values[k].store(kInitialValues[k]);
    // The editor attaches itself; the effect owns it from here.
    allocated(new (std::nothrow) solvane::ADEditor(this));
    updateBlockSize();
    loadStartingPrograms();
}

Solvane::~Solvane() {
    if (editor) editor->close();
}

VstIntPtr Solvane::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                              float opt) {
    if (opcode == effVendorSpecific) return answerVendorRequest(editor, index, value, ptr);
    return CPresetSystemEffect::dispatcher(opcode, index, value, ptr, opt);
}

void Solvane::initFactoryPrograms() {
    for (int p = 0; p < kNumPrograms; ++p)
        setFactoryProgram(p, kFactoryPrograms[p].name, kFactoryPrograms[p].values);
}

void Solvane::setParameter(VstInt32 index, float value) {
    if (!isApplyingProgram()) CPresetSystemEffect::setParameter(index, value);
    EngineControls& c = engine.controls;
    auto store = [](std::atomic<float>& target, float v) {
        target.store(v, std::memory_order_relaxed);
    };
    switch (index) {
        case kWidth: store(c.width, widthFactor(value)); break;
        case kGain: store(c.gain, gainFactor(value)); break;
        case kBalance:
            store(c.balanceLeft, upperFactor(value));
            store(c.balanceRight, lowerFactor(value));
            break;
        case kStability:
            store(c.sideLeft, upperFactor(value));
            store(c.sideRight, lowerFactor(value));
            break;
        case kCenterPos:
            store(c.centreLeft, centreLeftFactor(value));
            store(c.centreRight, centreRightFactor(value));
            break;
        case kProcess: store(c.process, switchState(value)); break;
        case kPhase: store(c.swap, switchState(value)); break;
        case kInvertLeft: store(c.invertLeft, switchState(value)); break;
        case kInvertRight: store(c.invertRight, switchState(value)); break;
        default: break;
    }
    if (index >= 0 && index < kNumParams) values[index].store(value, std::memory_order_relaxed);
    if (editor) editor->parameterChanged(index, value);
}

float Solvane::getParameter(VstInt32 index) {
    if (index < 0 || index >= kNumParams) return 0.0f;
    return values[index].load(std::memory_order_relaxed);
}

float Solvane::getDerivedValue(VstInt32 index) const {
    const EngineControls& c = engine.controls;
    switch (index) {
        case kWidth: return c.width.load();
        case kGain: return c.gain.load();
        case kBalance: return c.balanceLeft.load();
        case kStability: return c.sideLeft.load();
        case kCenterPos: return c.centreLeft.load();
        case kProcess: return c.process.load();
        case kPhase: return c.swap.load();
        case kInvertLeft: return c.invertLeft.load();
        case kInvertRight: return c.invertRight.load();
        default: return 0.0f;
    }
}

void Solvane::getParameterName(VstInt32 index, char* text) { parameterName(index, text); }
void Solvane::getParameterLabel(VstInt32 index, char* text) { parameterLabel(index, text); }

void Solvane::getParameterDisplay(VstInt32 index, char* text) {
    if (index >= 0 && index < kNumParams) parameterDisplay(index, getParameter(index), text);
}

ParameterKind Solvane::parameterKind(VstInt32 index) const {
    return index <= kCenterPos ? ParameterKind::kContinuous : ParameterKind::kSwitch;
}

template <typename Sample>
void Solvane::processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames) {
    ScopedLock lock(processingLock);
    DenormalGuard denormals;
    engine.process<Sample>(inputs, outputs, sampleFrames, getSampleRate());
}

void Solvane::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Solvane::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
    processBlock(inputs, outputs, sampleFrames);
}

void Solvane::resetEngine(float reading) {
    {
        ScopedLock lock(processingLock);
        engine.reset(reading);
    }
    updateBlockSize();
}

void Solvane::suspend() { resetEngine(0.0f); }
void Solvane::resume() { resetEngine(0.5f); }
