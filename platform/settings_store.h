// The values the preset system remembers for the user from one run of the
// host to the next: named binary records and strings, one set for the whole
// family of plug-ins. Failures are silent: a value that cannot be read is
// missing, a store that cannot be written answers false and changes nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // False when the value is missing or of the other kind; `value` is then
    // left as it was.
    virtual bool getBinary(const std::string& name, std::vector<uint8_t>& value) = 0;
    virtual bool getString(const std::string& name, std::string& value) = 0;

    virtual bool setBinary(const std::string& name, const uint8_t* data, size_t bytes) = 0;
    virtual bool setString(const std::string& name, const std::string& value) = 0;
    // Removing a missing value succeeds.
    virtual bool erase(const std::string& name) = 0;
};

// The current user's store of the family. Opening reads and creates nothing;
// only a set or erase writes.
std::unique_ptr<SettingsStore> openUserSettingsStore();

// Whether the current user's settings file exists; allocates nothing, so it
// can be asked while an effect is built.
bool userSettingsFileExists();
