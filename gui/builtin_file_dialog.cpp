#include "gui/builtin_file_dialog.h"

#include "gui/frame.h"

namespace {

std::recursive_mutex* guiMutexOf(CFrame* frame) {
    VSTGUIEditorInterface* editor = frame->getEditor();
    return editor ? editor->getGuiMutex() : nullptr;
}

}  // namespace

BuiltInFileDialog::~BuiltInFileDialog() {
    const auto lock = lockGui();
    if (chooser_) chooser_->cancel();
    chooser_ = SharedPointer<CFileChooser>();  // its count belongs under the lock
}

std::unique_lock<std::recursive_mutex> BuiltInFileDialog::lockGui() const {
    std::recursive_mutex* mutex = guiMutex_.load();
    return mutex ? std::unique_lock<std::recursive_mutex>(*mutex)
                 : std::unique_lock<std::recursive_mutex>();
}

bool BuiltInFileDialog::start(const FileDialogRequest& request) {
    if (!request.frame) return false;
    // The mutex is the editor's, the same for every start of this dialog.
    guiMutex_ = guiMutexOf(request.frame);
    const auto lock = lockGui();
    if (chooser_ && !chooser_->isClosed()) return false;
    auto* chooser = new CFileChooser(request);  // this reference goes to the frame
    SharedPointer<CFileChooser> held(chooser);
    if (!chooser->open(request.frame)) {
        chooser->forget();
        return false;
    }
    chooser_ = held;
    return true;
}

bool BuiltInFileDialog::finished(std::string& path) {
    const auto lock = lockGui();
    if (!chooser_ || !chooser_->isClosed()) return false;
    path = chooser_->getChosenPath();
    chooser_ = SharedPointer<CFileChooser>();
    return true;
}

void BuiltInFileDialog::cancel() {
    const auto lock = lockGui();
    if (chooser_) chooser_->cancel();
}
