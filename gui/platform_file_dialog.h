// The desktop's dialog program with our own chooser standing in whenever
// the program cannot show its dialog (it is missing, or ends with an error
// instead of a choice or a cancel), so that a load or save button never
// does nothing. makeFileDialog gives one of these.
#pragma once

#include <atomic>
#include <memory>

#include "gui/builtin_file_dialog.h"
#include "platform/desktop_file_dialog.h"

class PlatformFileDialog : public FileDialog {
public:
    // `desktop` may be null: then the chooser is all there is.
    explicit PlatformFileDialog(std::unique_ptr<DesktopFileDialog> desktop)
        : desktop_(std::move(desktop)) {}

    bool start(const FileDialogRequest& request) override;
    bool finished(std::string& path) override;
    void cancel() override;

private:
    std::unique_ptr<DesktopFileDialog> desktop_;
    BuiltInFileDialog builtIn_;
    // start and finished come from the editor's thread alone; cancel from any.
    FileDialogRequest request_;
    bool usingDesktop_ = false;
    std::atomic<bool> cancelled_{false};
};
