#include "gui/platform_file_dialog.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kChoiceVariable = "KV_FILE_DIALOG";
constexpr const char* kBuiltInChoice = "builtin";

// Asked whenever a dialog is made, not once per process: a host (or test)
// that changes the variable gets the chooser it asked for from then on.
bool builtInForced() {
    const char* choice = std::getenv(kChoiceVariable);
    return choice != nullptr && std::strcmp(choice, kBuiltInChoice) == 0;
}

}  // namespace

bool PlatformFileDialog::start(const FileDialogRequest& request) {
    cancelled_ = false;
    request_ = request;
    usingDesktop_ = desktop_ && desktop_->start(request);
    return usingDesktop_ || builtIn_.start(request);
}

bool PlatformFileDialog::finished(std::string& path) {
    if (!usingDesktop_) return builtIn_.finished(path);
    if (!desktop_->finished(path)) return false;
    usingDesktop_ = false;
    if (!desktop_->failed()) return true;
    // The program ended without showing its dialog: ours stands in, unless
    // the dialog was cancelled meanwhile.
    if (cancelled_ || !builtIn_.start(request_)) {
        path.clear();
        return true;
    }
    // A cancel that came while ours opened found nothing to end yet.
    if (cancelled_) builtIn_.cancel();
    return false;
}

void PlatformFileDialog::cancel() {
    cancelled_ = true;
    if (desktop_) desktop_->cancel();
    builtIn_.cancel();
}

std::unique_ptr<FileDialog> makeFileDialog() {
    if (builtInForced()) return std::make_unique<BuiltInFileDialog>();
    return std::make_unique<PlatformFileDialog>(DesktopFileDialog::find());
}
