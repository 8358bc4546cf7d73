// The settings file as text a person can read: a first line naming the
// format, one value a line (name, kind, content), and a last line "end" so
// that a cut-off file is recognised. Binary values are hexadecimal digits,
// strings are UTF-8 between double quotes with backslash escapes. Lines that
// begin with '#' and empty lines are ignored.
//
//   kavexsound-settings 1
//   CurrDir string "/home/me/presets/"
//   MemoA binary 4b714c7621...
//   end
#pragma once

#include <map>
#include <string>

struct SettingsValue {
    enum class Kind { kBinary, kString };
    Kind kind = Kind::kString;
    std::string bytes;  // the raw bytes of either kind

    bool operator==(const SettingsValue& other) const {
        return kind == other.kind && bytes == other.bytes;
    }
};

using SettingsValues = std::map<std::string, SettingsValue>;

// Names are letters, digits, '_', '.' and '-', at most this long.
constexpr size_t kMaxSettingsNameBytes = 64;
bool isSettingsName(const std::string& name);

// The whole text of a settings file. False for anything that is not a whole,
// well-formed file; `values` is then empty.
bool parseSettingsText(const std::string& text, SettingsValues& values);

std::string formatSettingsText(const SettingsValues& values);
