#include "host/audio_effect.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/aeff_editor.h"

namespace {

AudioEffect* effectOf(AEffect* e) {
    return e ? static_cast<AudioEffect*>(e->object) : nullptr;
}

VstIntPtr dispatchEffect(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) {
    AudioEffect* effect = effectOf(e);
    return effect ? effect->dispatcher(opcode, index, value, ptr, opt) : 0;
}

// A value that is not a number would reach every value derived from it and
// stay in the current program; no parameter can hold one, so it is ignored.
void setParameterEffect(AEffect* e, VstInt32 index, float value) {
    if (!std::isfinite(value)) return;
    if (AudioEffect* effect = effectOf(e)) effect->setParameter(index, value);
}

float getParameterEffect(AEffect* e, VstInt32 index) {
    AudioEffect* effect = effectOf(e);
    return effect ? effect->getParameter(index) : 0.0f;
}

// A block is handed on only with usable buffers; a negative length counts as
// an empty block, which still lets the effect refresh its readings.
template <typename T>
bool usableBlock(T** inputs, T** outputs, VstInt32& frames) {
    if (frames <= 0) {
        frames = 0;
        return true;
    }
    return inputs && outputs && inputs[0] && inputs[1] && outputs[0] && outputs[1];
}

void processEffect(AEffect* e, float** inputs, float** outputs, VstInt32 frames) {
    AudioEffect* effect = effectOf(e);
    if (effect && usableBlock(inputs, outputs, frames))
        effect->processReplacing(inputs, outputs, frames);
}

void processDoubleEffect(AEffect* e, double** inputs, double** outputs, VstInt32 frames) {
    AudioEffect* effect = effectOf(e);
    if (effect && usableBlock(inputs, outputs, frames))
        effect->processDoubleReplacing(inputs, outputs, frames);
}

void processAccumulatingNothing(AEffect*, float**, float**, VstInt32) {}

}  // namespace

void copyVstString(char* dst, const char* src, int maxLength) {
    if (!dst || maxLength <= 0) return;
    if (!src) src = "";
    const size_t length = strnlen(src, static_cast<size_t>(maxLength - 1));
    std::memcpy(dst, src, length);
    dst[length] = 0;
}

AudioEffect::AudioEffect(audioMasterCallback master, VstInt32 programs, VstInt32 params)
    : audioMaster(master), numPrograms(programs), numParams(params) {
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEffect;
    cEffect.process = processAccumulatingNothing;
    cEffect.setParameter = setParameterEffect;
    cEffect.getParameter = getParameterEffect;
    cEffect.processReplacing = processEffect;
    cEffect.processDoubleReplacing = processDoubleEffect;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = fourCharCode('N', 'o', 'E', 'f');
    cEffect.version = 1;
}

AudioEffect::~AudioEffect() { delete editor; }

void AudioEffect::setFlag(VstInt32 flag, bool state) {
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

bool AudioEffect::constructionSucceeded() const {
    return constructionSucceeded_ && (!editor || editor->constructed());
}

void AudioEffect::setEditor(AEffEditor* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                float opt) {
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion() {
    const VstIntPtr version = callHost(audioMasterVersion);
    return version ? static_cast<VstInt32>(version) : 0;
}

bool AudioEffect::beginEdit(VstInt32 index) { return callHost(audioMasterBeginEdit, index) != 0; }
bool AudioEffect::endEdit(VstInt32 index) { return callHost(audioMasterEndEdit, index) != 0; }
bool AudioEffect::updateDisplay() { return callHost(audioMasterUpdateDisplay) != 0; }

VstIntPtr AudioEffect::updateBlockSize() {
    const VstIntPtr size = callHost(audioMasterGetBlockSize);
    if (size > 0 && size <= 0x7fffffff) blockSize = static_cast<VstInt32>(size);
    return blockSize;
}

VstInt32 AudioEffect::getOutputLatency() {
    return static_cast<VstInt32>(callHost(audioMasterGetOutputLatency));
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
        case effOpen:
            open();
            return 0;
        case effClose:
            close();
            delete this;
            return 1;
        case effSetProgram:
            if (value >= 0 && value < numPrograms) setProgram(static_cast<VstInt32>(value));
            return 0;
        case effGetProgram:
            return getProgram();
        case effSetProgramName:
            if (text) setProgramName(text);
            return 0;
        case effGetProgramName:
            if (text) getProgramName(text);
            return 0;
        case effGetParamLabel:
            if (text) getParameterLabel(index, text);
            return 0;
        case effGetParamDisplay:
            if (text) getParameterDisplay(index, text);
            return 0;
        case effGetParamName:
            if (text) getParameterName(index, text);
            return 0;
        case effSetSampleRate:
            setSampleRate(opt);
            return 0;
        case effSetBlockSize:
            setBlockSize(static_cast<VstInt32>(value));
            return 0;
        case effMainsChanged:
            if (value == 0)
                suspend();
            else
                resume();
            return 0;
        case effEditGetRect:
            if (!editor || !ptr) return 0;
            return editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
        case effEditOpen:
            return editor && editor->open(ptr) ? 1 : 0;
        case effEditClose:
            if (editor) editor->close();
            return 0;
        case effEditIdle:
            if (editor) editor->idle();
            return 0;
        case effIdentify:
            return fourCharCode('N', 'v', 'E', 'f');
        case effGetChunk:
            if (!ptr) return 0;
            return getChunk(static_cast<void**>(ptr), index != 0);
        case effSetChunk:
            if (value < 0 || value > 0x7fffffff) return setChunk(ptr, -1, index != 0);
            return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
        default:
            return 0;
    }
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
        case effCanBeAutomated:
            return 1;
        case effString2Parameter:
            return 0;
        case effGetProgramNameIndexed:
            return text && getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1 : 0;
        case effGetInputProperties:
            return getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
        case effGetOutputProperties:
            return getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
        case effGetPlugCategory:
            return getPlugCategory();
        case effSetBypass:
            return 0;
        case effGetEffectName:
            return text && getEffectName(text) ? 1 : 0;
        case effGetVendorString:
            return text && getVendorString(text) ? 1 : 0;
        case effGetProductString:
            return text && getProductString(text) ? 1 : 0;
        case effGetVendorVersion:
            return getVendorVersion();
        case effCanDo:
            return text ? canDo(text) : 0;
        case effGetTailSize:
            return 0;
        case effGetParameterProperties:
            return getParameterProperties(index, static_cast<VstParameterProperties*>(ptr)) ? 1
                                                                                             : 0;
        case effGetVstVersion:
            return getVstVersion();
        case effEditKeyDown:
        case effEditKeyUp: {
            if (!editor) return 0;
            VstKeyCode key{index, static_cast<unsigned char>(value),
                           static_cast<unsigned char>(opt)};
            const bool used = opcode == effEditKeyDown ? editor->onKeyDown(key)
                                                       : editor->onKeyUp(key);
            return used ? 1 : 0;
        }
        case effSetEditKnobMode:
            return editor && editor->setKnobMode(static_cast<VstInt32>(value)) ? 1 : 0;
        case effGetCurrentMidiProgram:
            return -1;
        case effGetSpeakerArrangement:
            if (value) *reinterpret_cast<void**>(value) = nullptr;
            if (ptr) *static_cast<void**>(ptr) = nullptr;
            return 0;
        case effSetTotalSampleToProcess:
            return value;
        case effVendorSpecific:
            return editor ? editor->vendorRequest(index, value, ptr) : 0;
        default:
            return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

bool AudioEffectX::getProgramNameIndexed(VstInt32, VstInt32, char*) { return false; }

namespace {

bool writePinProperties(VstInt32 index, VstPinProperties* properties, const char* format) {
    if (index < 0 || index > 1 || !properties) return false;
    std::snprintf(properties->label, sizeof(properties->label), format, index + 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

}  // namespace

bool AudioEffectX::getInputProperties(VstInt32 index, VstPinProperties* properties) {
    return writePinProperties(index, properties, "My %1d In");
}

bool AudioEffectX::getOutputProperties(VstInt32 index, VstPinProperties* properties) {
    return writePinProperties(index, properties, "My %1d Out");
}

bool AudioEffectX::getParameterProperties(VstInt32 index, VstParameterProperties* properties) {
    if (index < 0 || index >= numParams || !properties) return false;
    char name[kVstMaxLabelLen] = {0};
    getParameterName(index, name);
    name[kVstMaxLabelLen - 1] = 0;
    copyVstString(properties->label, name, kVstMaxLabelLen);
    copyVstString(properties->shortLabel, name, kVstMaxShortLabelLen);
    switch (parameterKind(index)) {
        case ParameterKind::kContinuous:
            properties->flags = kVstParameterUsesFloatStep;
            properties->stepFloat = 1.0f / 256.0f;
            properties->smallStepFloat = 1.0f / 1024.0f;
            properties->largeStepFloat = 1.0f / 64.0f;
            break;
        case ParameterKind::kSwitch:
            properties->flags = kVstParameterIsSwitch | kVstParameterUsesFloatStep;
            properties->stepFloat = properties->smallStepFloat = properties->largeStepFloat = 1.0f;
            break;
        case ParameterKind::kHalfSteps:
            properties->flags = kVstParameterUsesFloatStep;
            properties->stepFloat = properties->smallStepFloat = properties->largeStepFloat = 0.5f;
            break;
    }
    return true;
}

void AudioEffectX::setIdentity(const PluginIdentity& identity) {
    identity_ = &identity;
    setUniqueID(identity.uniqueId);
}

bool AudioEffectX::getEffectName(char* name) {
    if (!identity_) return false;
    copyVstString(name, identity_->effectName, kVstMaxEffectNameLen);
    return true;
}

bool AudioEffectX::getProductString(char* text) {
    if (!identity_) return false;
    copyVstString(text, identity_->productString, kVstMaxProductStrLen);
    return true;
}

bool AudioEffectX::getVendorString(char* text) {
    copyVstString(text, kVendorString, kVstMaxVendorStrLen);
    return true;
}

VstInt32 AudioEffectX::getVendorVersion() { return kVendorVersion; }
