#include "presets/remembered_presets.h"

#include <algorithm>

using namespace remembered_name;

namespace {

// Longer stored paths are not ours; they read as missing.
constexpr size_t kMaxPathBytes = 4096;

}  // namespace

RememberedPresets::RememberedPresets(PresetTransfer& transfer,
                                     std::unique_ptr<SettingsStore> store)
    : transfer_(transfer), store_(std::move(store)) {}

SettingsStore& RememberedPresets::store() {
    if (!store_) store_ = openUserSettingsStore();
    return *store_;
}

void RememberedPresets::storePreset(const char* name) {
    std::vector<uint8_t> record(transfer_.presetBytes(), 0);
    transfer_.makePresetRecord(record.data());
    store().setBinary(name, record.data(), record.size());
}

void RememberedPresets::storeBank(const char* name) {
    std::vector<uint8_t> record(transfer_.bankBytes(), 0);
    transfer_.makeBankRecord(record.data());
    store().setBinary(name, record.data(), record.size());
}

std::vector<uint8_t> RememberedPresets::storedRecord(const char* name, size_t bytes) {
    std::vector<uint8_t> record(bytes, 0);
    std::vector<uint8_t> stored;
    if (store().getBinary(name, stored))
        std::copy_n(stored.begin(), std::min(stored.size(), bytes), record.begin());
    return record;
}

std::string RememberedPresets::storedPath(const char* name) {
    std::string path;
    if (!store().getString(name, path) || path.size() > kMaxPathBytes) return std::string();
    // A path ends at its first zero, as the strings of the other platforms do.
    return path.substr(0, path.find('\0'));
}

void RememberedPresets::storeDefaultBank() { storeBank(kDefaultBank); }
void RememberedPresets::clearDefaultBank() { store().erase(kDefaultBank); }

void RememberedPresets::loadDefaultBank() {
    transfer_.applyBankRecord(storedRecord(kDefaultBank, transfer_.bankBytes()).data(), false);
}

void RememberedPresets::storeDefaultPreset() { storePreset(kDefaultPreset); }
void RememberedPresets::clearDefaultPreset() { store().erase(kDefaultPreset); }

void RememberedPresets::loadDefaultPreset() {
    transfer_.applyPresetRecord(storedRecord(kDefaultPreset, transfer_.presetBytes()).data(),
                                false);
}

void RememberedPresets::storeMemoA() { storePreset(kMemoA); }
void RememberedPresets::storeMemoB() { storePreset(kMemoB); }

void RememberedPresets::recallMemoA() {
    transfer_.applyPresetRecord(storedRecord(kMemoA, transfer_.presetBytes()).data(), false);
}

void RememberedPresets::recallMemoB() {
    transfer_.applyPresetRecord(storedRecord(kMemoB, transfer_.presetBytes()).data(), false);
}

void RememberedPresets::saveFileLocations() {
    const FileLocations& locations = transfer_.fileLocations();
    store().setString(kCurrDir, locations.directory);
    store().setString(kCurrBank, locations.bankFile);
    store().setString(kCurrPreset, locations.presetFile);
    transfer_.markFileLocationsSaved();
}

void RememberedPresets::loadFileLocations() {
    transfer_.restoreFileLocations(
        FileLocations{storedPath(kCurrDir), storedPath(kCurrBank), storedPath(kCurrPreset)});
}

void RememberedPresets::loadDefaults() {
    // Runs while the effect is built, also in a host's scanning process: with
    // nothing remembered it allocates nothing and touches no file but the
    // one it looks for. Values that cannot be read, for whatever reason, are
    // missing.
    if (!store_ && !userSettingsFileExists()) return;
    try {
        loadDefaultBank();
        loadDefaultPreset();
        loadFileLocations();
    } catch (...) {
    }
}

void RememberedPresets::saveChangedFileLocations() {
    if (transfer_.fileLocationsChanged()) saveFileLocations();
}
