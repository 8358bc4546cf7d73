// What the preset system keeps for the user across runs and instances, in
// the settings store shared by the family: a default bank and a default
// preset that every new instance loads over its factory programs, the two
// scratch memories A and B, and where the file dialogs were last. Records
// carry the writing plug-in's identifier, so another plug-in's value under
// the same name is refused on loading (and replaced by the next store).
#pragma once

#include <memory>

#include "platform/settings_store.h"
#include "presets/preset_transfer.h"

namespace remembered_name {
constexpr const char* kDefaultBank = "DefaultBank";
constexpr const char* kDefaultPreset = "DefaultPreset";
constexpr const char* kMemoA = "MemoA";
constexpr const char* kMemoB = "MemoB";
constexpr const char* kCurrDir = "CurrDir";
constexpr const char* kCurrBank = "CurrBank";
constexpr const char* kCurrPreset = "CurrPreset";
}  // namespace remembered_name

class RememberedPresets {
public:
    RememberedPresets(PresetTransfer& transfer, std::unique_ptr<SettingsStore> store);

    void storeDefaultBank();
    void clearDefaultBank();
    void loadDefaultBank();
    void storeDefaultPreset();
    void clearDefaultPreset();
    void loadDefaultPreset();
    void storeMemoA();
    void storeMemoB();
    void recallMemoA();
    void recallMemoB();
    void saveFileLocations();
    void loadFileLocations();

    // At start (also in a host's scanning process): the default bank, the
    // default preset, then the file locations. Reads only.
    void loadDefaults();
    // At the end of the instance: writes the file locations only if this
    // instance's dialogs chose a file, so that an instance that only started
    // and stopped never puts back an older choice over a newer one.
    void saveChangedFileLocations();

private:
    void storePreset(const char* name);
    void storeBank(const char* name);
    // The stored record in a zero-filled buffer of `bytes`: a missing value
    // leaves it all zero (identifier 0, refused), a short one its tail.
    std::vector<uint8_t> storedRecord(const char* name, size_t bytes);
    std::string storedPath(const char* name);

    PresetTransfer& transfer_;
    // The store given at construction, or else the user's, opened on first use.
    SettingsStore& store();
    std::unique_ptr<SettingsStore> store_;
};
