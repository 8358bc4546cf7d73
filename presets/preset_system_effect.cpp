#include "presets/preset_system_effect.h"

#include <cstring>

#include "host/aeff_editor.h"
#include "platform/settings_store.h"
#include "presets/bank_chunk.h"
#include "presets/preset_transfer.h"
#include "presets/remembered_presets.h"

CPresetSystemEffect::CPresetSystemEffect(audioMasterCallback audioMaster, VstInt32 numPrograms,
                                         VstInt32 numParams)
    : AudioEffectX(audioMaster, 1, numParams),
      programs(numPrograms, numParams),
      chunk(bankChunkBytes(programs), 0),
      transfer(std::make_unique<PresetTransfer>(*this, programs)),
      remembered(std::make_unique<RememberedPresets>(*transfer, openUserSettingsStore())) {
    programsAreChunks(true);
}

CPresetSystemEffect::~CPresetSystemEffect() {
    // Nothing may escape into the host's effClose.
    try {
        remembered->saveChangedFileLocations();
    } catch (...) {
    }
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
    programs.setName(getCurrentProgramIndex(), cut);
    if (editor) editor->showProgramName(cut);
}

void CPresetSystemEffect::getProgramName(char* name) {
    programs.getName(getCurrentProgramIndex(), name);
}

bool CPresetSystemEffect::getProgramNameIndexed(VstInt32, VstInt32 index, char* text) {
    if (index < 0 || index >= programs.numPrograms() || !text) return false;
    programs.getName(index, text);
    return true;
}

VstInt32 CPresetSystemEffect::getChunk(void** data, bool) {
    if (!data) return 0;
    writeBankChunk(programs, getUniqueId(), getCurrentProgramIndex(), chunk.data());
    *data = chunk.data();
    return static_cast<VstInt32>(chunk.size());
}

VstInt32 CPresetSystemEffect::setChunk(void* data, VstInt32 byteSize, bool) {
    if (!data || byteSize < 0 || static_cast<size_t>(byteSize) != chunk.size()) return -1;
    std::memcpy(chunk.data(), data, chunk.size());
    const ChunkReading reading = readBankChunk(chunk.data(), chunk.size(), programs, getUniqueId());
    if (reading.verdict == ChunkVerdict::kRefused) return -1;
    if (reading.verdict == ChunkVerdict::kWrongFormat) return 0;

    const uint8_t* records = chunk.data() + kBankChunkHeaderBytes;
    for (int p = 0; p < programs.numPrograms(); ++p) {
        const uint8_t* record = records + static_cast<size_t>(p) * programs.recordBytes();
        std::memcpy(programs.record(p), record, kProgramNameBytes);
        float value;
        for (int k = 0; k < programs.numParams(); ++k) {
            std::memcpy(&value, record + kProgramNameBytes + 4 * k, sizeof value);
            programs.setValue(p, k, value);
        }
    }
    if (reading.storedProgram >= 0 && reading.storedProgram < programs.numPrograms())
        selectProgram(reading.storedProgram);
    return 0;
}

int CPresetSystemEffect::getCurrentProgramIndex() {
    return currentProgram.load(std::memory_order_relaxed);
}

void CPresetSystemEffect::selectProgram(int index) {
    if (index < 0 || index >= programs.numPrograms()) return;
    applyingProgram.store(true, std::memory_order_relaxed);
    curProgram = 0;
    currentProgram.store(index, std::memory_order_relaxed);
    for (int k = 0; k < numParams; ++k) setParameter(k, programs.value(index, k));
    updateDisplay();
    beginEdit(0);
    endEdit(0);
    applyingProgram.store(false, std::memory_order_relaxed);
}

void CPresetSystemEffect::renameCurrentProgram(const char* name) {
    curProgram = 0;
    if (name) programs.setName(getCurrentProgramIndex(), name);
    updateDisplay();
}

int CPresetSystemEffect::getUniqueId() { return cEffect.uniqueID; }

void CPresetSystemEffect::loadDefaults() { remembered->loadDefaults(); }

void CPresetSystemEffect::setFactoryProgram(int index, const char* name, const float* values) {
    programs.setName(index, name);
    for (int k = 0; k < programs.numParams(); ++k) programs.setValue(index, k, values[k]);
}
