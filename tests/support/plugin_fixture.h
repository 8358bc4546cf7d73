// A test fixture holding one effect of a built plug-in library, loaded the
// way a host loads it, with the calls the interface tests of every plug-in use.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/test_host.h"

class PluginFixture : public ::testing::Test {
protected:
    // `libraryName` is a file in the built plug-ins' folder, e.g. "solvane.so".
    explicit PluginFixture(const char* libraryName)
        : path_(std::string(KV_PLUGIN_DIR) + "/" + libraryName) {}

    void SetUp() override {
        plugin = std::make_unique<LoadedPlugin>(path_, host);
        ASSERT_TRUE(plugin->loaded()) << plugin->error;
        effect = plugin->effect;
    }

    float get(int index) { return effect->getParameter(effect, index); }
    void set(int index, float value) { effect->setParameter(effect, index, value); }
    std::string text(VstInt32 opcode, VstInt32 index = 0) { return plugin->text(opcode, index); }
    std::string display(int index) { return plugin->text(effGetParamDisplay, index); }

    std::vector<uint8_t> chunk() {
        void* data = nullptr;
        const auto size = plugin->dispatch(effGetChunk, 0, 0, &data);
        const auto* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }

    // The fields of the effect record every plug-in of the family fills alike.
    void expectRecord(VstInt32 uniqueId, int numParams, int numPrograms, VstInt32 flags) {
        EXPECT_EQ(effect->magic, fourCharCode('V', 's', 't', 'P'));
        EXPECT_EQ(effect->uniqueID, uniqueId);
        EXPECT_EQ(effect->numParams, numParams);
        EXPECT_EQ(effect->numPrograms, numPrograms);
        EXPECT_EQ(effect->numInputs, 2);
        EXPECT_EQ(effect->numOutputs, 2);
        EXPECT_EQ(effect->version, 1);
        EXPECT_EQ(effect->initialDelay, 0);
        EXPECT_EQ(effect->flags, flags);
    }

    const std::string& libraryPath() const { return path_; }

    TestHost host;
    std::unique_ptr<LoadedPlugin> plugin;
    AEffect* effect = nullptr;

private:
    std::string path_;
};
