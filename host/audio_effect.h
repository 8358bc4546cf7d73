// The effect base: owns the record the host sees, answers the dispatcher and
// forwards the host's calls to virtual operations in the manner of the 2.4
// interface. Effects derive from AudioEffectX and override what they need.
#pragma once

#include <atomic>

#include "host/vst2.h"

class AEffEditor;

// What a plug-in of the family tells hosts about itself.
struct PluginIdentity {
    const char* effectName;
    const char* productString;
    VstInt32 uniqueId;
    VstInt32 numParams;
    VstInt32 numHostPrograms;
    bool programsAreChunks;
};

constexpr const char* kVendorString = "Kavexsound";
constexpr VstInt32 kVendorVersion = 1980;

// How an effect describes one parameter to the host's property query.
enum class ParameterKind {
    kContinuous,  // fine float steps
    kSwitch,      // on/off, steps of 1
    kHalfSteps,   // three positions, steps of 0.5
};

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    AEffect* getAeffect() { return &cEffect; }
    audioMasterCallback getAudioMaster() const { return audioMaster; }
    AEffEditor* getEditor() const { return editor; }
    float getSampleRate() const { return sampleRate.load(std::memory_order_relaxed); }
    VstInt32 getBlockSize() const { return blockSize; }
    VstInt32 getNumParams() const { return cEffect.numParams; }
    // False when an allocation made while the effect was built failed; the
    // entry point then destroys the effect and gives the host no record.
    bool constructionSucceeded() const;

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate.store(rate, std::memory_order_relaxed); }
    virtual void setBlockSize(VstInt32 size) { blockSize = size; }

    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double** inputs, double** outputs,
                                        VstInt32 sampleFrames) = 0;

    virtual void setParameter(VstInt32, float) {}
    virtual float getParameter(VstInt32) { return 0.0f; }
    virtual void setParameterAutomated(VstInt32 index, float value);

    virtual void setProgram(VstInt32 program) { curProgram = program; }
    virtual VstInt32 getProgram() { return curProgram; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* name) { *name = 0; }

    virtual void getParameterLabel(VstInt32, char*) {}
    virtual void getParameterDisplay(VstInt32, char*) {}
    virtual void getParameterName(VstInt32, char*) {}

    virtual VstInt32 getChunk(void**, bool) { return 0; }
    virtual VstInt32 setChunk(void*, VstInt32, bool) { return 0; }

    virtual void setUniqueID(VstInt32 id) { cEffect.uniqueID = id; }
    virtual void setNumInputs(VstInt32 n) { cEffect.numInputs = n; }
    virtual void setNumOutputs(VstInt32 n) { cEffect.numOutputs = n; }
    virtual void canProcessReplacing(bool state) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state) { setFlag(effFlagsProgramChunks, state); }
    virtual void setEditor(AEffEditor* newEditor);

    // Calls into the host.
    virtual VstInt32 getMasterVersion();
    virtual bool beginEdit(VstInt32 index);
    virtual bool endEdit(VstInt32 index);
    virtual bool updateDisplay();
    virtual VstIntPtr updateBlockSize();
    virtual VstInt32 getOutputLatency();

protected:
    void setFlag(VstInt32 flag, bool state);
    // Notes the result of a non-throwing allocation made during construction;
    // gives back whether it succeeded.
    bool allocated(const void* block) {
        if (!block) constructionSucceeded_ = false;
        return block != nullptr;
    }
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);

    audioMasterCallback audioMaster;
    AEffEditor* editor = nullptr;
    std::atomic<float> sampleRate{44100.0f};  // set by the host, read by processing
    VstInt32 blockSize = 1024;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 curProgram = 0;
    AEffect cEffect;

private:
    bool constructionSucceeded_ = true;
};

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;

    virtual bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text);
    virtual bool getInputProperties(VstInt32 index, VstPinProperties* properties);
    virtual bool getOutputProperties(VstInt32 index, VstPinProperties* properties);
    virtual bool getParameterProperties(VstInt32 index, VstParameterProperties* properties);
    // The plug-in's identity: its unique identifier, effect name and product string.
    void setIdentity(const PluginIdentity& identity);
    virtual bool getEffectName(char* name);
    virtual bool getProductString(char* text);
    virtual bool getVendorString(char* text);
    virtual VstInt32 getVendorVersion();
    virtual VstPlugCategory getPlugCategory() { return kPlugCategMastering; }
    virtual VstInt32 canDo(const char*) { return 0; }
    virtual VstInt32 getVstVersion() { return kVstVersion; }

protected:
    // The kind of parameter `index` (< numParams) for the property query.
    virtual ParameterKind parameterKind(VstInt32 index) const = 0;

private:
    const PluginIdentity* identity_ = nullptr;
};

// Copies at most maxLength - 1 characters and always terminates.
void copyVstString(char* dst, const char* src, int maxLength);
