// Preset and bank files of the three plug-ins with a preset system, written
// and read through the operations the preset bar's file buttons use.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include "presets/byte_order.h"
#include "tests/host/preset_test_support.h"

namespace {

constexpr size_t kValuesOffset = 29;
constexpr size_t kNameOffset = 5;

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

float valueAt(const std::vector<uint8_t>& record, size_t offset) {
    return readFloatLE(&record[offset]);
}

class PresetFiles : public PresetFolderTest {};

TEST_F(PresetFiles, RecordsHaveTheSizesAndLayoutOfEveryPlugin) {
    for (const PluginKind& kind : presetPlugins()) {
        SCOPED_TRACE(kind.name);
        auto effect = kind.make();
        effect->selectProgram(2);
        const std::string preset = path(std::string(kind.name) + ".kvx");
        const std::string bank = path(std::string(kind.name) + ".kvb");
        ASSERT_TRUE(effect->presetTransfer().savePresetFile(preset));
        ASSERT_TRUE(effect->presetTransfer().saveBankFile(bank));

        const std::vector<uint8_t> p = fileBytes(preset);
        const std::vector<uint8_t> b = fileBytes(bank);
        ASSERT_EQ(p.size(), kind.presetBytes);
        ASSERT_EQ(b.size(), kind.bankBytes);
        const auto id = static_cast<uint32_t>(effect->getUniqueId());
        EXPECT_EQ(readWordLE(&p[0]), id);
        EXPECT_EQ(readWordLE(&b[0]), id);
        EXPECT_EQ(p[4], '!');
        EXPECT_EQ(b[4], '7');
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&p[kNameOffset])).substr(0, 24),
                  programName(*effect, 2));
        const ProgramStore& store = effect->programStore();
        for (int k = 0; k < store.numParams(); ++k)
            EXPECT_EQ(valueAt(p, kValuesOffset + 4 * k), store.value(2, k)) << "value " << k;
        const size_t last = kNameOffset + (store.numPrograms() - 1) * store.recordBytes();
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[last])).substr(0, 24),
                  programName(*effect, store.numPrograms() - 1));
    }
}

TEST_F(PresetFiles, SavedPresetAndBankLoadBackExactly) {
    auto source = makeSolvane();
    source->selectProgram(3);
    source->setParameter(0, 0.3125f);
    char name[] = "my own setting";
    source->setProgramName(name);
    ASSERT_TRUE(source->presetTransfer().savePresetFile(path("a.kvx")));
    ASSERT_TRUE(source->presetTransfer().saveBankFile(path("a.kvb")));

    // Into another program of another instance: the current program takes it.
    auto target = makeSolvane();
    target->selectProgram(6);
    ASSERT_TRUE(target->presetTransfer().loadPresetFile(path("a.kvx"), false));
    EXPECT_EQ(target->getCurrentProgramIndex(), 6);
    EXPECT_EQ(programName(*target, 6), "my own setting");
    for (int k = 0; k < target->programStore().numParams(); ++k) {
        EXPECT_EQ(target->programStore().value(6, k), source->programStore().value(3, k));
        EXPECT_EQ(target->getParameter(k), source->programStore().value(3, k));
    }

    auto bankTarget = makeSolvane();
    bankTarget->selectProgram(5);
    ASSERT_TRUE(bankTarget->presetTransfer().loadBankFile(path("a.kvb"), false));
    EXPECT_EQ(bankRecordOf(*bankTarget), bankRecordOf(*source));
    EXPECT_EQ(bankTarget->getCurrentProgramIndex(), 0);
}

TEST_F(PresetFiles, FilesOfAnotherPluginOrKindAreRefused) {
    auto solvane = makeSolvane();
    ASSERT_TRUE(solvane->presetTransfer().savePresetFile(path("s.kvx")));
    ASSERT_TRUE(solvane->presetTransfer().saveBankFile(path("s.kvb")));
    struct Case {
        const char* what;
        std::function<std::unique_ptr<CPresetSystemEffect>()> make;
        bool bankLoader;
        std::string file;
        int currentAfter;  // a bank load makes program 0 current first
    };
    const Case cases[] = {
        {"solvane preset to duplimo", makeDuplimo, false, path("s.kvx"), 4},
        {"solvane bank to widmoor", makeWidmoor, true, path("s.kvb"), 0},
        {"preset file to the bank loader", makeSolvane, true, path("s.kvx"), 0},
        {"bank file to the preset loader", makeSolvane, false, path("s.kvb"), 4},
        {"missing file", makeSolvane, false, path("none.kvx"), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto effect = c.make();
        effect->selectProgram(4);
        const std::vector<uint8_t> before = bankRecordOf(*effect);
        PresetTransfer& transfer = effect->presetTransfer();
        EXPECT_FALSE(c.bankLoader ? transfer.loadBankFile(c.file, false)
                                  : transfer.loadPresetFile(c.file, false));
        EXPECT_EQ(bankRecordOf(*effect), before);
        EXPECT_EQ(effect->getCurrentProgramIndex(), c.currentAfter);
    }
}

TEST_F(PresetFiles, PresetWithAValueOutsideTheRangeChangesNothing) {
    auto effect = makeSolvane();
    effect->selectProgram(1);
    const std::vector<uint8_t> good = presetRecordOf(*effect);
    ASSERT_EQ(good.size(), 65u);
    effect->selectProgram(7);
    const std::vector<uint8_t> before = bankRecordOf(*effect);
    const float live = effect->getParameter(8);
    for (float bad : {1.5f, -0.01f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(bad);
        std::vector<uint8_t> record = good;
        writeFloatLE(&record[record.size() - 4], bad);  // the last value
        writeFile(path("bad.kvx"), record);
        EXPECT_FALSE(effect->presetTransfer().loadPresetFile(path("bad.kvx"), false));
        EXPECT_EQ(bankRecordOf(*effect), before);
        EXPECT_EQ(effect->getParameter(8), live);
    }
    // Both ends of the range are values like any other.
    std::vector<uint8_t> ends = good;
    writeFloatLE(&ends[kValuesOffset], 0.0f);
    writeFloatLE(&ends[ends.size() - 4], 1.0f);
    EXPECT_TRUE(effect->presetTransfer().applyPresetRecord(ends.data(), false));
    EXPECT_EQ(effect->programStore().value(7, 8), 1.0f);
}

TEST_F(PresetFiles, RefusedBankRestoresProgramsAndTheNamesTheBarShows) {
    auto source = makeWidmoor();
    for (int p = 0; p < source->programStore().numPrograms(); ++p) {
        source->selectProgram(p);
        source->renameCurrentProgram(("loaded " + std::to_string(p)).c_str());
    }
    std::vector<uint8_t> refused = bankRecordOf(*source);
    writeFloatLE(&refused[refused.size() - 4], 1.5f);  // last program, last value

    auto effect = makeWidmoor();
    delete effect->getEditor();  // the face makes way for the recording editor
    auto* bar = new RecordingEditor(effect.get());
    effect->setEditor(bar);
    effect->selectProgram(4);
    const std::vector<uint8_t> before = bankRecordOf(*effect);
    EXPECT_FALSE(effect->presetTransfer().applyBankRecord(refused.data(), false));
    EXPECT_EQ(bankRecordOf(*effect), before);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 0);
    for (const RecordingEditor::Entry& entry : bar->entries)
        EXPECT_EQ(entry.title, programName(*effect, entry.index)) << "menu entry " << entry.index;
    ASSERT_FALSE(bar->shownNames.empty());
    EXPECT_EQ(bar->shownNames.back(), programName(*effect, 0));
    ASSERT_FALSE(bar->entries.empty());
    EXPECT_EQ(bar->entries.back().index, 0);

    // The same bank without the bad value: every entry gets its new title
    // and the bar ends on program 0.
    bar->entries.clear();
    const std::vector<uint8_t> accepted = bankRecordOf(*source);
    EXPECT_TRUE(effect->presetTransfer().applyBankRecord(accepted.data(), false));
    for (int p = 0; p < effect->programStore().numPrograms(); ++p)
        EXPECT_EQ(programName(*effect, p), "loaded " + std::to_string(p));
    EXPECT_EQ(static_cast<int>(bar->entries.size()), effect->programStore().numPrograms() + 1);
    for (const RecordingEditor::Entry& entry : bar->entries)
        EXPECT_EQ(entry.title, programName(*effect, entry.index));
    EXPECT_EQ(bar->entries.back().index, 0);
    EXPECT_EQ(bar->shownNames.back(), "loaded 0");
}

TEST_F(PresetFiles, ShortFileLoadsTheNameAndZeroForMissingValues) {
    auto source = makeSolvane();
    source->selectProgram(2);
    ASSERT_TRUE(source->presetTransfer().savePresetFile(path("full.kvx")));
    std::vector<uint8_t> cut = fileBytes(path("full.kvx"));
    cut.resize(40);
    writeFile(path("cut.kvx"), cut);

    auto effect = makeSolvane();
    effect->selectProgram(5);
    ASSERT_TRUE(effect->presetTransfer().loadPresetFile(path("cut.kvx"), false));
    EXPECT_EQ(programName(*effect, 5), programName(*source, 2));
    const ProgramStore& store = effect->programStore();
    EXPECT_EQ(store.value(5, 0), source->programStore().value(2, 0));
    EXPECT_EQ(store.value(5, 1), source->programStore().value(2, 1));
    // Value 2 has three of its bytes in the file, the fourth is zero.
    const uint8_t partial[4] = {cut[37], cut[38], cut[39], 0};
    EXPECT_EQ(store.value(5, 2), readFloatLE(partial));
    for (int k = 3; k < store.numParams(); ++k) EXPECT_EQ(store.value(5, k), 0.0f) << k;
}

// A preset record with its identifier and its values each in native or
// reversed byte order.
std::vector<uint8_t> withByteOrders(std::vector<uint8_t> record, bool reverseId,
                                    bool reverseValues) {
    if (reverseId) reverseWordInPlace(&record[0]);
    if (reverseValues)
        for (size_t offset = kValuesOffset; offset < record.size(); offset += 4)
            reverseWordInPlace(&record[offset]);
    return record;
}

TEST_F(PresetFiles, ByteOrderOfIdentifierAndValues) {
    auto source = makeDuplimo();
    source->selectProgram(3);
    for (int k = 0; k < source->programStore().numParams(); ++k)
        source->setParameter(k, 0.75f - 0.125f * k);  // none reads the same reversed
    const std::vector<uint8_t> native = presetRecordOf(*source);
    struct Case {
        const char* what;
        bool reverseId, reverseValues, reversedLoad, loadsExactly;
    };
    const Case cases[] = {
        {"big-endian file, plain load", true, true, false, true},
        {"mixed orders, plain load", false, true, false, false},
        {"mixed orders, endian-reversed load", false, true, true, true},
        {"reversed identifier only, endian-reversed load", true, false, true, true},
        {"native file, endian-reversed load", false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> record = withByteOrders(native, c.reverseId, c.reverseValues);
        auto effect = makeDuplimo();
        const bool loaded =
            effect->presetTransfer().applyPresetRecord(record.data(), c.reversedLoad);
        EXPECT_EQ(loaded && presetRecordOf(*effect) == native, c.loadsExactly);
        if (c.loadsExactly) {
            EXPECT_EQ(record[4], '!');  // tag and name are never turned round
            EXPECT_EQ(programName(*effect, 0), programName(*source, 3));
        }
    }
}

TEST_F(PresetFiles, WriteProtectedFileLoads) {
    auto source = makeWidmoor();
    source->selectProgram(9);
    ASSERT_TRUE(source->presetTransfer().savePresetFile(path("locked.kvx")));
    ASSERT_EQ(chmod(path("locked.kvx").c_str(), 0444), 0);

    auto effect = makeWidmoor();
    EXPECT_TRUE(effect->presetTransfer().loadPresetFile(path("locked.kvx"), false));
    EXPECT_EQ(programName(*effect, 0), programName(*source, 9));
    // Saving over it fails without harm.
    EXPECT_EQ(geteuid() == 0, effect->presetTransfer().savePresetFile(path("locked.kvx")));
}

TEST_F(PresetFiles, DialogsRememberFolderAndNamePerKind) {
    auto effect = makeSolvane();
    PresetTransfer& transfer = effect->presetTransfer();
    EXPECT_FALSE(transfer.fileLocationsChanged());
    transfer.loadPresetFile(path("one.kvx"), false);  // missing: still remembered
    transfer.saveBankFile(path("two.kvb"));
    EXPECT_EQ(transfer.fileLocations().directory, folder + "/");
    EXPECT_EQ(transfer.fileLocations().presetFile, "one.kvx");
    EXPECT_EQ(transfer.fileLocations().bankFile, "two.kvb");
    EXPECT_TRUE(transfer.fileLocationsChanged());
}

}  // namespace
