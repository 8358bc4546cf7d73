#include "presets/preset_system_effect.h"

#include <cstring>
#include <new>

#include "host/aeff_editor.h"
#include "platform/settings_store.h"
#include "presets/bank_chunk.h"
#include "presets/preset_transfer.h"
#include "presets/remembered_presets.h"

CPresetSystemEffect::CPresetSystemEffect(audioMasterCallback audioMaster, VstInt32 numPrograms,
                                         VstInt32 numParams)
    : AudioEffectX(audioMaster, 1, numParams),
      programs(numPrograms, numParams),
      chunk(new (std::nothrow) uint8_t[bankChunkBytes(programs)]()),
      incomingChunk(new (std::nothrow) uint8_t[bankChunkBytes(programs)]()),
      transfer(new (std::nothrow) PresetTransfer(*this, programs)) {
    allocated(programs.data());
    allocated(chunk.get());
    allocated(incomingChunk.get());
    // The user's store is opened when it is first needed (see loadDefaults).
    if (allocated(transfer.get()))
        remembered.reset(new (std::nothrow) RememberedPresets(*transfer, nullptr));
    allocated(remembered.get());
    programsAreChunks(true);
}

CPresetSystemEffect::~CPresetSystemEffect() {
    // Nothing may escape into the host's effClose.
    try {
        if (remembered) remembered->saveChangedFileLocations();
    } catch (...) {
    }
}

size_t CPresetSystemEffect::chunkBytes() const { return bankChunkBytes(programs); }

void CPresetSystemEffect::loadStartingPrograms() {
    if (!constructionSucceeded()) return;
    initFactoryPrograms();
    loadDefaults();
    selectProgram(0);
}

void CPresetSystemEffect::setParameter(VstInt32 index, float value) {
    if (index >= 0 && index < numParams)
        programs.setValue(currentProgram.load(std::memory_order_relaxed), index, value);
}

float CPresetSystemEffect::getParameter(VstInt32 index) {
    if (index < 0 || index >= numParams) return -1.0f;
    return programs.value(currentProgram.load(std::memory_order_relaxed), index);
}

void CPresetSystemEffect::setProgramName(char* name) {
    char cut[kProgramNameBytes + 1] = {0};
    if (name) std::strncpy(cut, name, kProgramNameBytes);
    {
        ScopedLock lock(programLock);
        programs.setName(getCurrentProgramIndex(), cut);
    }
    if (editor) editor->showProgramName(cut);
}

void CPresetSystemEffect::getProgramName(char* name) {
    ScopedLock lock(programLock);
    programs.getName(getCurrentProgramIndex(), name);
}

bool CPresetSystemEffect::getProgramNameIndexed(VstInt32, VstInt32 index, char* text) {
    if (index < 0 || index >= programs.numPrograms() || !text) return false;
    ScopedLock lock(programLock);
    programs.getName(index, text);
    return true;
}

VstInt32 CPresetSystemEffect::getChunk(void** data, bool) {
    if (!data) return 0;
    ScopedLock lock(programLock);
    writeBankChunk(programs, getUniqueId(), getCurrentProgramIndex(), chunk.get());
    *data = chunk.get();
    return static_cast<VstInt32>(chunkBytes());
}

VstInt32 CPresetSystemEffect::setChunk(void* data, VstInt32 byteSize, bool) {
    if (!data || byteSize < 0 || static_cast<size_t>(byteSize) != chunkBytes()) return -1;
    bool selected = false;
    {
        ScopedLock lock(programLock);
        uint8_t* incoming = incomingChunk.get();
        std::memcpy(incoming, data, chunkBytes());
        const ChunkReading reading = readBankChunk(incoming, chunkBytes(), programs, getUniqueId());
        if (reading.verdict == ChunkVerdict::kRefused) return -1;
        if (reading.verdict == ChunkVerdict::kWrongFormat) return 0;

        const uint8_t* records = incoming + kBankChunkHeaderBytes;
        for (int p = 0; p < programs.numPrograms(); ++p) {
            const uint8_t* record = records + static_cast<size_t>(p) * programs.recordBytes();
            std::memcpy(programs.record(p), record, kProgramNameBytes);
            float value;
            for (int k = 0; k < programs.numParams(); ++k) {
                std::memcpy(&value, record + kProgramNameBytes + 4 * k, sizeof value);
                programs.setValue(p, k, value);
            }
        }
        selected = reading.storedProgram >= 0 && reading.storedProgram < programs.numPrograms();
        if (selected) applyProgram(reading.storedProgram);
    }
    showBankInEditor();
    if (selected) announceProgramChange();
    return 0;
}

void CPresetSystemEffect::showBankInEditor() {
    if (!editor) return;
    char name[kProgramNameBytes + 1];
    for (int p = 0; p < programs.numPrograms(); ++p) {
        getProgramNameIndexed(0, p, name);
        editor->showProgramEntry(p, name);
    }
    // The current entry last, so that it is the one the menu ends on.
    const int current = getCurrentProgramIndex();
    getProgramNameIndexed(0, current, name);
    editor->showProgramEntry(current, name);
    editor->showProgramName(name);
}

int CPresetSystemEffect::getCurrentProgramIndex() {
    return currentProgram.load(std::memory_order_relaxed);
}

void CPresetSystemEffect::selectProgram(int index) {
    if (index < 0 || index >= programs.numPrograms()) return;
    {
        ScopedLock lock(programLock);
        applyProgram(index);
    }
    announceProgramChange();
}

void CPresetSystemEffect::applyProgram(int index) {
    applyingProgram.store(true, std::memory_order_relaxed);
    curProgram = 0;
    currentProgram.store(index, std::memory_order_relaxed);
    for (int k = 0; k < numParams; ++k) setParameter(k, programs.value(index, k));
    applyingProgram.store(false, std::memory_order_relaxed);
}

void CPresetSystemEffect::announceProgramChange() {
    updateDisplay();
    beginEdit(0);
    endEdit(0);
}

void CPresetSystemEffect::renameCurrentProgram(const char* name) {
    {
        ScopedLock lock(programLock);
        curProgram = 0;
        if (name) programs.setName(getCurrentProgramIndex(), name);
    }
    updateDisplay();
}

int CPresetSystemEffect::getUniqueId() { return cEffect.uniqueID; }

void CPresetSystemEffect::loadDefaults() { remembered->loadDefaults(); }

void CPresetSystemEffect::setFactoryProgram(int index, const char* name, const float* values) {
    programs.setName(index, name);
    for (int k = 0; k < programs.numParams(); ++k) programs.setValue(index, k, values[k]);
}
