// duplimo.so through the binary interface only, as a host sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/plugin_fixture.h"

namespace {

const std::string kPluginPath = std::string(KV_PLUGIN_DIR) + "/duplimo.so";
constexpr size_t kChunkBytes = 1088;
constexpr size_t kHeaderBytes = 32;
constexpr size_t kRecordBytes = 44;
constexpr int kPrograms = 24;
constexpr int kParams = 5;

struct ProgramRow {
    const char* name;
    float values[kParams];
};

// The factory bank: width, baseFreq, emphasis, process, phase.
const ProgramRow kFactoryBank[kPrograms] = {
    {"init", {0, 0.5f, 0, 1, 0}},
    {"mix 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"mix 2", {0.5f, 0.61f, 0.12f, 1, 0}},
    {"mix 3", {0.6f, 0.15f, 0.5f, 1, 0}},
    {"room 1", {0.75f, 0.2f, 0.5f, 1, 0}},
    {"room 2", {0.5f, 0.11f, 0.5f, 1, 0}},
    {"room 3", {0.63f, 0.64f, 0, 1, 0}},
    {"techno space 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"techno space 2", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"piano 1", {0.6f, 0.24f, 0, 1, 0}},
    {"piano 2", {0.75f, 0.15f, 0.24f, 1, 0}},
    {"piano 3", {0.75f, 0.58f, 0.3f, 1, 0}},
    {"guitar 1", {0.55f, 0.8f, 0, 1, 0}},
    {"guitar 2", {0.6f, 0.23f, 0, 1, 0}},
    {"guitar 3", {1, 0.44f, 0.5f, 1, 0}},
    {"bas 1", {0.4f, 0.5f, 0, 1, 0}},
    {"bas 2", {0.65f, 0.18f, 0.37f, 1, 0}},
    {"bas 3", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"bas 4", {0.6f, 0.52f, 0.19f, 1, 0}},
    {"kick 1", {0.5f, 0.38f, 0, 1, 0}},
    {"kick 2", {0.7f, 0.35f, 0.2f, 1, 0}},
    {"toms", {0.7f, 0.5f, 0.25f, 1, 0}},
    {"over heads 1", {0.8f, 0.3f, 0.4f, 1, 0}},
    {"over heads 2", {0.9f, 0.38f, 0.6f, 1, 0}},
};

uint32_t readWord(const std::vector<uint8_t>& bytes, size_t offset) {
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 |
           uint32_t(bytes[offset + 2]) << 16 | uint32_t(bytes[offset + 3]) << 24;
}

float readFloat(const std::vector<uint8_t>& bytes, size_t offset) {
    const uint32_t word = readWord(bytes, offset);
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

void reverseWord(std::vector<uint8_t>& bytes, size_t offset) {
    std::swap(bytes[offset], bytes[offset + 3]);
    std::swap(bytes[offset + 1], bytes[offset + 2]);
}

class DuplimoPlugin : public PluginFixture {
protected:
    DuplimoPlugin() : PluginFixture("duplimo.so") {}

    VstIntPtr setChunk(std::vector<uint8_t> bytes) {
        return plugin->dispatch(effSetChunk, 0, static_cast<VstIntPtr>(bytes.size()),
                                bytes.data());
    }

    template <typename Sample>
    static void process(AEffect* e, std::vector<Sample>& l, std::vector<Sample>& r) {
        Sample* io[2] = {l.data(), r.data()};
        if constexpr (sizeof(Sample) == sizeof(float))
            e->processReplacing(e, io, io, static_cast<VstInt32>(l.size()));
        else
            e->processDoubleReplacing(e, io, io, static_cast<VstInt32>(l.size()));
    }

    template <typename Sample>
    void expectBadSamplesStayInTheirFrames(std::initializer_list<Sample> bad);
};

// One bad input sample may spoil its own output frame, but no other: the
// delay line stores it as 0, so it is not echoed a period later.
template <typename Sample>
void DuplimoPlugin::expectBadSamplesStayInTheirFrames(std::initializer_list<Sample> bad) {
    constexpr size_t kFrames = 400;
    for (float width : {0.0f, 1.0f}) {
        const float values[kParams] = {width, 1.0f, 0.5f, 1, 0};  // 45 samples
        for (int k = 0; k < kParams; ++k) set(k, values[k]);
        std::vector<Sample> l(kFrames), r(kFrames);
        for (size_t i = 0; i < kFrames; ++i) l[i] = Sample(std::sin(0.1 * i)), r[i] = Sample(0.3);
        std::vector<size_t> badFrames;
        for (Sample value : bad) {
            const size_t at = 50 + 60 * badFrames.size();
            (badFrames.size() % 2 ? r : l)[at] = value;
            badFrames.push_back(at);
        }
        process(effect, l, r);
        for (size_t i = 0; i < kFrames; ++i) {
            if (std::find(badFrames.begin(), badFrames.end(), i) != badFrames.end()) continue;
            ASSERT_TRUE(std::isfinite(l[i]) && std::isfinite(r[i]))
                << "width " << width << " frame " << i;
        }
    }
}

TEST_F(DuplimoPlugin, NonFiniteAndHugeInputStaysInItsOwnFrame) {
    constexpr float kFloatNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    expectBadSamplesStayInTheirFrames<float>({kFloatNaN, INFINITY, -INFINITY});
    expectBadSamplesStayInTheirFrames<double>({kNaN, 1e300, -HUGE_VAL, -1e300});
}

TEST_F(DuplimoPlugin, IdentityAsTheHostReadsIt) {
    expectRecord(fourCharCode('K', 'q', 'D', 'u'), 5, 1,
                 effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing |
                     effFlagsProgramChunks);
    EXPECT_EQ(plugin->text(effGetEffectName), "duplimo");
    EXPECT_EQ(plugin->text(effGetProductString), "duplimo - Duplimo processor");
    EXPECT_EQ(plugin->text(effGetVendorString), "Kavexsound");
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1980);
    EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), kPlugCategMastering);
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
}

TEST_F(DuplimoPlugin, TextsOfANewInstance) {
    const char* names[] = {"width", "baseFreq", "emphasis", "process", "phase"};
    const char* texts[] = {"0.00", "265.00", "0.00", "On", "Off"};
    for (int k = 0; k < kParams; ++k) {
        EXPECT_EQ(plugin->text(effGetParamName, k), names[k]);
        EXPECT_EQ(plugin->text(effGetParamDisplay, k), texts[k]);
    }
    EXPECT_EQ(plugin->text(effGetParamLabel, 1), "    Hz   ");
    EXPECT_EQ(plugin->text(effGetParamLabel, 2), "    %    ");
    EXPECT_EQ(plugin->text(effGetParamName, 5), "");  // nothing written
    EXPECT_EQ(plugin->text(effGetParamName, 6), "  ");
    EXPECT_EQ(plugin->text(effGetProgramName), "init");

    set(1, 0.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 1), "20.00");
    set(1, 1.0f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 1), "1000.00");
    set(0, 0.75f);
    EXPECT_EQ(plugin->text(effGetParamDisplay, 0), "75.00");
}

TEST_F(DuplimoPlugin, FactoryBankInNamesAndChunk) {
    const std::vector<uint8_t> bytes = chunk();
    ASSERT_EQ(bytes.size(), kChunkBytes);
    EXPECT_EQ(readWord(bytes, 0), 0x01000000u);
    EXPECT_EQ(readWord(bytes, 4), uint32_t(fourCharCode('K', 'q', 'D', 'u')));
    EXPECT_EQ(readWord(bytes, 8), uint32_t(kPrograms));
    EXPECT_EQ(readWord(bytes, 12), 0u);
    for (int p = 0; p < kPrograms; ++p) {
        char name[64] = {0};
        ASSERT_EQ(plugin->dispatch(effGetProgramNameIndexed, p, 0, name), 1);
        EXPECT_STREQ(name, kFactoryBank[p].name) << p;
        const size_t record = kHeaderBytes + p * kRecordBytes;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[record])), kFactoryBank[p].name);
        for (int k = 0; k < kParams; ++k)
            EXPECT_EQ(readFloat(bytes, record + 24 + 4 * k), kFactoryBank[p].values[k])
                << kFactoryBank[p].name << " value " << k;
    }
    char name[64] = "untouched";
    EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, kPrograms, 0, name), 0);
}

TEST_F(DuplimoPlugin, ChunkRoundTripRestoresBankAndProgram) {
    set(0, 0.33f);
    set(2, 0.66f);
    plugin->dispatch(effSetProgramName, 0, 0, const_cast<char*>("my own mono to stereo!!!xyz"));
    const std::vector<uint8_t> saved = chunk();

    TestHost otherHost;
    LoadedPlugin other(kPluginPath, otherHost);
    ASSERT_TRUE(other.loaded());
    std::vector<uint8_t> copy = saved;
    EXPECT_EQ(other.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(copy.size()), copy.data()), 0);
    EXPECT_EQ(other.effect->getParameter(other.effect, 0), 0.33f);
    EXPECT_EQ(other.effect->getParameter(other.effect, 2), 0.66f);
    EXPECT_EQ(other.text(effGetProgramName), "my own mono to stereo!!!");  // 24 characters
    EXPECT_EQ(other.text(effGetParamDisplay, 2), "66.00");
    void* data = nullptr;
    const auto size = other.dispatch(effGetChunk, 0, 0, &data);
    ASSERT_EQ(size, static_cast<VstIntPtr>(kChunkBytes));
    EXPECT_EQ(0, std::memcmp(data, saved.data(), kChunkBytes));
}

TEST_F(DuplimoPlugin, ByteReversedChunkSelectsTheSameProgram) {
    std::vector<uint8_t> bytes = chunk();
    bytes[12] = 19;  // current program "kick 1"
    for (size_t offset : {0, 4, 8, 12, 16, 20, 24, 28}) reverseWord(bytes, offset);
    for (int p = 0; p < kPrograms; ++p)
        for (int k = 0; k < kParams; ++k) reverseWord(bytes, kHeaderBytes + p * kRecordBytes + 24 + 4 * k);
    EXPECT_EQ(setChunk(bytes), 0);
    EXPECT_EQ(plugin->text(effGetProgramName), "kick 1");
    EXPECT_EQ(get(1), 0.38f);
    EXPECT_EQ(get(0), 0.5f);
}

TEST_F(DuplimoPlugin, RefusedChunksChangeNothing) {
    const std::vector<uint8_t> original = chunk();
    std::vector<uint8_t> altered = original;
    altered[kHeaderBytes + 24] = 0x11;  // would change program 0's width
    altered[12] = 3;

    std::vector<uint8_t> shorter(altered.begin(), altered.end() - 1);
    std::vector<uint8_t> longer = altered;
    longer.push_back(0);
    std::vector<uint8_t> foreign = altered;
    foreign[4] = 'v';  // another plug-in of the family
    std::vector<uint8_t> programCount = altered;
    programCount[8] = 25;
    EXPECT_EQ(setChunk(shorter), -1);
    EXPECT_EQ(setChunk(longer), -1);
    EXPECT_EQ(setChunk(foreign), -1);
    EXPECT_EQ(setChunk(programCount), -1);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, static_cast<VstIntPtr>(kChunkBytes), nullptr), -1);
    std::vector<uint8_t> format = altered;
    format[3] = 2;
    EXPECT_EQ(setChunk(format), 0);  // accepted, but nothing changes
    EXPECT_EQ(chunk(), original);
    EXPECT_EQ(get(0), 0.0f);
}

TEST_F(DuplimoPlugin, ChunkWithoutValidCurrentProgramSelectsNone) {
    set(0, 0.2f);
    std::vector<uint8_t> bytes = chunk();
    bytes[kHeaderBytes + 2 * kRecordBytes] = 'X';  // rename program 2
    for (uint32_t current : {24u, 0xffffffffu}) {
        std::memcpy(&bytes[12], &current, 4);
        EXPECT_EQ(setChunk(bytes), 0);
        char name[64] = {0};
        plugin->dispatch(effGetProgramNameIndexed, 2, 0, name);
        EXPECT_STREQ(name, "Xix 2");
        EXPECT_EQ(get(0), 0.2f);
        EXPECT_EQ(plugin->text(effGetProgramName), "init");
    }
}

TEST_F(DuplimoPlugin, ProcessesBothPrecisionsFromClearedState) {
    set(0, 0.5f);  // W = 0.5
    set(1, 1.0f);  // 45 samples at 44100 Hz
    plugin->dispatch(effMainsChanged, 0, 1);
    std::vector<float> l(100, 0.0f), r(100, 0.0f);
    l[0] = r[0] = 1.0f;
    l[90] = r[90] = 1.0f;  // its echo would fall 35 frames into the next block
    float* io[2] = {l.data(), r.data()};
    effect->processReplacing(effect, io, io, 100);
    EXPECT_EQ(l[0], 1.0f);
    EXPECT_EQ(l[45], 0.5f);
    EXPECT_EQ(r[45], -0.5f);

    plugin->dispatch(effMainsChanged, 0, 1);  // a second resume clears again
    std::vector<double> ld(100, 0.0), rd(100, 0.0);
    ld[10] = 1.0;
    double* iod[2] = {ld.data(), rd.data()};
    effect->processDoubleReplacing(effect, iod, iod, 100);
    EXPECT_EQ(ld[35], 0.0);
    EXPECT_EQ(rd[35], 0.0);
    EXPECT_EQ(ld[10], 0.5);
    EXPECT_EQ(rd[10], 0.5);
    EXPECT_EQ(ld[55], 0.25);
    EXPECT_EQ(rd[55], -0.25);
    EXPECT_EQ(ld[54], 0.0);
}

}  // namespace
