// makeFileDialog: the desktop's dialog program where there is one, with our
// own chooser standing in whenever the program cannot show its dialog, so
// that a load or save button never does nothing.
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "gui/builtin_file_dialog.h"
#include "platform/desktop_file_dialog.h"

namespace {

constexpr const char* kChoiceVariable = "KV_FILE_DIALOG";
constexpr const char* kBuiltInChoice = "builtin";

bool builtInForced() {
    static const bool forced = [] {
        const char* choice = std::getenv(kChoiceVariable);
        return choice != nullptr && std::strcmp(choice, kBuiltInChoice) == 0;
    }();
    return forced;
}

class PlatformFileDialog : public FileDialog {
public:
    // `desktop` may be null: then the chooser is all there is.
    explicit PlatformFileDialog(std::unique_ptr<DesktopFileDialog> desktop)
        : desktop_(std::move(desktop)) {}

    bool start(const FileDialogRequest& request) override {
        cancelled_ = false;
        request_ = request;
        usingDesktop_ = desktop_ && desktop_->start(request);
        return usingDesktop_ || builtIn_.start(request);
    }

    bool finished(std::string& path) override {
        if (!usingDesktop_) return builtIn_.finished(path);
        if (!desktop_->finished(path)) return false;
        usingDesktop_ = false;
        if (!desktop_->failed()) return true;
        // The program ended without showing its dialog: ours stands in,
        // unless the dialog was cancelled meanwhile.
        if (cancelled_ || !builtIn_.start(request_)) {
            path.clear();
            return true;
        }
        // A cancel that came while ours opened found nothing to end yet.
        if (cancelled_) builtIn_.cancel();
        return false;
    }

    void cancel() override {
        cancelled_ = true;
        if (desktop_) desktop_->cancel();
        builtIn_.cancel();
    }

private:
    std::unique_ptr<DesktopFileDialog> desktop_;
    BuiltInFileDialog builtIn_;
    // start and finished come from the editor's thread alone; cancel from any.
    FileDialogRequest request_;
    bool usingDesktop_ = false;
    std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<FileDialog> makeFileDialog() {
    if (builtInForced()) return std::make_unique<BuiltInFileDialog>();
    return std::make_unique<PlatformFileDialog>(DesktopFileDialog::find());
}
