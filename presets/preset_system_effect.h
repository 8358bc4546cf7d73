// Effect base of the plug-ins with a preset system: a bank of named programs
// inside the plug-in, of which the host sees a single program. The whole bank
// travels with the host's project as one chunk.
//
// Threads. The host saves and restores the bank on its own thread while the
// editor, on its thread, selects, renames and loads programs. Every operation
// on more than one value of the bank (chunks, names, program selection, the
// editor's bank and preset loads through lockPrograms) holds the program
// lock, so that none sees another half done. The host is called only after
// the lock is released. setParameter and getParameter take no lock: they
// touch one value word, and automation on the audio thread must never wait.
#pragma once

#include <atomic>
#include <memory>

#include "host/audio_effect.h"
#include "platform/mutex.h"
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

    // The bank, read without the lock (one value word at a time is safe).
    const ProgramStore& programStore() const { return programs; }
    // Preset and bank records and files, and the values remembered for the
    // user; the preset bar works through these.
    PresetTransfer& presetTransfer() { return *transfer; }
    RememberedPresets& rememberedPresets() { return *remembered; }

    // The whole bank for as long as the object lives, with the program lock
    // held: for the editor's loads of bank and preset records. Select the
    // program after the object has gone.
    class LockedPrograms {
    public:
        LockedPrograms(Mutex& mutex, ProgramStore& store) : lock_(mutex), store_(store) {}
        ProgramStore& store() { return store_; }

    private:
        ScopedLock lock_;
        ProgramStore& store_;
    };
    LockedPrograms lockPrograms() { return LockedPrograms(programLock, programs); }

protected:
    bool isApplyingProgram() const { return applyingProgram.load(std::memory_order_relaxed); }
    // Writes one factory program: its name and all its values.
    void setFactoryProgram(int index, const char* name, const float* values);
    // The last steps of a plug-in's constructor, once its engine and editor
    // exist: the factory programs, the remembered defaults and program 0.
    // Nothing happens when an allocation failed; the effect is not used then.
    void loadStartingPrograms();

    ProgramStore programs;

private:
    // Under the program lock: makes `index` current and sends its values.
    void applyProgram(int index);
    // After a program was applied, without the lock: the host updates its view.
    void announceProgramChange();
    // After a whole bank came in, without the lock: the editor's program menu
    // and name field show what the programs now hold.
    void showBankInEditor();
    size_t chunkBytes() const;

    Mutex programLock;
    std::atomic<int> currentProgram{0};
    // The chunk handed to the host stays as it is until its next getChunk;
    // a chunk being restored is checked in a buffer of its own.
    std::unique_ptr<uint8_t[]> chunk;
    std::unique_ptr<uint8_t[]> incomingChunk;
    std::atomic<bool> applyingProgram{false};
    std::unique_ptr<PresetTransfer> transfer;
    std::unique_ptr<RememberedPresets> remembered;
};
