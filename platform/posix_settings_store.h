// The settings store as one text file per user, shared by every process of
// the family. Readers take no lock: every write replaces the whole file at
// once (a temporary file in the same folder, flushed to the disk, renamed over
// the old one), so a reader, or a writer killed half-way, leaves the old or
// the new file and never a mixture. Writers read, change and replace the file
// under an exclusive lock on a lock file beside it, so two processes storing
// different values at the same moment keep both.
#pragma once

#include <functional>
#include <string>

#include "platform/settings_store.h"
#include "platform/settings_text.h"

class PosixSettingsStore : public SettingsStore {
public:
    // `folder` holds the settings file and its lock file; it is created,
    // with its missing parents, by the first write.
    explicit PosixSettingsStore(std::string folder);

    bool getBinary(const std::string& name, std::vector<uint8_t>& value) override;
    bool getString(const std::string& name, std::string& value) override;
    bool setBinary(const std::string& name, const uint8_t* data, size_t bytes) override;
    bool setString(const std::string& name, const std::string& value) override;
    bool erase(const std::string& name) override;

    const std::string& filePath() const { return filePath_; }

private:
    bool get(const std::string& name, SettingsValue::Kind kind, std::string& bytes) const;
    bool set(const std::string& name, SettingsValue value);
    // Reads, changes and replaces the file under the lock.
    bool update(const std::function<void(SettingsValues&)>& change);
    bool replaceFile(const std::string& text) const;

    std::string folder_;
    std::string filePath_;
    std::string lockPath_;
    std::string tempPath_;
};

// The family's folder under the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config); empty when neither can be found.
std::string userSettingsFolder();
