#include "presets/preset_transfer.h"

#include <cstring>
#include <vector>

#include "host/aeff_editor.h"
#include "platform/record_files.h"
#include "presets/byte_order.h"
#include "presets/preset_records.h"
#include "presets/preset_system_effect.h"

namespace {

constexpr char kPathSeparator = '/';

// Writes one checked program record image (native order) into the bank.
void storeProgram(ProgramStore& programs, int program, const uint8_t* image) {
    std::memcpy(programs.record(program), image, kProgramNameBytes);
    for (int k = 0; k < programs.numParams(); ++k)
        programs.setValue(program, k, readFloatLE(image + kProgramNameBytes + 4 * k));
}

struct ProgramName {
    char text[kProgramNameBytes + 1];
};

ProgramName nameOf(const uint8_t* image) {
    ProgramName name;
    loadProgramName(image, name.text);
    return name;
}

}  // namespace

PresetTransfer::PresetTransfer(CPresetSystemEffect& effect, ProgramStore& programs)
    : effect_(effect), programs_(programs) {}

size_t PresetTransfer::presetBytes() const { return presetRecordBytes(programs_); }
size_t PresetTransfer::bankBytes() const { return bankRecordBytes(programs_); }

void PresetTransfer::makePresetRecord(uint8_t* out) const {
    writePresetRecord(programs_, effect_.getCurrentProgramIndex(), effect_.getUniqueId(), out);
}

void PresetTransfer::makeBankRecord(uint8_t* out) const {
    writeBankRecord(programs_, effect_.getUniqueId(), out);
}

bool PresetTransfer::applyPresetRecord(const uint8_t* record, bool reversed) {
    std::vector<uint8_t> image(static_cast<size_t>(programs_.recordBytes()));
    if (!readPresetRecord(record, programs_.numParams(), effect_.getUniqueId(), reversed,
                          image.data()))
        return false;
    const int current = effect_.getCurrentProgramIndex();
    {
        auto locked = effect_.lockPrograms();  // a chunk taken meanwhile is whole
        storeProgram(locked.store(), current, image.data());
    }
    // The name goes in by the name rule, as if typed into the name field.
    const ProgramName name = nameOf(image.data());
    if (AEffEditor* editor = effect_.getEditor()) editor->showProgramName(name.text);
    effect_.renameCurrentProgram(name.text);
    effect_.selectProgram(current);
    return true;
}

bool PresetTransfer::applyBankRecord(const uint8_t* record, bool reversed) {
    effect_.selectProgram(0);
    // Every value is checked before the first program changes, so a refused
    // bank leaves no program, menu entry or name field half replaced.
    std::vector<uint8_t> images(programs_.bankBytes());
    const bool accepted = readBankRecord(record, programs_.numPrograms(), programs_.numParams(),
                                         effect_.getUniqueId(), reversed, images.data());
    if (accepted) {
        const size_t recordBytes = static_cast<size_t>(programs_.recordBytes());
        {
            // The whole bank changes at once for a host taking a chunk now.
            auto locked = effect_.lockPrograms();
            for (int p = 0; p < programs_.numPrograms(); ++p)
                storeProgram(locked.store(), p, images.data() + p * recordBytes);
        }
        if (AEffEditor* editor = effect_.getEditor())
            for (int p = 0; p < programs_.numPrograms(); ++p)
                editor->showProgramEntry(p, nameOf(images.data() + p * recordBytes).text);
    }
    // Program 0 is current either way; the bar must not go on showing the
    // program that was current before.
    showProgramInBar(0);
    if (accepted) effect_.selectProgram(0);
    return accepted;
}

void PresetTransfer::showProgramInBar(int program) {
    AEffEditor* editor = effect_.getEditor();
    if (!editor) return;
    const ProgramName name = nameOf(programs_.record(program));
    editor->showProgramEntry(program, name.text);
    editor->showProgramName(name.text);
}

void PresetTransfer::rememberLocation(const std::string& path, FileKind kind) {
    const size_t separator = path.rfind(kPathSeparator);
    if (separator == std::string::npos) return;
    locations_.directory = path.substr(0, separator + 1);
    (kind == FileKind::kPreset ? locations_.presetFile : locations_.bankFile) =
        path.substr(separator + 1);
    locationsChanged_ = true;
}

bool PresetTransfer::loadPresetFile(const std::string& path, bool reversed) {
    rememberLocation(path, FileKind::kPreset);
    std::vector<uint8_t> record(presetBytes(), 0);
    readFilePrefix(path, record.data(), record.size());
    return applyPresetRecord(record.data(), reversed);
}

bool PresetTransfer::savePresetFile(const std::string& path) {
    rememberLocation(path, FileKind::kPreset);
    std::vector<uint8_t> record(presetBytes(), 0);
    makePresetRecord(record.data());
    return writeWholeFile(path, record.data(), record.size());
}

bool PresetTransfer::loadBankFile(const std::string& path, bool reversed) {
    rememberLocation(path, FileKind::kBank);
    std::vector<uint8_t> record(bankBytes(), 0);
    readFilePrefix(path, record.data(), record.size());
    return applyBankRecord(record.data(), reversed);
}

bool PresetTransfer::saveBankFile(const std::string& path) {
    rememberLocation(path, FileKind::kBank);
    std::vector<uint8_t> record(bankBytes(), 0);
    makeBankRecord(record.data());
    return writeWholeFile(path, record.data(), record.size());
}
