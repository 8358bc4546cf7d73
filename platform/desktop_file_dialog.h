// The desktop's own file dialog, shown by its dialog program (kdialog under
// KDE, zenity elsewhere) run as a child process that prints the chosen path.
// The editor's thread polls it; any thread may cancel it.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/child_process.h"
#include "platform/file_dialog.h"

class DesktopFileDialog : public FileDialog {
public:
    enum class Program { kZenity, kKdialog };

    // The dialog program of this desktop where one is installed and there is
    // a display to show it on; else null.
    static std::unique_ptr<DesktopFileDialog> find();
    DesktopFileDialog(Program program, std::string programPath);
    ~DesktopFileDialog() override;

    bool start(const FileDialogRequest& request) override;
    bool finished(std::string& path) override;
    void cancel() override;
    // After finished() reported an end: true when the program ended without
    // a choice or a cancel by the user (it could not show its dialog), so
    // that another dialog can stand in.
    bool failed() const;

    // The program's command line for `request`, without the program itself.
    static std::vector<std::string> arguments(Program program, const FileDialogRequest& request);

private:
    enum class State { kIdle, kOpen, kEnded };
    void conclude();

    const Program program_;
    const std::string programPath_;
    mutable std::mutex mutex_;  // everything below
    ChildProcess child_;
    State state_ = State::kIdle;
    bool save_ = false;
    std::string extension_;
    std::string result_;
    bool failed_ = false;
};
