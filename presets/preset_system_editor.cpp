#include "presets/preset_system_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "editor/face_controls.h"
#include "gui/frame.h"
#include "gui/option_menu.h"
#include "gui/text_edit.h"
#include "presets/preset_system_effect.h"
#include "presets/preset_transfer.h"
#include "presets/program_store.h"
#include "presets/remembered_presets.h"
#include "presets/save_load_button.h"

using namespace preset_bar;

namespace {

constexpr int kRockerImages = 5;
constexpr int kButtonImages = 3;
constexpr int32_t kMenuItemsPerColumn = 16;
constexpr int32_t kMenuStyle = kPopupStyle | kCheckStyle | kNoTextStyle | kNoDrawStyle;
// The name field is centred on the middle of its place, with this much room
// above and below the font.
constexpr CCoord kNameFieldMargin = 2;

constexpr CColor kNameBackColour = MakeCColor(189, 207, 218, 255);
constexpr CColor kNameTextColour = MakeCColor(36, 36, 32, 255);
constexpr CColor kNameFrameColour = MakeCColor(36, 36, 32, 255);

// The default buttons send 1.0 for a double click, 0.5 with Ctrl held.
constexpr float kStoreThreshold = 0.75f;

struct DialogText {
    const char* title;
    const char* reversedTitle;
    const char* extension;
    const char* description;
};
constexpr DialogText kPresetLoadText{"Load preset", "Load preset (endian-reversed)", "kvx",
                                     "KVX Preset"};
constexpr DialogText kPresetSaveText{"Save preset", "Save preset", "kvx", "KVX Preset"};
constexpr DialogText kBankLoadText{"Load bank", "Load bank (endian-reversed)", "kvb",
                                   "KVX Bank"};
constexpr DialogText kBankSaveText{"Save bank", "Save bank", "kvb", "KVX Bank"};

CRect onBar(const FaceRect& place, CCoord barTop) {
    return CRect(place.left, barTop + place.top, place.right, barTop + place.bottom);
}

bool isContinuationByte(unsigned char c) { return (c & 0xc0) == 0x80; }

// Whether `text` is whole UTF-8 (no stray or cut-off sequence).
bool isUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xe ? 3
                                             : (lead >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if (!isContinuationByte(static_cast<unsigned char>(text[i + k]))) return false;
        i += length;
    }
    return true;
}

// A program name as the bar shows it. Names are bytes: those written by
// other programs may be in an 8-bit code page, which the text drawing (UTF-8
// only) would refuse, so such a name is shown as Latin-1.
std::string shownName(const char* bytes) {
    std::string name(bytes ? bytes : "");
    if (isUtf8(name)) return name;
    std::string shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            shown += c;
        } else {
            shown += static_cast<char>(0xc0 | (byte >> 6));
            shown += static_cast<char>(0x80 | (byte & 0x3f));
        }
    }
    return shown;
}

// A typed name cut to the bytes a program name holds, never inside a character.
std::string cutName(const char* text) {
    std::string name(text ? text : "");
    if (name.size() <= static_cast<size_t>(kProgramNameBytes)) return name;
    size_t end = kProgramNameBytes;
    while (end > 0 && isContinuationByte(static_cast<unsigned char>(name[end]))) --end;
    return name.substr(0, end);
}

// Program `program`'s name bytes as the effect holds them.
std::string storedName(CPresetSystemEffect& effect, int program) {
    char name[kProgramNameBytes + 1] = {0};
    effect.getProgramNameIndexed(0, program, name);
    return name;
}

std::string programName(CPresetSystemEffect& effect, int program) {
    return shownName(storedName(effect, program).c_str());
}

}  // namespace

CPresetSystemEditor::CPresetSystemEditor(CPresetSystemEffect* effect,
                                         const gui::ResourceTable& resources, CCoord barTop)
    : ADEditorBase(effect, resources),
      presetEffect_(effect),
      barTop_(barTop),
      dialogFactory_(makeFileDialog) {}

CPresetSystemEditor::~CPresetSystemEditor() {
    GuiLock lock(guiMutex());
    endDialog();
}

// --- building ------------------------------------------------------------

void CPresetSystemEditor::openPresetBar() {
    if (!presetEffect_ || !frame) return;
    bankChanged_.store(false, std::memory_order_relaxed);  // the bar reads everything now
    addNameField();
    addProgramMenu();
    addRocker();
    for (int k = 0; k < kButtonCount; ++k) addButton(k);
}

void CPresetSystemEditor::addNameField() {
    CRect place = onBar(kNameFieldPlace, barTop_);
    // Centred on the middle of its place for the font; font sizes are whole
    // pixels, and so is the half taken above and below.
    CFontRef font = getFont(kNormalFontSmall);
    const CCoord middle = (place.top + place.bottom) / 2;
    const CCoord halfFont = std::floor(font->getSize() / 2);
    place.top = middle - halfFont - kNameFieldMargin;
    place.bottom = middle + halfFont + kNameFieldMargin;

    const std::string name = programName(*presetEffect_, presetEffect_->getCurrentProgramIndex());
    auto* field = new CTextEdit(place, this, kNameFieldTag, name.c_str(), getBackgroundBitmap());
    field->setBackOffset(CPoint(kNameFieldPlace.left, barTop_ + kNameFieldPlace.top));
    field->setBackColor(kNameBackColour);
    field->setFont(font);
    field->setFontColor(kNameTextColour);
    field->setFrameColor(kNameFrameColour);
    field->setHoriAlign(kCenterText);
    bar_.nameField = field;
    addView(field);
}

void CPresetSystemEditor::addProgramMenu() {
    const CRect place = onBar(kProgramMenuPlace, barTop_);
    auto* menu = new COptionMenu(place, this, kProgramMenuTag, getBackgroundBitmap(), nullptr,
                                 kMenuStyle);
    menu->setBackOffset(place.getTopLeft());
    menu->setNbItemsPerColumn(kMenuItemsPerColumn);
    const int programs = presetEffect_->programStore().numPrograms();
    // Titles are set after the entry is made: a program named "-" is a
    // program, not a separator.
    for (int p = 0; p < programs; ++p)
        menu->addEntry("")->setTitle(programName(*presetEffect_, p).c_str());
    menu->setCurrent(presetEffect_->getCurrentProgramIndex());
    bar_.programMenu = menu;
    addView(menu);
}

void CPresetSystemEditor::addRocker() {
    CBitmap* image = getLayoutBitmap(kRockerBitmap);
    const auto imageHeight = static_cast<int32_t>(image->getHeight() / kRockerImages);
    auto* rocker = new CKVRockerSwitch(onBar(kRockerPlace, barTop_), this, kRockerTag,
                                       imageHeight, image, CPoint(0, 0), kHorizontal);
    bar_.rocker = rocker;
    addView(rocker);
}

void CPresetSystemEditor::addButton(int index) {
    const ButtonPlace& button = kButtons[index];
    CBitmap* image = getLayoutBitmap(button.bitmapId);
    const auto imageHeight = static_cast<int32_t>(image->getHeight() / kButtonImages);
    const CRect place = onBar(button.place, barTop_);
    CControl* control = nullptr;
    if (button.kind == ButtonKind::kSaveLoad)
        control = new CSaveLoadButton(place, this, button.tag, imageHeight, image, CPoint(0, 0));
    else
        control = new CKVKickButton(place, this, button.tag, imageHeight, image, CPoint(0, 0),
                                    button.kind == ButtonKind::kDoubleClickKick);
    bar_.buttons[index] = control;
    addView(control);
}

void CPresetSystemEditor::closePresetBar() {
    endDialog();
    bar_ = BarControls{};
}

// --- gestures --------------------------------------------------------------

void CPresetSystemEditor::presetBarValueChanged(CControl* control) {
    if (!presetEffect_ || !control) return;
    GuiLock lock(guiMutex());
    const float value = control->getValue();
    const bool reversed = value == CSaveLoadButton::kPlainRightPress;
    switch (control->getTag()) {
        case kNameFieldTag: commitName(control); break;
        case kRockerTag: stepProgram(value); break;
        case kProgramMenuTag: chooseProgram(value); break;
        case kLoadBankTag: loadBankDialog(reversed); break;
        case kSaveBankTag: saveBankDialog(); break;
        case kLoadPresetTag: loadPresetDialog(reversed); break;
        case kSavePresetTag: savePresetDialog(); break;
        case kDefaultBankTag:
        case kDefaultPresetTag:
        case kStoreATag:
        case kStoreBTag:
        case kRecallATag:
        case kRecallBTag: remember(control->getTag(), value); break;
        default: return;
    }
    // A load tells the bar what changed; show it before the gesture ends.
    showRequestedBank();
}

void CPresetSystemEditor::commitName(CControl* control) {
    auto* field = dynamic_cast<CTextEdit*>(control);
    if (!field) return;
    renameProgramFromEditor(cutName(field->getText()).c_str());
}

void CPresetSystemEditor::renameProgramFromEditor(const char* name) {
    if (!presetEffect_) return;
    {
        GuiLock lock(guiMutex());
        const std::string shown = shownName(name);
        if (bar_.nameField) bar_.nameField->setText(shown.c_str());
        if (bar_.programMenu)
            if (CMenuItem* entry = bar_.programMenu->getCurrent()) entry->setTitle(shown.c_str());
    }
    presetEffect_->renameCurrentProgram(name);
}

void CPresetSystemEditor::stepProgram(float direction) {
    const int last = presetEffect_->programStore().numPrograms() - 1;
    int index = presetEffect_->getCurrentProgramIndex();
    if (direction > 0)
        index = std::min(index + 1, last);
    else if (direction < 0)
        index = std::max(index - 1, 0);
    else
        return;
    showAndSelect(index);
}

void CPresetSystemEditor::chooseProgram(float menuValue) {
    const auto index = static_cast<int>(menuValue + 0.5f);
    if (!bar_.programMenu || !bar_.programMenu->getEntry(index)) return;
    showAndSelect(index);
}

void CPresetSystemEditor::showAndSelect(int index) {
    // The entry's title shows the program's name; the program keeps its own
    // bytes, also where the title had to show them otherwise.
    const std::string name = storedName(*presetEffect_, index);
    if (bar_.programMenu) bar_.programMenu->setCurrent(index);
    if (bar_.nameField) bar_.nameField->setText(shownName(name.c_str()).c_str());
    presetEffect_->selectProgram(index);
    presetEffect_->renameCurrentProgram(name.c_str());
}

void CPresetSystemEditor::remember(int32_t tag, float value) {
    const bool store = value >= kStoreThreshold;
    switch (tag) {
        case kDefaultBankTag: store ? storeDefaultBank() : clearDefaultBank(); break;
        case kDefaultPresetTag: store ? storeDefaultPreset() : clearDefaultPreset(); break;
        case kStoreATag: storeMemoA(); break;
        case kStoreBTag: storeMemoB(); break;
        case kRecallATag: recallMemoA(); break;
        case kRecallBTag: recallMemoB(); break;
        default: break;
    }
}

// --- the preset system's operations ----------------------------------------

void CPresetSystemEditor::loadDefaults() { presetEffect_->rememberedPresets().loadDefaults(); }

bool CPresetSystemEditor::applyBankRecord(const uint8_t* record, bool reversed) {
    return presetEffect_->presetTransfer().applyBankRecord(record, reversed);
}

void CPresetSystemEditor::makeBankRecord(uint8_t* out) {
    presetEffect_->presetTransfer().makeBankRecord(out);
}

bool CPresetSystemEditor::applyPresetRecord(const uint8_t* record, bool reversed) {
    return presetEffect_->presetTransfer().applyPresetRecord(record, reversed);
}

void CPresetSystemEditor::makePresetRecord(uint8_t* out) {
    presetEffect_->presetTransfer().makePresetRecord(out);
}

void CPresetSystemEditor::storeDefaultBank() {
    presetEffect_->rememberedPresets().storeDefaultBank();
}
void CPresetSystemEditor::clearDefaultBank() {
    presetEffect_->rememberedPresets().clearDefaultBank();
}
void CPresetSystemEditor::loadDefaultBank() {
    presetEffect_->rememberedPresets().loadDefaultBank();
}

void CPresetSystemEditor::storeDefaultPreset() {
    presetEffect_->rememberedPresets().storeDefaultPreset();
}
void CPresetSystemEditor::clearDefaultPreset() {
    presetEffect_->rememberedPresets().clearDefaultPreset();
}
void CPresetSystemEditor::loadDefaultPreset() {
    presetEffect_->rememberedPresets().loadDefaultPreset();
}

void CPresetSystemEditor::storeMemoA() { presetEffect_->rememberedPresets().storeMemoA(); }
void CPresetSystemEditor::storeMemoB() { presetEffect_->rememberedPresets().storeMemoB(); }
void CPresetSystemEditor::recallMemoA() { presetEffect_->rememberedPresets().recallMemoA(); }
void CPresetSystemEditor::recallMemoB() { presetEffect_->rememberedPresets().recallMemoB(); }

void CPresetSystemEditor::saveFileLocations() {
    presetEffect_->rememberedPresets().saveFileLocations();
}
void CPresetSystemEditor::loadFileLocations() {
    presetEffect_->rememberedPresets().loadFileLocations();
}

// --- what the effect changed ---------------------------------------------

void CPresetSystemEditor::showProgramName(const char* /*name*/) {
    bankChanged_.store(true, std::memory_order_release);
}

void CPresetSystemEditor::showProgramEntry(VstInt32 /*index*/, const char* /*name*/) {
    bankChanged_.store(true, std::memory_order_release);
}

void CPresetSystemEditor::showRequestedBank() {
    if (!bankChanged_.exchange(false, std::memory_order_acquire)) return;
    const int current = presetEffect_->getCurrentProgramIndex();
    if (COptionMenu* menu = bar_.programMenu) {
        for (int p = 0; p < menu->getNbEntries(); ++p)
            menu->getEntry(p)->setTitle(programName(*presetEffect_, p).c_str());
        menu->setCurrent(current);
    }
    if (bar_.nameField) bar_.nameField->setText(programName(*presetEffect_, current).c_str());
}

void CPresetSystemEditor::presetBarIdle() {
    if (!presetEffect_) return;
    pollDialog();
    showRequestedBank();
}

// --- file dialogs ----------------------------------------------------------

void CPresetSystemEditor::loadBankDialog(bool reversed) {
    startDialog(FileAction::kLoadBank, reversed);
}

void CPresetSystemEditor::saveBankDialog() { startDialog(FileAction::kSaveBank, false); }

void CPresetSystemEditor::loadPresetDialog(bool reversed) {
    startDialog(FileAction::kLoadPreset, reversed);
}

void CPresetSystemEditor::savePresetDialog() { startDialog(FileAction::kSavePreset, false); }

bool CPresetSystemEditor::isFileDialogOpen() {
    GuiLock lock(guiMutex());
    return dialog_.dialog != nullptr;
}

FileDialogRequest CPresetSystemEditor::requestFor(FileAction action, bool reversed) const {
    const bool bank = action == FileAction::kLoadBank || action == FileAction::kSaveBank;
    const bool load = action == FileAction::kLoadBank || action == FileAction::kLoadPreset;
    const DialogText& text = bank ? (load ? kBankLoadText : kBankSaveText)
                                  : (load ? kPresetLoadText : kPresetSaveText);
    const FileLocations& locations = presetEffect_->presetTransfer().fileLocations();

    FileDialogRequest request;
    request.mode = load ? FileDialogRequest::Mode::kLoad : FileDialogRequest::Mode::kSave;
    request.title = reversed ? text.reversedTitle : text.title;
    request.extension = text.extension;
    request.description = text.description;
    request.initialFolder = locations.directory;
    if (!load) request.initialName = bank ? locations.bankFile : locations.presetFile;
    request.parentWindow =
        static_cast<unsigned long>(reinterpret_cast<uintptr_t>(systemWindow_));
    request.frame = frame;
    return request;
}

CSaveLoadButton* CPresetSystemEditor::saveLoadButton(int32_t tag) const {
    for (CControl* control : bar_.buttons)
        if (control && control->getTag() == tag) return dynamic_cast<CSaveLoadButton*>(control);
    return nullptr;
}

void CPresetSystemEditor::startDialog(FileAction action, bool reversed) {
    GuiLock lock(guiMutex());
    if (!presetEffect_ || !frame || dialog_.dialog || !dialogFactory_) return;
    std::unique_ptr<FileDialog> dialog = dialogFactory_();
    if (!dialog || !dialog->start(requestFor(action, reversed))) return;

    static constexpr int32_t kButtonOf[] = {kLoadPresetTag, kSavePresetTag, kLoadBankTag,
                                            kSaveBankTag};
    dialog_.dialog = std::move(dialog);
    dialog_.action = action;
    dialog_.reversed = reversed;
    dialog_.button = saveLoadButton(kButtonOf[static_cast<int>(action)]);
    if (dialog_.button) dialog_.button->setHeld(true);
}

void CPresetSystemEditor::pollDialog() {
    std::string path;
    if (!dialog_.dialog || !dialog_.dialog->finished(path)) return;
    const FileAction action = dialog_.action;
    const bool reversed = dialog_.reversed;
    endDialog();
    if (path.empty()) return;  // cancelled: nothing changes
    runFileAction(action, reversed, path);
    if (frame) frame->invalid();
}

void CPresetSystemEditor::runFileAction(FileAction action, bool reversed,
                                        const std::string& path) {
    PresetTransfer& transfer = presetEffect_->presetTransfer();
    switch (action) {
        case FileAction::kLoadPreset: transfer.loadPresetFile(path, reversed); break;
        case FileAction::kSavePreset: transfer.savePresetFile(path); break;
        case FileAction::kLoadBank: transfer.loadBankFile(path, reversed); break;
        case FileAction::kSaveBank: transfer.saveBankFile(path); break;
    }
}

void CPresetSystemEditor::endDialog() {
    if (dialog_.button) dialog_.button->setHeld(false);
    if (dialog_.dialog) dialog_.dialog->cancel();
    dialog_ = OpenDialog{};
}
