// Moving programs in and out of an effect's bank as preset and bank records:
// the operations behind the preset bar's file buttons and behind the
// remembered defaults and memories. It knows nothing of windows; what the
// preset bar shows it tells the editor through the effect's editor hooks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "presets/program_store.h"

class CPresetSystemEffect;

// Where the file dialogs were last: the folder (ending with the path
// separator), shared by both kinds, and the last file name of each kind.
struct FileLocations {
    std::string directory;
    std::string bankFile;
    std::string presetFile;
};

class PresetTransfer {
public:
    PresetTransfer(CPresetSystemEffect& effect, ProgramStore& programs);

    size_t presetBytes() const;
    size_t bankBytes() const;

    // The current program as a preset record (presetBytes bytes).
    void makePresetRecord(uint8_t* out) const;
    // Every program as a bank record (bankBytes bytes).
    void makeBankRecord(uint8_t* out) const;

    // Loads a preset record into the current program and selects it again;
    // `reversed` turns every value round once more than the identifier asks.
    // A refused record changes nothing. True when it was loaded.
    bool applyPresetRecord(const uint8_t* record, bool reversed);
    // Makes program 0 current, whatever follows, then loads a bank record
    // into all programs and selects program 0 again. A refused record
    // changes no program and no name the preset bar shows.
    bool applyBankRecord(const uint8_t* record, bool reversed);

    // A file chosen in a dialog, by its full path: the locations remember its
    // folder and name, then the file is read (a shorter file reads as if
    // padded with zero bytes) or written.
    bool loadPresetFile(const std::string& path, bool reversed);
    bool savePresetFile(const std::string& path);
    bool loadBankFile(const std::string& path, bool reversed);
    bool saveBankFile(const std::string& path);

    const FileLocations& fileLocations() const { return locations_; }
    // Set from the remembered values at start; not a change of this instance.
    void restoreFileLocations(const FileLocations& locations) { locations_ = locations; }
    // Whether a dialog of this instance has chosen a file since the
    // locations were last restored or saved.
    bool fileLocationsChanged() const { return locationsChanged_; }
    void markFileLocationsSaved() { locationsChanged_ = false; }

private:
    enum class FileKind { kPreset, kBank };
    void rememberLocation(const std::string& path, FileKind kind);
    void showProgramInBar(int program);

    CPresetSystemEffect& effect_;
    ProgramStore& programs_;
    FileLocations locations_;
    bool locationsChanged_ = false;
};
