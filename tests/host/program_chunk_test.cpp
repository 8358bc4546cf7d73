// The program store and the host chunk, on a small effect of its own shape.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "presets/bank_chunk.h"
#include "presets/byte_order.h"
#include "presets/preset_system_effect.h"

namespace {

constexpr int kParams = 3;
constexpr int kPrograms = 4;
constexpr VstInt32 kId = fourCharCode('T', 's', 't', '1');
constexpr size_t kChunkBytes = 32 + kPrograms * (24 + 4 * kParams);

std::vector<VstInt32> gHostOpcodes;

VstIntPtr recordingHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    gHostOpcodes.push_back(opcode);
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// A preset-system effect that records what reaches its own parameter state.
class BankEffect : public CPresetSystemEffect {
public:
    BankEffect() : CPresetSystemEffect(recordingHost, kPrograms, kParams) {
        setUniqueID(kId);
        initFactoryPrograms();
        selectProgram(0);
        gHostOpcodes.clear();
    }
    void initFactoryPrograms() override {
        for (int p = 0; p < kPrograms; ++p) {
            const float values[kParams] = {0.1f * p, 0.2f + 0.1f * p, 1.0f - 0.1f * p};
            setFactoryProgram(p, ("program " + std::to_string(p)).c_str(), values);
        }
    }
    void setParameter(VstInt32 index, float value) override {
        if (!isApplyingProgram()) CPresetSystemEffect::setParameter(index, value);
        if (index >= 0 && index < kParams) live[index] = value;
    }
    float getParameter(VstInt32 index) override { return live[index]; }
    void processReplacing(float**, float**, VstInt32) override {}
    void processDoubleReplacing(double**, double**, VstInt32) override {}
    bool getEffectName(char*) override { return false; }
    bool getProductString(char*) override { return false; }
    ParameterKind parameterKind(VstInt32) const override { return ParameterKind::kContinuous; }

    float live[kParams] = {};
};

std::vector<uint8_t> chunkOf(BankEffect& effect) {
    void* data = nullptr;
    const VstInt32 size = effect.getChunk(&data, false);
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

std::string nameOf(BankEffect& effect, int program) {
    char text[64];
    EXPECT_TRUE(effect.getProgramNameIndexed(0, program, text));
    return text;
}

// Every 32-bit word of a chunk as a big-endian machine would have written it.
std::vector<uint8_t> byteReversed(std::vector<uint8_t> chunk) {
    for (int offset : {0, 4, 8, 12, 16, 20, 24, 28}) reverseWordInPlace(&chunk[offset]);
    for (int p = 0; p < kPrograms; ++p)
        for (int k = 0; k < kParams; ++k)
            reverseWordInPlace(&chunk[32 + p * (24 + 4 * kParams) + 24 + 4 * k]);
    return chunk;
}

TEST(BankChunk, LayoutOfHeaderAndRecords) {
    BankEffect effect;
    effect.selectProgram(2);
    const std::vector<uint8_t> chunk = chunkOf(effect);
    ASSERT_EQ(chunk.size(), kChunkBytes);
    const uint8_t format[4] = {0, 0, 0, 1};
    EXPECT_EQ(std::memcmp(chunk.data(), format, 4), 0);
    EXPECT_EQ(readWordLE(&chunk[4]), static_cast<uint32_t>(kId));
    EXPECT_EQ(readWordLE(&chunk[8]), static_cast<uint32_t>(kPrograms));
    EXPECT_EQ(readWordLE(&chunk[12]), 2u);
    for (int i = 16; i < 32; ++i) EXPECT_EQ(chunk[i], 0) << "reserved byte " << i;
    const size_t third = 32 + 3 * (24 + 4 * kParams);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&chunk[third])), "program 3");
    EXPECT_EQ(readFloatLE(&chunk[third + 24 + 4]), 0.2f + 0.1f * 3);
}

TEST(BankChunk, RoundTripRestoresNamesValuesAndCurrentProgram) {
    BankEffect source;
    source.selectProgram(3);
    source.setParameter(1, 0.77f);
    char name[] = "renamed";
    source.setProgramName(name);
    const std::vector<uint8_t> chunk = chunkOf(source);

    BankEffect target;
    std::vector<uint8_t> copy = chunk;
    EXPECT_EQ(target.setChunk(copy.data(), static_cast<VstInt32>(copy.size()), false), 0);
    EXPECT_EQ(target.getCurrentProgramIndex(), 3);
    EXPECT_EQ(target.live[1], 0.77f);
    EXPECT_EQ(nameOf(target, 3), "renamed");
    EXPECT_EQ(chunkOf(target), chunk);
}

TEST(BankChunk, ByteReversedChunkRestoresTheSameBank) {
    BankEffect source;
    source.selectProgram(1);
    source.setParameter(2, 0.3125f);
    const std::vector<uint8_t> chunk = chunkOf(source);
    std::vector<uint8_t> reversed = byteReversed(chunk);
    ASSERT_NE(reversed, chunk);

    BankEffect target;
    EXPECT_EQ(target.setChunk(reversed.data(), static_cast<VstInt32>(reversed.size()), false), 0);
    EXPECT_EQ(target.getCurrentProgramIndex(), 1);
    EXPECT_EQ(target.live[2], 0.3125f);
    EXPECT_EQ(chunkOf(target), chunk);
}

TEST(BankChunk, RefusedChunksChangeNothing) {
    BankEffect source;
    source.setParameter(0, 0.9f);
    const std::vector<uint8_t> good = chunkOf(source);

    BankEffect target;
    const std::vector<uint8_t> before = chunkOf(target);
    auto refused = [&](std::vector<uint8_t> chunk, VstInt32 size) {
        EXPECT_EQ(target.setChunk(chunk.data(), size, false), -1);
        EXPECT_EQ(chunkOf(target), before);
    };
    std::vector<uint8_t> foreign = good;
    writeWordLE(&foreign[4], static_cast<uint32_t>(fourCharCode('K', 'q', 'W', 'd')));
    refused(foreign, static_cast<VstInt32>(foreign.size()));
    std::vector<uint8_t> wrongCount = good;
    writeWordLE(&wrongCount[8], kPrograms + 1);
    refused(wrongCount, static_cast<VstInt32>(wrongCount.size()));
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    refused(longer, static_cast<VstInt32>(longer.size()));
    refused(good, static_cast<VstInt32>(good.size() - 1));
    refused(good, -1);
    EXPECT_EQ(target.setChunk(nullptr, static_cast<VstInt32>(good.size()), false), -1);

    // Our identifier with another format word: accepted with 0, nothing applied.
    std::vector<uint8_t> otherFormat = good;
    writeWordLE(&otherFormat[0], 0x02000000);
    EXPECT_EQ(target.setChunk(otherFormat.data(), static_cast<VstInt32>(otherFormat.size()), false),
              0);
    EXPECT_EQ(chunkOf(target), before);
}

TEST(BankChunk, StoredIndexOutOfRangeReplacesProgramsButSelectsNone) {
    for (uint32_t storedIndex : {static_cast<uint32_t>(kPrograms), 0xffffffffu}) {
        BankEffect source;
        source.setParameter(0, 0.42f);  // into program 0
        std::vector<uint8_t> chunk = chunkOf(source);
        writeWordLE(&chunk[12], storedIndex);

        BankEffect target;
        target.selectProgram(2);
        const float liveBefore = target.live[0];
        EXPECT_EQ(target.setChunk(chunk.data(), static_cast<VstInt32>(chunk.size()), false), 0);
        EXPECT_EQ(target.getCurrentProgramIndex(), 2);
        EXPECT_EQ(target.live[0], liveBefore);
        EXPECT_EQ(target.programStore().value(0, 0), 0.42f);
    }
}

// A bank whose every name and value tells it apart from the factory bank and
// from the bank of another `seed`; program 2 is current.
std::vector<uint8_t> distinctBank(int seed) {
    BankEffect source;
    for (int p = 0; p < kPrograms; ++p) {
        source.selectProgram(p);
        const std::string name = "bank " + std::to_string(seed) + "/" + std::to_string(p);
        source.renameCurrentProgram(name.c_str());
        for (int k = 0; k < kParams; ++k)
            source.setParameter(k, 0.5f * seed + 0.01f * (p * kParams + k));
    }
    source.selectProgram(2);
    return chunkOf(source);
}

// A bank load as the editor makes it: the records under the program lock,
// then the program selected.
void loadBankRecords(BankEffect& effect, const std::vector<uint8_t>& chunk) {
    {
        CPresetSystemEffect::LockedPrograms locked = effect.lockPrograms();
        ProgramStore& store = locked.store();
        for (int p = 0; p < kPrograms; ++p) {
            const uint8_t* record = &chunk[32 + p * store.recordBytes()];
            std::memcpy(store.record(p), record, kProgramNameBytes);
            for (int k = 0; k < kParams; ++k)
                store.setValue(p, k, readFloatLE(record + kProgramNameBytes + 4 * k));
        }
    }
    effect.selectProgram(2);
}

// The host saves its project on its thread while banks are restored on the
// editor's: every chunk it takes is one of the banks, whole.
TEST(BankChunk, ChunkTakenWhileBanksAreRestoredIsAlwaysWhole) {
    constexpr int kLeastRounds = 10000;
    constexpr int kLeastChunks = 10000;
    const std::vector<uint8_t> banks[2] = {distinctBank(0), distinctBank(1)};
    BankEffect effect;
    std::vector<uint8_t> first = banks[0];
    ASSERT_EQ(effect.setChunk(first.data(), static_cast<VstInt32>(first.size()), false), 0);

    // Relaxed, so that the counters themselves order nothing between threads.
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::thread editor([&] {
        for (int round = 0; !stop.load(std::memory_order_relaxed); ++round) {
            std::vector<uint8_t> bank = banks[round % 2];
            if (round % 4 < 2)
                effect.setChunk(bank.data(), static_cast<VstInt32>(bank.size()), false);
            else
                loadBankRecords(effect, bank);
            rounds.store(round + 1, std::memory_order_relaxed);
        }
    });
    int taken = 0, torn = 0;
    for (; taken < kLeastChunks || rounds.load(std::memory_order_relaxed) < kLeastRounds;
         ++taken) {
        const std::vector<uint8_t> chunk = chunkOf(effect);
        torn += chunk != banks[0] && chunk != banks[1];
    }
    stop.store(true, std::memory_order_relaxed);
    editor.join();
    EXPECT_EQ(torn, 0) << "of " << taken;
}

TEST(ProgramStore, NamesAreCutAt24Characters) {
    BankEffect effect;
    char longName[] = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
    effect.setProgramName(longName);
    char text[64];
    std::memset(text, 'x', sizeof text);
    effect.getProgramName(text);
    EXPECT_EQ(std::string(text), "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(text[24], 0);
    // Stored without a terminating zero: all 24 bytes are the name.
    EXPECT_EQ(std::memcmp(effect.programStore().record(0), longName, 24), 0);

    effect.renameCurrentProgram("short");
    EXPECT_EQ(nameOf(effect, 0), "short");
    const uint8_t* record = effect.programStore().record(0);
    for (int i = 5; i < 24; ++i) EXPECT_EQ(record[i], 0);
}

TEST(ProgramStore, HostSeesOneProgram) {
    BankEffect effect;
    effect.selectProgram(3);
    EXPECT_EQ(effect.getProgram(), 0);
    effect.setProgram(2);
    EXPECT_EQ(effect.getCurrentProgramIndex(), 3);
    EXPECT_EQ(effect.getAeffect()->numPrograms, 1);
    EXPECT_TRUE(effect.getAeffect()->flags & effFlagsProgramChunks);

    char text[64];
    EXPECT_FALSE(effect.getProgramNameIndexed(0, kPrograms, text));
    EXPECT_FALSE(effect.getProgramNameIndexed(0, -1, text));
    EXPECT_EQ(nameOf(effect, 0), "program 0");
}

TEST(ProgramStore, SelectProgramPushesValuesAndTellsTheHost) {
    BankEffect effect;
    effect.selectProgram(2);
    for (int k = 0; k < kParams; ++k) EXPECT_EQ(effect.live[k], effect.programStore().value(2, k));
    EXPECT_EQ(gHostOpcodes, (std::vector<VstInt32>{audioMasterUpdateDisplay, audioMasterBeginEdit,
                                                   audioMasterEndEdit}));
    // Applying a program never writes back into the bank.
    EXPECT_FLOAT_EQ(effect.programStore().value(2, 0), 0.2f);

    // Later edits go into the current program.
    effect.setParameter(0, 0.9f);
    EXPECT_EQ(effect.programStore().value(2, 0), 0.9f);
    EXPECT_FLOAT_EQ(effect.programStore().value(1, 0), 0.1f);

    // An index outside the bank changes nothing.
    effect.selectProgram(kPrograms);
    effect.selectProgram(-1);
    EXPECT_EQ(effect.getCurrentProgramIndex(), 2);
}

}  // namespace
