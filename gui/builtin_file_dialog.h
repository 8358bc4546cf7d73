// Our own chooser (CFileChooser) behind the file dialog interface. It shows
// in the request's frame and needs no thread of its own: the frame's window
// thread drives it. Every call takes the GUI lock of the frame's editor, the
// lock that thread takes, so cancel() is safe from any thread; the dialog
// must therefore not outlive that editor.
#pragma once

#include <atomic>
#include <mutex>

#include "gui/file_chooser.h"
#include "platform/file_dialog.h"

class BuiltInFileDialog : public FileDialog {
public:
    BuiltInFileDialog() = default;
    ~BuiltInFileDialog() override;
    BuiltInFileDialog(const BuiltInFileDialog&) = delete;
    BuiltInFileDialog& operator=(const BuiltInFileDialog&) = delete;

    // False without a frame, while a chooser is open, or when the frame
    // shows another modal view.
    bool start(const FileDialogRequest& request) override;
    bool finished(std::string& path) override;
    void cancel() override;

    // The open chooser (null when none), for tests that look at it; use it
    // under the GUI lock.
    CFileChooser* getChooser() const { return chooser_.get(); }

private:
    std::unique_lock<std::recursive_mutex> lockGui() const;

    std::atomic<std::recursive_mutex*> guiMutex_{nullptr};
    SharedPointer<CFileChooser> chooser_;  // under the GUI lock
};
