// All four plug-in libraries, loaded as a host loads them: blocks and values
// a host may send by mistake, buffers a host may share between channels, and
// chunks that carry values no parameter can hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "host/aeff_editor.h"
#include "presets/byte_order.h"
#include "tests/support/plugin_fixture.h"

namespace {

const char* const kLibraries[] = {"solvane.so", "widmoor.so", "duplimo.so", "scopra.so"};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr double kRateHz = 44100.0;
constexpr int kFrames = 256;
constexpr float kUntouched = 0.75f;  // what a buffer holds before a block that writes nothing

class FamilyPlugin : public PluginFixture, public ::testing::WithParamInterface<const char*> {
protected:
    FamilyPlugin() : PluginFixture(GetParam()) {}

    void SetUp() override {
        PluginFixture::SetUp();
        if (effect) plugin->dispatch(effSetSampleRate, 0, 0, nullptr, float(kRateHz));
    }

    template <typename Sample>
    void process(Sample** inputs, Sample** outputs, VstInt32 frames) {
        if constexpr (sizeof(Sample) == sizeof(float))
            effect->processReplacing(effect, inputs, outputs, frames);
        else
            effect->processDoubleReplacing(effect, inputs, outputs, frames);
    }

    bool hasPresetSystem() const { return (effect->flags & effFlagsProgramChunks) != 0; }

    template <typename Sample>
    void sendEmptyBlocks();
    template <typename Sample>
    void expectSharedBuffersAgree(const std::string& setting);

private:
    enum class Sharing { kSeparate, kInPlace, kCrossed };
    template <typename Sample>
    struct Stereo;
    template <typename Sample>
    Stereo<Sample> processShared(Sharing sharing);
};

std::string libraryName(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Family, FamilyPlugin, ::testing::ValuesIn(kLibraries), libraryName);

// Null channel arrays, empty and negative lengths: nothing may crash and no
// buffer may be written when there is no frame to process.
template <typename Sample>
void FamilyPlugin::sendEmptyBlocks() {
    struct Case {
        bool arrays;
        VstInt32 frames;
    };
    const Case cases[] = {{false, 0}, {false, -1}, {false, -4096},
                          {true, 0},  {true, -1},  {true, -4096}};
    for (const Case& c : cases) {
        std::vector<std::vector<Sample>> buffers(4, std::vector<Sample>(16, Sample(kUntouched)));
        Sample* inputs[2] = {buffers[0].data(), buffers[1].data()};
        Sample* outputs[2] = {buffers[2].data(), buffers[3].data()};
        process(c.arrays ? inputs : nullptr, c.arrays ? outputs : nullptr, c.frames);
        for (const std::vector<Sample>& buffer : buffers)
            for (Sample s : buffer)
                ASSERT_EQ(s, Sample(kUntouched))
                    << GetParam() << " wrote with arrays " << c.arrays << " and " << c.frames
                    << " frames (" << sizeof(Sample) * 8 << "-bit)";
    }
}

TEST_P(FamilyPlugin, EmptyBlocksAndNullArraysAreHarmless) {
    plugin->dispatch(effMainsChanged, 0, 1);
    sendEmptyBlocks<float>();
    sendEmptyBlocks<double>();
}

template <typename Sample>
struct FamilyPlugin::Stereo {
    std::vector<Sample> left, right;

    static Stereo signal() {
        Stereo s{std::vector<Sample>(kFrames), std::vector<Sample>(kFrames)};
        for (int i = 0; i < kFrames; ++i) {
            s.left[i] = Sample(0.5 * std::sin(0.031 * i) + 0.1);
            s.right[i] = Sample(-0.5 * std::cos(0.017 * i) + 0.05 * std::sin(0.3 * i));
        }
        return s;
    }
};

// One block from a cleared state, with the outputs placed as `sharing` says;
// gives back what arrived on output 0 and output 1.
template <typename Sample>
FamilyPlugin::Stereo<Sample> FamilyPlugin::processShared(Sharing sharing) {
    plugin->dispatch(effMainsChanged, 0, 1);
    Stereo<Sample> in = Stereo<Sample>::signal();
    Stereo<Sample> separate{std::vector<Sample>(kFrames), std::vector<Sample>(kFrames)};
    Sample* inputs[2] = {in.left.data(), in.right.data()};
    Sample* outputs[2] = {separate.left.data(), separate.right.data()};
    if (sharing == Sharing::kInPlace) outputs[0] = inputs[0], outputs[1] = inputs[1];
    if (sharing == Sharing::kCrossed) outputs[0] = inputs[1], outputs[1] = inputs[0];
    process(inputs, outputs, kFrames);
    return {std::vector<Sample>(outputs[0], outputs[0] + kFrames),
            std::vector<Sample>(outputs[1], outputs[1] + kFrames)};
}

template <typename Sample>
void FamilyPlugin::expectSharedBuffersAgree(const std::string& setting) {
    const Stereo<Sample> reference = processShared<Sample>(Sharing::kSeparate);
    for (Sharing sharing : {Sharing::kInPlace, Sharing::kCrossed}) {
        const Stereo<Sample> shared = processShared<Sample>(sharing);
        const std::string how = setting +
                                (sharing == Sharing::kInPlace ? ", in place, " : ", crossed, ") +
                                std::to_string(sizeof(Sample) * 8) + "-bit, frame ";
        for (int i = 0; i < kFrames; ++i) {
            ASSERT_EQ(shared.left[i], reference.left[i]) << how << i << " left";
            ASSERT_EQ(shared.right[i], reference.right[i]) << how << i << " right";
        }
    }
}

// Settings under which each plug-in runs the shared-buffer cases: its
// starting program, and for solvane also other settings and processing off.
struct BufferSetting {
    const char* library;
    std::vector<std::pair<int, float>> parameters;
};

const BufferSetting kBufferSettings[] = {
    {"solvane.so", {{0, 0.8f}, {2, 0.6f}, {4, 0.3f}, {7, 1.0f}}},
    {"solvane.so", {{5, 0.0f}}},  // "process" off
    {"widmoor.so", {}},
    {"duplimo.so", {}},
    {"scopra.so", {}},
};

// Every sample is read before it is written, so a host may hand an output
// buffer that is the same channel's input or the other channel's input.
TEST_P(FamilyPlugin, SharedBuffersGiveTheSameOutputAsSeparateOnes) {
    int settings = 0;
    for (const BufferSetting& setting : kBufferSettings) {
        if (std::strcmp(setting.library, GetParam()) != 0) continue;
        ++settings;
        for (const auto& [index, value] : setting.parameters) set(index, value);
        const std::string label = std::string(GetParam()) + " setting " + std::to_string(settings);
        expectSharedBuffersAgree<float>(label);
        expectSharedBuffersAgree<double>(label);
    }
    EXPECT_GT(settings, 0);
}

// A value that is not a number cannot be a parameter's value: the effect
// keeps what it had. Finite values outside 0..1 are taken as they are.
TEST_P(FamilyPlugin, NonFiniteParameterValuesAreIgnored) {
    for (int index = 0; index < effect->numParams; ++index) {
        const float before = get(index);
        const std::string shown = display(index);
        for (float value : {kNaN, kInf, -kInf}) {
            set(index, value);
            EXPECT_EQ(get(index), before) << GetParam() << " parameter " << index;
            EXPECT_EQ(display(index), shown) << GetParam() << " parameter " << index;
        }
    }
    set(0, 1.25f);
    EXPECT_EQ(get(0), 1.25f);
}

// A chunk whose programs hold a value that is not a number is malformed: it
// is refused like a foreign chunk and the bank stays as it was.
TEST_P(FamilyPlugin, ChunkWithNonFiniteProgramValuesIsRefused) {
    if (!hasPresetSystem()) {
        EXPECT_EQ(plugin->dispatch(effGetChunk, 0, 0, nullptr), 0);
        return;
    }
    const std::vector<uint8_t> before = chunk();
    const size_t recordBytes = 24 + 4 * static_cast<size_t>(effect->numParams);
    const int programs = static_cast<int>((before.size() - 32) / recordBytes);
    struct Case {
        int program;
        int parameter;
        float value;
    };
    const Case cases[] = {{0, 0, kNaN}, {programs - 1, effect->numParams - 1, kInf},
                          {1, 1, -kInf}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bad = before;
        writeFloatLE(&bad[32 + c.program * recordBytes + 24 + 4 * c.parameter], c.value);
        EXPECT_EQ(plugin->dispatch(effSetChunk, 0, static_cast<VstIntPtr>(bad.size()), bad.data()),
                  -1)
            << GetParam() << " program " << c.program;
        EXPECT_EQ(chunk(), before) << GetParam();
    }
}

// Hosts differ in when they set parameters: kvx before resuming at a new
// rate, Ardour after. Both must give the same output, and the combs must
// delay by the new rate's period: baseFreq 0.3 (108.2 Hz) is 444 samples at
// 48 kHz, not the 408 of 44.1 kHz.
// Our tools' snapshot request reaches only an open editor: without one, every
// plug-in answers 0 and leaves the caller's record as it was.
TEST_P(FamilyPlugin, SnapshotRequestWithoutAnOpenEditorAnswersZeroAndWritesNothing) {
    SnapshotBuffer request{};
    request.structBytes = sizeof request;
    const SnapshotBuffer asked = request;
    EXPECT_EQ(plugin->dispatch(effVendorSpecific, kSnapshotRequest, 0, &request), 0);
    EXPECT_EQ(std::memcmp(&request, &asked, sizeof request), 0);
}

TEST_P(FamilyPlugin, ParametersBeforeOrAfterResumeGiveTheSameOutput) {
    const std::pair<int, float> setting[] = {{0, 1.0f}, {1, 0.3f}, {3, 1.0f}};
    auto setAll = [&setting](AEffect* e) {
        for (const auto& [index, value] : setting) e->setParameter(e, index, value);
    };
    auto resumeAt48k = [](LoadedPlugin& p) {
        p.dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
        p.dispatch(effMainsChanged, 0, 1);
    };
    TestHost otherHost;
    LoadedPlugin after(libraryPath(), otherHost);
    ASSERT_TRUE(after.loaded());
    setAll(effect);
    resumeAt48k(*plugin);
    resumeAt48k(after);
    setAll(after.effect);

    constexpr int kLength = 600;
    std::vector<float> left(kLength), right(kLength);
    left[0] = 1;  // an impulse on the left only: the combs put it into the side signal
    std::vector<float> out[2], outAfter[2];
    for (auto* o : {out, outAfter}) o[0] = o[1] = std::vector<float>(kLength);
    float* in[2] = {left.data(), right.data()};
    float* firstOut[2] = {out[0].data(), out[1].data()};
    float* secondOut[2] = {outAfter[0].data(), outAfter[1].data()};
    effect->processReplacing(effect, in, firstOut, kLength);
    after.effect->processReplacing(after.effect, in, secondOut, kLength);
    EXPECT_EQ(out[0], outAfter[0]);
    EXPECT_EQ(out[1], outAfter[1]);

    const std::string name = GetParam();
    if (name == "widmoor.so" || name == "duplimo.so") {
        const auto echo = std::find_if(out[1].begin() + 1, out[1].end(),
                                       [](float x) { return x != 0; });
        EXPECT_EQ(echo - out[1].begin(), 444) << name;
    }
}

}  // namespace
