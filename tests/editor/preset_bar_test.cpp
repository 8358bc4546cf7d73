// solvane's preset bar on a headless face: where its thirteen controls stand,
// what the gestures do to the programs, the host and the remembered values,
// the file dialogs (a stand-in that answers as the test says) and what the
// bar shows after changes made elsewhere.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "editor/face_controls.h"
#include "gui/option_menu_popup.h"
#include "platform/settings_store.h"
#include "plugins/solvane/solvane_editor.h"
#include "presets/preset_system_editor.h"
#include "presets/preset_transfer.h"
#include "presets/save_load_button.h"
#include "tests/editor/editor_test_support.h"
#include "tests/gui/gui_test_support.h"

using namespace edtest;
using namespace guitest;

namespace {

constexpr int kPrograms = 11;
constexpr int kNameBytes = 24;

// Where to click on each control (its centre), on solvane's face.
const CPoint kNameField(146, 327), kMenu(212, 326), kRockerLeft(225, 326),
    kRockerRight(244, 326), kLoadBank(77, 334), kSaveBank(14, 334), kDefaultBank(44, 334),
    kLoadPreset(77, 319), kSavePreset(14, 319), kDefaultPreset(45, 319), kRecallA(285, 319),
    kStoreA(260, 319), kRecallB(285, 334), kStoreB(260, 334);

// Dialogs that show nothing: each remembers what it was asked and ends when
// the test answers it.
struct DialogRecord {
    FileDialogRequest request;
    bool answered = false;
    std::string path;
    bool cancelled = false;
};

class FakeDialog : public FileDialog {
public:
    explicit FakeDialog(std::vector<std::shared_ptr<DialogRecord>>& shown) : shown_(shown) {}
    ~FakeDialog() override { FakeDialog::cancel(); }
    bool start(const FileDialogRequest& request) override {
        record_ = std::make_shared<DialogRecord>();
        record_->request = request;
        shown_.push_back(record_);
        return true;
    }
    bool finished(std::string& path) override {
        if (!record_ || !record_->answered) return false;
        path = record_->path;
        return true;
    }
    void cancel() override {
        if (record_ && !record_->answered) record_->cancelled = true;
    }

private:
    std::vector<std::shared_ptr<DialogRecord>>& shown_;
    std::shared_ptr<DialogRecord> record_;
};

class PresetBar : public SolvaneEditorTest {
protected:
    void SetUp() override {
        // A configuration folder of the test's own, also for the files.
        std::string pattern = (std::filesystem::temp_directory_path() / "kvbarXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        SolvaneEditorTest::SetUp();
        bar = dynamic_cast<CPresetSystemEditor*>(editor);
        ASSERT_NE(bar, nullptr);
        bar->setFileDialogFactory([this] { return std::make_unique<FakeDialog>(dialogs); });
        frame = openHeadless();
    }
    void TearDown() override {
        SolvaneEditorTest::TearDown();
        unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(folder);
    }

    void clickAt(const CPoint& where, int32_t buttons = kLButton) {
        click(frame, where.x, where.y, buttons);
    }
    // Answers the last dialog (an empty path cancels) and lets the editor idle.
    void answer(const std::string& path) {
        ASSERT_FALSE(dialogs.empty());
        dialogs.back()->answered = true;
        dialogs.back()->path = path;
        editor->idle();
    }
    CControl* barControl(int32_t tag) { return controlWithTag(frame, "CControl", tag); }
    std::string nameField() {
        return dynamic_cast<CTextEdit*>(barControl(preset_bar::kNameFieldTag))->getText();
    }
    COptionMenu* menu() {
        return dynamic_cast<COptionMenu*>(barControl(preset_bar::kProgramMenuTag));
    }
    std::string menuTitle(int entry) { return menu()->getEntry(entry)->getTitle(); }
    std::string programName(int program) {
        char text[kNameBytes + 1] = {0};
        effect->getProgramNameIndexed(0, program, text);
        return text;
    }
    std::string hostProgramName() {
        char text[kNameBytes + 1] = {0};
        effect->getProgramName(text);
        return text;
    }
    // What the bar must show: every program's name, the current one checked.
    void expectBarShowsThePrograms() {
        for (int p = 0; p < kPrograms; ++p) EXPECT_EQ(menuTitle(p), programName(p)) << p;
        EXPECT_EQ(menu()->getCurrentIndex(), effect->getCurrentProgramIndex());
        EXPECT_EQ(nameField(), programName(effect->getCurrentProgramIndex()));
    }
    std::vector<uint8_t> bank() {
        std::vector<uint8_t> record(effect->presetTransfer().bankBytes());
        effect->presetTransfer().makeBankRecord(record.data());
        return record;
    }
    bool storedValue(const char* name) {
        std::vector<uint8_t> value;
        return openUserSettingsStore()->getBinary(name, value);
    }
    void typeText(const std::string& text) {
        for (char c : text) {
            VstKeyCode key{c, 0, 0};
            frame->onKeyDown(key);
        }
    }
    void pressKey(unsigned char virtualKey) {
        VstKeyCode key{0, virtualKey, 0};
        frame->onKeyDown(key);
    }

    std::string folder;
    std::vector<std::shared_ptr<DialogRecord>> dialogs;
    CPresetSystemEditor* bar = nullptr;
    CFrame* frame = nullptr;
};

TEST_F(PresetBar, ThirteenControlsStandAlongTheBottomInTheirOrder) {
    struct Expected {
        int32_t tag;
        const char* type;
        CRect rect;
        CCoord imageHeight;  // 0: no stacked images
    };
    const Expected expected[] = {
        {1000, "CTextEdit", {91, 320, 201, 334}, 0},
        {1012, "COptionMenu", {207, 319, 217, 333}, 0},
        {1001, "CKVRockerSwitch", {219, 319, 250, 333}, 14},
        {1002, "CSaveLoadButton", {71, 327, 83, 341}, 14},
        {1003, "CSaveLoadButton", {8, 327, 20, 341}, 14},
        {1013, "CKVKickButton", {26, 329, 63, 339}, 10},
        {1004, "CSaveLoadButton", {71, 312, 83, 326}, 14},
        {1005, "CSaveLoadButton", {8, 312, 20, 326}, 14},
        {1014, "CKVKickButton", {22, 314, 69, 324}, 10},
        {1017, "CKVKickButton", {279, 312, 291, 326}, 14},
        {1015, "CKVKickButton", {254, 312, 266, 326}, 14},
        {1018, "CKVKickButton", {279, 327, 291, 341}, 14},
        {1016, "CKVKickButton", {254, 327, 266, 341}, 14},
    };
    ASSERT_EQ(frame->getNbViews(), 26 + 13);
    for (int k = 0; k < 13; ++k) {
        auto* control = dynamic_cast<CControl*>(frame->getView(26 + k));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->isTypeOf(expected[k].type)) << k;
        EXPECT_EQ(control->getTag(), expected[k].tag);
        EXPECT_EQ(control->getViewSize(), expected[k].rect) << expected[k].tag;
        if (auto* images = dynamic_cast<IMultiBitmapControl*>(control)) {
            EXPECT_EQ(images->getHeightOfOneImage(), expected[k].imageHeight) << expected[k].tag;
        }
    }

    auto* name = dynamic_cast<CTextEdit*>(barControl(1000));
    EXPECT_EQ(std::string(name->getText()), "init");
    EXPECT_EQ(name->getBackOffset(), CPoint(91, 320));
    EXPECT_EQ(name->getBackColor(), MakeCColor(189, 207, 218, 255));
    EXPECT_EQ(name->getFontColor(), MakeCColor(36, 36, 32, 255));
    EXPECT_EQ(name->getFrameColor(), MakeCColor(36, 36, 32, 255));
    EXPECT_EQ(name->getFont()->getSize(), 11);
    EXPECT_EQ(name->getHoriAlign(), kCenterText);

    EXPECT_EQ(menu()->getStyle(), kPopupStyle | kCheckStyle | kNoTextStyle | kNoDrawStyle);
    EXPECT_EQ(menu()->getNbItemsPerColumn(), 16);
    EXPECT_EQ(menu()->getBackOffset(), CPoint(207, 319));
    ASSERT_EQ(menu()->getNbEntries(), kPrograms);
    expectBarShowsThePrograms();

    // The name over the field's own piece of the background.
    CBitmap* background = new CBitmap(solvaneResources(), 128);
    editor->idle();
    EXPECT_EQ(pixelsOf(frame->getBackBuffer(), CRect(91, 320, 201, 334)),
              expectedText(background, CRect(91, 320, 201, 334), CPoint(91, 320), "init",
                           kCenterText, kNormalFontSmall, MakeCColor(36, 36, 32, 255)));
    background->forget();
}

TEST_F(PresetBar, PresetsAndBanksGoToFilesAndComeBack) {
    effect->selectProgram(3);
    effect->setParameter(0, 0.125f);
    bar->renameProgramFromEditor("Round trip");
    const std::string presetPath = folder + "/one.kvx";

    clickAt(kSavePreset);
    ASSERT_EQ(dialogs.size(), 1u);
    const FileDialogRequest& save = dialogs[0]->request;
    EXPECT_EQ(save.mode, FileDialogRequest::Mode::kSave);
    EXPECT_EQ(save.title, "Save preset");
    EXPECT_EQ(save.extension, "kvx");
    EXPECT_EQ(save.description, "KVX Preset");
    EXPECT_EQ(save.frame, frame);  // where our own chooser shows
    auto* saveButton = dynamic_cast<CSaveLoadButton*>(barControl(1005));
    EXPECT_TRUE(saveButton->isHeld());  // pressed for as long as the dialog is open
    EXPECT_EQ(saveButton->getValue(), 0.f);
    clickAt(kLoadPreset);  // one dialog at a time
    editor->idle();
    EXPECT_EQ(dialogs.size(), 1u);
    answer(presetPath);
    EXPECT_FALSE(saveButton->isHeld());
    EXPECT_FALSE(bar->isFileDialogOpen());
    EXPECT_EQ(std::filesystem::file_size(presetPath), 65u);

    effect->setParameter(0, 0.875f);
    effect->setProgramName(const_cast<char*>("changed"));
    clickAt(kLoadPreset);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1]->request.title, "Load preset");
    EXPECT_EQ(dialogs[1]->request.mode, FileDialogRequest::Mode::kLoad);
    EXPECT_EQ(dialogs[1]->request.initialFolder, folder + "/");  // remembered from the save
    answer(presetPath);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 3);
    EXPECT_EQ(effect->getParameter(0), 0.125f);
    EXPECT_EQ(programName(3), "Round trip");
    expectBarShowsThePrograms();

    // The whole bank, with the file name proposed the second time.
    const std::vector<uint8_t> saved = bank();
    clickAt(kSaveBank);
    EXPECT_EQ(dialogs.back()->request.title, "Save bank");
    EXPECT_EQ(dialogs.back()->request.extension, "kvb");
    EXPECT_EQ(dialogs.back()->request.description, "KVX Bank");
    answer(folder + "/all.kvb");
    EXPECT_EQ(std::filesystem::file_size(folder + "/all.kvb"), 665u);
    clickAt(kSaveBank);
    EXPECT_EQ(dialogs.back()->request.initialName, "all.kvb");
    answer("");

    effect->selectProgram(5);
    effect->setProgramName(const_cast<char*>("another name"));
    effect->setParameter(2, 0.f);
    clickAt(kLoadBank);
    EXPECT_EQ(dialogs.back()->request.title, "Load bank");
    answer(folder + "/all.kvb");
    EXPECT_EQ(bank(), saved);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 0);
    expectBarShowsThePrograms();
}

TEST_F(PresetBar, ACancelledOrClosedDialogChangesNothing) {
    effect->selectProgram(4);
    const std::vector<uint8_t> before = bank();
    const FileLocations locations = effect->presetTransfer().fileLocations();

    for (const CPoint& button : {kLoadPreset, kLoadBank, kSavePreset, kSaveBank}) {
        clickAt(button);
        answer("");
    }
    EXPECT_EQ(dialogs.size(), 4u);
    EXPECT_EQ(bank(), before);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 4);
    EXPECT_EQ(effect->presetTransfer().fileLocations().directory, locations.directory);
    EXPECT_EQ(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());

    // Closing the editor ends its dialog; the next one opens after reopening.
    clickAt(kLoadBank);
    editor->close();
    EXPECT_TRUE(dialogs.back()->cancelled);
    frame = openHeadless();
    EXPECT_FALSE(bar->isFileDialogOpen());
    EXPECT_FALSE(dynamic_cast<CSaveLoadButton*>(barControl(1002))->isHeld());
    clickAt(kLoadBank);
    EXPECT_EQ(dialogs.size(), 6u);
    effect.reset();  // and so does closing the effect
    EXPECT_TRUE(dialogs.back()->cancelled);
}

TEST_F(PresetBar, APlainRightClickOnALoadButtonOpensTheEndianReversedLoad) {
    const struct {
        CPoint button;
        int32_t buttons;
        const char* title;
    } cases[] = {
        {kLoadPreset, kRButton, "Load preset (endian-reversed)"},
        {kLoadPreset, kRButton | kShift, "Load preset"},
        {kLoadPreset, kLButton, "Load preset"},
        {kLoadBank, kRButton, "Load bank (endian-reversed)"},
        {kLoadBank, kRButton | kControl, "Load bank"},
        {kSavePreset, kRButton, "Save preset"},
        {kSaveBank, kRButton, "Save bank"},
    };
    for (const auto& c : cases) {
        clickAt(c.button, c.buttons);
        ASSERT_FALSE(dialogs.empty());
        EXPECT_EQ(dialogs.back()->request.title, c.title);
        answer("");
    }
    EXPECT_EQ(dialogs.size(), std::size(cases));

    // A file whose values are in the other byte order than its identifier
    // loads through the reversed variant.
    effect->selectProgram(7);
    std::vector<uint8_t> record(effect->presetTransfer().presetBytes());
    effect->presetTransfer().makePresetRecord(record.data());
    for (size_t value = 29; value < record.size(); value += 4)
        std::reverse(record.begin() + value, record.begin() + value + 4);
    std::ofstream(folder + "/mixed.kvx", std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()), record.size());
    effect->setParameter(4, 0.5f);
    clickAt(kLoadPreset, kRButton);
    answer(folder + "/mixed.kvx");
    EXPECT_EQ(effect->getParameter(4), 0.8f);  // "center shift left" again
}

TEST_F(PresetBar, ATypedNameIsCutTo24CharactersAndEscapeKeepsTheOldOne) {
    clickAt(kNameField);
    EXPECT_EQ(frame->getFocusView(), barControl(1000));
    pressKey(kVirtualKeyEnd);
    for (int k = 0; k < 4; ++k) pressKey(kVirtualKeyBack);
    typeText("abcdefghijklmnopqrstuvwxyz0123");  // 30 characters
    pressKey(kVirtualKeyReturn);
    const std::string cut = "abcdefghijklmnopqrstuvwx";
    EXPECT_EQ(programName(0), cut);
    EXPECT_EQ(hostProgramName(), cut);
    EXPECT_EQ(nameField(), cut);
    EXPECT_EQ(menuTitle(0), cut);
    EXPECT_GE(host.count(audioMasterUpdateDisplay), 1);

    clickAt(kNameField);
    typeText("zzz");
    pressKey(kVirtualKeyEscape);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(programName(0), cut);
    EXPECT_EQ(nameField(), cut);
}

TEST_F(PresetBar, ChoosingMenuEntryFiveSelectsProgramFive) {
    clickAt(kMenu);
    auto* list = dynamic_cast<COptionMenuPopup*>(frame->getModalView());
    ASSERT_NE(list, nullptr);
    const CRect entry = list->itemRect(5);
    clickAt(CPoint((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2));
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 5);
    EXPECT_EQ(hostProgramName(), "side bal left");
    EXPECT_EQ(effect->getParameter(3), 0.75f);
    expectBarShowsThePrograms();
}

TEST_F(PresetBar, TheRockerStepsAndStaysAtBothEnds) {
    const struct {
        int from;
        CPoint side;
        int to;
        float width;  // parameter 0 afterwards
    } cases[] = {{0, kRockerLeft, 0, 0.01f}, {0, kRockerRight, 1, 0.625f},
                 {10, kRockerRight, 10, 0.01f}, {10, kRockerLeft, 9, 0.5f}};
    for (const auto& c : cases) {
        effect->selectProgram(c.from);
        effect->setParameter(0, 0.01f);  // a live change, kept in the program
        host.calls.clear();
        clickAt(c.side);
        EXPECT_EQ(effect->getCurrentProgramIndex(), c.to);
        // Selected again also at the ends: the host hears the program change.
        EXPECT_EQ(callsOf(audioMasterBeginEdit).size(), 1u) << c.from << " to " << c.to;
        EXPECT_EQ(effect->getParameter(0), c.width);
        expectBarShowsThePrograms();
    }
}

TEST_F(PresetBar, DefaultsAreStoredByDoubleClickAndClearedByCtrlDoubleClick) {
    const struct {
        CPoint button;
        const char* value;
    } cases[] = {{kDefaultPreset, "DefaultPreset"}, {kDefaultBank, "DefaultBank"}};
    for (const auto& c : cases) {
        clickAt(c.button);
        EXPECT_FALSE(storedValue(c.value)) << "a single click does nothing";
        clickAt(c.button, kLButton | kDoubleClick);
        EXPECT_TRUE(storedValue(c.value));
        clickAt(c.button, kLButton | kDoubleClick | kControl);
        EXPECT_FALSE(storedValue(c.value));
    }

    effect->selectProgram(6);
    clickAt(kDefaultPreset, kLButton | kDoubleClick);
    Solvane later(&TestHost::callback);
    char name[kNameBytes + 1] = {0};
    later.getProgramNameIndexed(0, 0, name);
    EXPECT_EQ(std::string(name), "side bal right");
}

TEST_F(PresetBar, MemoriesCopyAProgramIntoTheCurrentOne) {
    effect->selectProgram(2);
    clickAt(kStoreA);
    effect->selectProgram(9);
    clickAt(kStoreB);
    effect->selectProgram(5);
    clickAt(kRecallA);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 5);
    EXPECT_EQ(programName(5), "reduced width");
    EXPECT_EQ(effect->getParameter(0), 0.375f);
    EXPECT_EQ(programName(2), "reduced width");
    expectBarShowsThePrograms();

    clickAt(kRecallB);
    EXPECT_EQ(programName(5), "out of phase");
    EXPECT_EQ(effect->getParameter(8), 1.f);
    expectBarShowsThePrograms();
}

TEST_F(PresetBar, ReopeningRebuildsTheBarWithTheCurrentProgram) {
    clickAt(kRockerRight);
    editor->close();
    effect->selectProgram(4);
    effect->setProgramName(const_cast<char*>("renamed while closed"));
    frame = openHeadless();
    EXPECT_EQ(nameField(), "renamed while closed");
    EXPECT_EQ(menu()->getCurrentIndex(), 4);
    expectBarShowsThePrograms();
}

TEST_F(PresetBar, ARefusedBankShowsWhatTheProgramsReallyHold) {
    effect->selectProgram(3);
    bar->renameProgramFromEditor("kept");
    clickAt(kSavePreset);
    answer(folder + "/preset.kvx");
    const std::vector<uint8_t> before = bank();

    // A preset file offered as a bank, and a bank with a value out of range.
    std::vector<uint8_t> record = before;
    const float outOfRange = 1.5f;
    std::memcpy(record.data() + 5 + 2 * 60 + 24, &outOfRange, sizeof outOfRange);
    std::ofstream(folder + "/bad.kvb", std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()), record.size());
    for (const std::string file : {"preset.kvx", "bad.kvb"}) {
        effect->selectProgram(3);
        editor->idle();
        clickAt(kLoadBank);
        answer(folder + "/" + file);
        EXPECT_EQ(bank(), before) << file;
        EXPECT_EQ(effect->getCurrentProgramIndex(), 0);
        EXPECT_EQ(menuTitle(3), "kept");
        expectBarShowsThePrograms();
    }
}

TEST_F(PresetBar, NamesAndBanksFromTheHostShowAfterTheNextIdle) {
    effect->setProgramName(const_cast<char*>("from the host"));
    EXPECT_EQ(nameField(), "init");  // recorded only
    editor->idle();
    EXPECT_EQ(nameField(), "from the host");
    EXPECT_EQ(menuTitle(0), "from the host");

    Solvane other(&TestHost::callback);
    other.selectProgram(8);
    other.setProgramName(const_cast<char*>("other's program"));
    void* chunk = nullptr;
    const VstInt32 bytes = other.getChunk(&chunk, false);
    ASSERT_EQ(effect->setChunk(chunk, bytes, false), 0);
    editor->idle();
    EXPECT_EQ(effect->getCurrentProgramIndex(), 8);
    expectBarShowsThePrograms();
    EXPECT_EQ(menuTitle(0), "init");
}

TEST_F(PresetBar, EightBitNamesShowAsLatin1AndTheFaceKeepsDrawing) {
    // Names from other programs' files may be in an 8-bit code page.
    effect->setProgramName(const_cast<char*>("Caf\xe9"));
    editor->idle();
    EXPECT_EQ(nameField(), "Caf\xc3\xa9");
    EXPECT_EQ(programName(0), "Caf\xe9");  // the program keeps its bytes
    clickAt(kRockerRight);
    clickAt(kRockerLeft);
    EXPECT_EQ(programName(0), "Caf\xe9");

    CBitmap* background = new CBitmap(solvaneResources(), 128);
    effect->setParameter(1, 0.4f);
    editor->idle();
    const CRect gain(258, 86, 322, 103);  // reaching beyond the face
    EXPECT_EQ(pixelsOf(frame->getBackBuffer(), CRect(258, 86, kFaceWidth, 103)),
              expectedText(background, gain, CPoint(258, 91), "-2 dB", kLeftText,
                           kNormalFontSmall, kBlackCColor));
    background->forget();
}

}  // namespace
