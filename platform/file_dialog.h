// The file dialogs of the preset bar, behind a small interface: the
// desktop's own dialog where one is installed, else a chooser of our own.
// A dialog never blocks the thread that starts it: the editor starts it from
// a control callback and asks on its idle whether it has ended, so the
// editor keeps drawing and a host that closes the editor meanwhile can end
// the dialog at once.
#pragma once

#include <memory>
#include <string>

class CFrame;

struct FileDialogRequest {
    enum class Mode { kLoad, kSave };
    Mode mode = Mode::kLoad;
    std::string title;              // e.g. "Load preset"
    std::string extension;          // without the dot, e.g. "kvx"
    std::string description;        // e.g. "KVX Preset"
    std::string initialFolder;      // full path; empty: the user's home folder
    std::string initialName;        // save dialogs: the proposed file name
    unsigned long parentWindow = 0; // X11 window the dialog belongs to (0: none)
    // The editor's frame, on whose window, connection and thread our own
    // chooser shows (a window id alone gives none of these). Without it
    // only a desktop dialog can be shown.
    CFrame* frame = nullptr;
};

class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Shows the dialog; false when none could be shown (another is still
    // open, or nothing can be run here).
    virtual bool start(const FileDialogRequest& request) = 0;
    // True once the dialog has ended (once per start); `path` is then the
    // chosen file as a full path, or empty when the user cancelled or the
    // dialog was cancelled. Asked from the editor's idle.
    virtual bool finished(std::string& path) = 0;
    // Ends an open dialog as if cancelled; safe from any thread and when
    // nothing is open. The destructor does the same.
    virtual void cancel() = 0;
};

// The platform's dialog: a desktop dialog program where one is installed,
// else our own chooser, which also stands in when the program cannot show
// its dialog. KV_FILE_DIALOG=builtin in the environment (read at each call) always
// gives our own chooser, so that tests need no desktop program. The dialog
// must not outlive the editor whose frame it is given.
std::unique_ptr<FileDialog> makeFileDialog();
