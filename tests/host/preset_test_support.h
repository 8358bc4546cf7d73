// What the preset file and remembered value tests share: the three plug-ins
// with a preset system built in, a private folder that also serves as the
// user's configuration folder, and an editor that records what the preset
// bar would be told.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/aeff_editor.h"
#include "plugins/duplimo/duplimo.h"
#include "plugins/solvane/solvane.h"
#include "plugins/widmoor/widmoor.h"
#include "presets/preset_records.h"
#include "presets/preset_transfer.h"
#include "presets/remembered_presets.h"

inline VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

struct PluginKind {
    const char* name;
    std::function<std::unique_ptr<CPresetSystemEffect>()> make;
    size_t presetBytes;
    size_t bankBytes;
};

inline const std::vector<PluginKind>& presetPlugins() {
    static const std::vector<PluginKind> kinds = {
        {"solvane", [] { return std::make_unique<Solvane>(quietHost); }, 65, 665},
        {"widmoor", [] { return std::make_unique<AComb>(quietHost); }, 53, 1445},
        {"duplimo", [] { return std::make_unique<Duplimo>(quietHost); }, 49, 1061},
    };
    return kinds;
}

inline std::unique_ptr<CPresetSystemEffect> makeSolvane() { return presetPlugins()[0].make(); }
inline std::unique_ptr<CPresetSystemEffect> makeWidmoor() { return presetPlugins()[1].make(); }
inline std::unique_ptr<CPresetSystemEffect> makeDuplimo() { return presetPlugins()[2].make(); }

// A fresh folder for the test's files, which is also $XDG_CONFIG_HOME for
// as long as the test runs: no test reads or writes the user's own values.
class PresetFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvpresetXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        const char* previous = std::getenv("XDG_CONFIG_HOME");
        if (previous) previousConfigHome = previous;
        hadConfigHome = previous != nullptr;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override {
        if (hadConfigHome)
            setenv("XDG_CONFIG_HOME", previousConfigHome.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(folder);
    }

    std::string path(const std::string& name) const { return folder + "/" + name; }
    std::string settingsFolder() const { return folder + "/kavexsound"; }

    std::string folder;

private:
    std::string previousConfigHome;
    bool hadConfigHome = false;
};

// The effect's view of its programs, as the host would read them.
inline std::string programName(CPresetSystemEffect& effect, int program) {
    char text[64] = {0};
    effect.getProgramNameIndexed(0, program, text);
    return text;
}

inline std::vector<uint8_t> presetRecordOf(CPresetSystemEffect& effect) {
    std::vector<uint8_t> record(effect.presetTransfer().presetBytes());
    effect.presetTransfer().makePresetRecord(record.data());
    return record;
}

inline std::vector<uint8_t> bankRecordOf(CPresetSystemEffect& effect) {
    std::vector<uint8_t> record(effect.presetTransfer().bankBytes());
    effect.presetTransfer().makeBankRecord(record.data());
    return record;
}

// Records what the effect tells the preset bar.
class RecordingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    void showProgramName(const char* name) override { shownNames.push_back(name); }
    void showProgramEntry(VstInt32 index, const char* name) override {
        entries.push_back({index, name});
    }

    struct Entry {
        VstInt32 index;
        std::string title;
    };
    std::vector<std::string> shownNames;
    std::vector<Entry> entries;
};
