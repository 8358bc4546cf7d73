// Effect base of the plug-ins with a preset system: a bank of named programs
// inside the plug-in, of which the host sees a single program. The whole bank
// travels with the host's project as one chunk.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "host/audio_effect.h"
#include "presets/program_store.h"

class PresetTransfer;
class RememberedPresets;

class CPresetSystemEffect : public AudioEffectX {
public:
    CPresetSystemEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    // Writes back the file dialogs' locations if this instance changed them.
    ~CPresetSystemEffect() override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    VstInt32 getProgram() override { return 0; }
    void setProgram(VstInt32) override {}
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    virtual int getCurrentProgramIndex();
    virtual void selectProgram(int index);
    virtual void renameCurrentProgram(const char* name);
    virtual int getUniqueId();
    virtual void loadDefaults();
    virtual void initFactoryPrograms() {}

    const ProgramStore& programStore() const { return programs; }
    // Preset and bank records and files, and the values remembered for the
    // user; the preset bar works through these.
    PresetTransfer& presetTransfer() { return *transfer; }
    RememberedPresets& rememberedPresets() { return *remembered; }

protected:
    bool isApplyingProgram() const { return applyingProgram.load(std::memory_order_relaxed); }
    // Writes one factory program: its name and all its values.
    void setFactoryProgram(int index, const char* name, const float* values);

    ProgramStore programs;

private:
    std::atomic<int> currentProgram{0};
    std::vector<uint8_t> chunk;
    std::atomic<bool> applyingProgram{false};
    std::unique_ptr<PresetTransfer> transfer;
    std::unique_ptr<RememberedPresets> remembered;
};
