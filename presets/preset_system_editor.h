// The editor base of the plug-ins with a preset system: the preset bar along
// the bottom of the face. Thirteen controls: the program name field, the
// program menu, a previous/next rocker, load and save buttons for presets and
// banks, default-bank and default-preset buttons (double-click stores,
// Ctrl-double-click clears) and the A/B memories. The records, files and
// remembered values behind them are the effect's (PresetTransfer,
// RememberedPresets); the bar only turns gestures into those operations and
// shows what the programs hold.
//
// Threads. The effect tells the bar about names and program changes through
// showProgramName and showProgramEntry from whatever thread the host uses;
// those only mark the bar for the next idle, which reads every name and the
// current program afresh from the effect. Everything that touches the bar's
// views runs on the editor's side under the GUI lock: control callbacks, idle
// and the file dialogs, which never block: a dialog is started from its
// button and asked on every idle whether it has ended.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "editor/ad_editor_base.h"
#include "platform/file_dialog.h"
#include "presets/preset_bar_layout.h"

class CKVRockerSwitch;
class COptionMenu;
class CPresetSystemEffect;
class CSaveLoadButton;
class CTextEdit;

class CPresetSystemEditor : public ADEditorBase {
public:
    // Makes the file dialogs the bar opens; the platform's (makeFileDialog)
    // unless another is set.
    using FileDialogFactory = std::function<std::unique_ptr<FileDialog>()>;

    // `barTop` is the bar's top edge on the face; everything else of the bar
    // stands at the same place in every plug-in.
    CPresetSystemEditor(CPresetSystemEffect* effect, const gui::ResourceTable& resources,
                        CCoord barTop);
    // Ends a dialog that is still open.
    ~CPresetSystemEditor() override;

    // Any thread: the bar shows the effect's names and current program on the
    // next idle (the arguments are read afresh from the effect then).
    void showProgramName(const char* name) override;

    // The preset system's operations, in the order plug-in editors know them.
    // Records and files are the effect's PresetTransfer, remembered values its
    // RememberedPresets; these work whenever the editor object exists.
    virtual void loadDefaults();
    virtual bool applyBankRecord(const uint8_t* record, bool reversed);
    virtual void makeBankRecord(uint8_t* out);
    virtual bool applyPresetRecord(const uint8_t* record, bool reversed);
    virtual void makePresetRecord(uint8_t* out);
    // The file dialogs; nothing while the editor is closed or another
    // dialog of the bar is open. `reversed` is the "endian-reversed" load.
    virtual void loadBankDialog(bool reversed);
    virtual void saveBankDialog();
    virtual void storeDefaultBank();
    virtual void clearDefaultBank();
    virtual void loadDefaultBank();
    virtual void loadPresetDialog(bool reversed);
    virtual void savePresetDialog();
    virtual void storeDefaultPreset();
    virtual void clearDefaultPreset();
    virtual void loadDefaultPreset();
    virtual void storeMemoA();
    virtual void storeMemoB();
    virtual void recallMemoA();
    virtual void recallMemoB();
    virtual void saveFileLocations();
    virtual void loadFileLocations();

    void showProgramEntry(VstInt32 index, const char* name) override;
    // The name typed in the bar: into the name field and the current menu
    // entry, then the effect's current program.
    void renameProgramFromEditor(const char* name);
    bool isFileDialogOpen();

    void setFileDialogFactory(FileDialogFactory factory) { dialogFactory_ = std::move(factory); }

protected:
    void openPresetBar() override;
    void closePresetBar() override;
    void presetBarValueChanged(CControl* control) override;
    void presetBarIdle() override;

private:
    enum class FileAction { kLoadPreset, kSavePreset, kLoadBank, kSaveBank };
    struct OpenDialog {
        std::unique_ptr<FileDialog> dialog;
        FileAction action = FileAction::kLoadPreset;
        bool reversed = false;
        CSaveLoadButton* button = nullptr;  // shown pressed while the dialog is open
    };
    struct BarControls {
        CTextEdit* nameField = nullptr;
        COptionMenu* programMenu = nullptr;
        CKVRockerSwitch* rocker = nullptr;
        CControl* buttons[preset_bar::kButtonCount] = {};
    };

    void addNameField();
    void addProgramMenu();
    void addRocker();
    void addButton(int index);

    void commitName(CControl* control);
    void stepProgram(float direction);
    void chooseProgram(float menuValue);
    // Makes `index` current with its name shown, as the rocker and the menu do.
    void showAndSelect(int index);
    void remember(int32_t tag, float value);

    void startDialog(FileAction action, bool reversed);
    FileDialogRequest requestFor(FileAction action, bool reversed) const;
    void pollDialog();
    void runFileAction(FileAction action, bool reversed, const std::string& path);
    void endDialog();

    // Shows every program name and the current program, if the effect asked.
    void showRequestedBank();
    CSaveLoadButton* saveLoadButton(int32_t tag) const;

    CPresetSystemEffect* presetEffect_;
    CCoord barTop_;
    BarControls bar_;
    OpenDialog dialog_;
    FileDialogFactory dialogFactory_;
    std::atomic<bool> bankChanged_{false};
};
