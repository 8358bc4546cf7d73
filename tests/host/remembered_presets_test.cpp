// The default bank, the default preset, the memories A and B and the file
// locations, kept across instances and across the plug-ins of the family.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/host/preset_test_support.h"

namespace {

class RememberedPresetsTest : public PresetFolderTest {};

TEST_F(RememberedPresetsTest, DefaultPresetStartsLaterInstancesUntilCleared) {
    const std::vector<uint8_t> factory = bankRecordOf(*makeSolvane());
    std::vector<uint8_t> stored;
    {
        auto first = makeSolvane();
        first->selectProgram(3);
        first->setParameter(0, 0.125f);
        first->rememberedPresets().storeDefaultPreset();
        stored = presetRecordOf(*first);
    }
    auto later = makeSolvane();
    EXPECT_EQ(later->getCurrentProgramIndex(), 0);
    EXPECT_EQ(presetRecordOf(*later), stored);
    EXPECT_EQ(later->getParameter(0), 0.125f);

    later->rememberedPresets().clearDefaultPreset();
    EXPECT_EQ(bankRecordOf(*makeSolvane()), factory);
}

TEST_F(RememberedPresetsTest, DefaultBankBelongsToThePluginThatStoredIt) {
    const std::vector<uint8_t> solvaneFactory = bankRecordOf(*makeSolvane());
    const std::vector<uint8_t> widmoorFactory = bankRecordOf(*makeWidmoor());

    auto widmoor = makeWidmoor();
    widmoor->selectProgram(5);
    widmoor->renameCurrentProgram("widmoor's own");
    widmoor->rememberedPresets().storeDefaultBank();
    EXPECT_EQ(bankRecordOf(*makeSolvane()), solvaneFactory);
    EXPECT_EQ(bankRecordOf(*makeWidmoor()), bankRecordOf(*widmoor));

    auto solvane = makeSolvane();
    solvane->selectProgram(1);
    solvane->setParameter(2, 0.875f);
    solvane->rememberedPresets().storeDefaultBank();
    EXPECT_EQ(bankRecordOf(*makeWidmoor()), widmoorFactory);
    auto later = makeSolvane();
    EXPECT_EQ(bankRecordOf(*later), bankRecordOf(*solvane));
    EXPECT_EQ(later->getCurrentProgramIndex(), 0);

    later->rememberedPresets().clearDefaultBank();
    EXPECT_EQ(bankRecordOf(*makeSolvane()), solvaneFactory);
}

TEST_F(RememberedPresetsTest, MemoriesCopyOneProgramIntoTheCurrentOne) {
    auto effect = makeSolvane();
    RememberedPresets& memo = effect->rememberedPresets();
    const std::vector<uint8_t> factory = bankRecordOf(*effect);
    memo.recallMemoA();  // never stored
    EXPECT_EQ(bankRecordOf(*effect), factory);

    effect->selectProgram(2);
    const std::vector<uint8_t> second = presetRecordOf(*effect);
    memo.storeMemoA();
    effect->selectProgram(7);
    const std::vector<uint8_t> seventh = presetRecordOf(*effect);
    memo.storeMemoB();

    effect->selectProgram(5);
    memo.recallMemoA();
    EXPECT_EQ(effect->getCurrentProgramIndex(), 5);
    EXPECT_EQ(presetRecordOf(*effect), second);
    effect->selectProgram(2);
    EXPECT_EQ(presetRecordOf(*effect), second);  // the source is unchanged

    effect->selectProgram(1);
    memo.recallMemoB();
    EXPECT_EQ(presetRecordOf(*effect), seventh);

    // A memory holds the plug-in's own record: another plug-in refuses it.
    auto duplimo = makeDuplimo();
    const std::vector<uint8_t> before = bankRecordOf(*duplimo);
    duplimo->rememberedPresets().recallMemoA();
    EXPECT_EQ(bankRecordOf(*duplimo), before);
}

TEST_F(RememberedPresetsTest, OnlyAnInstanceWhoseDialogsChoseAFileWritesTheLocations) {
    auto chooser = makeDuplimo();
    auto bystander = makeDuplimo();
    EXPECT_EQ(bystander->presetTransfer().fileLocations().directory, "");
    ASSERT_TRUE(chooser->presetTransfer().savePresetFile(path("chosen.kvx")));
    chooser.reset();
    bystander.reset();  // started before the choice: must not put back its old locations

    auto later = makeWidmoor();  // the locations are shared by the family
    const FileLocations& locations = later->presetTransfer().fileLocations();
    EXPECT_EQ(locations.directory, folder + "/");
    EXPECT_EQ(locations.presetFile, "chosen.kvx");
    EXPECT_EQ(locations.bankFile, "");
}

TEST_F(RememberedPresetsTest, StartingAndStoppingWritesNothing) {
    for (const PluginKind& kind : presetPlugins()) kind.make();
    EXPECT_FALSE(std::filesystem::exists(settingsFolder()));
}

}  // namespace
