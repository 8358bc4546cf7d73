#include "platform/desktop_file_dialog.h"

#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "platform/folder_listing.h"

namespace {

constexpr int kCancelledExitCode = 1;  // both programs, when the user cancels
constexpr const char* kAllFilesName = "All files";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isKdeSession() {
    if (!environment("KDE_FULL_SESSION").empty()) return true;
    // A colon-separated list of desktop names, e.g. "KDE" or "ubuntu:GNOME".
    std::istringstream desktops(environment("XDG_CURRENT_DESKTOP"));
    std::string desktop;
    while (std::getline(desktops, desktop, ':'))
        if (strcasecmp(desktop.c_str(), "KDE") == 0) return true;
    return false;
}

// The executable `name` in one of the PATH folders, or empty.
std::string findInPath(const std::string& name) {
    std::istringstream folders(environment("PATH"));
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty()) continue;  // the working directory: not where we look
        const std::string candidate = folder + "/" + name;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return "";
}

std::string folderOf(const FileDialogRequest& request) {
    std::string folder = request.initialFolder.empty() ? environment("HOME") : request.initialFolder;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// What the dialog opens at: the folder, and in a save dialog the proposed name.
std::string startPath(const FileDialogRequest& request) {
    const bool save = request.mode == FileDialogRequest::Mode::kSave;
    return folderOf(request) + (save ? request.initialName : "");
}

std::vector<std::string> zenityArguments(const FileDialogRequest& request) {
    std::vector<std::string> args = {
        "--file-selection",
        "--title=" + request.title,
        "--filename=" + startPath(request),
        "--file-filter=" + request.description + " | *." + request.extension,
        std::string("--file-filter=") + kAllFilesName + " | *",
    };
    if (request.mode == FileDialogRequest::Mode::kSave) {
        args.push_back("--save");
        args.push_back("--confirm-overwrite");
    }
    if (request.parentWindow != 0) args.push_back("--attach=" + std::to_string(request.parentWindow));
    return args;
}

std::vector<std::string> kdialogArguments(const FileDialogRequest& request) {
    std::vector<std::string> args = {"--title", request.title};
    if (request.parentWindow != 0) {
        args.push_back("--attach");
        args.push_back(std::to_string(request.parentWindow));
    }
    const bool save = request.mode == FileDialogRequest::Mode::kSave;
    args.push_back(save ? "--getsavefilename" : "--getopenfilename");
    args.push_back(startPath(request));
    // Filters as "patterns|description", one a line.
    args.push_back("*." + request.extension + "|" + request.description + "\n*|" + kAllFilesName);
    return args;
}

// The path the program printed: its first line, if it is a full path.
std::string printedPath(const std::string& output) {
    const std::string line = output.substr(0, output.find('\n'));
    return !line.empty() && line[0] == '/' ? line : "";
}

}  // namespace

std::unique_ptr<DesktopFileDialog> DesktopFileDialog::find() {
    // Without a display the programs fail in a way that looks like a cancel.
    if (environment("DISPLAY").empty()) return nullptr;
    const bool kde = isKdeSession();
    const Program order[] = {kde ? Program::kKdialog : Program::kZenity,
                             kde ? Program::kZenity : Program::kKdialog};
    for (Program program : order) {
        const std::string path = findInPath(program == Program::kZenity ? "zenity" : "kdialog");
        if (!path.empty()) return std::make_unique<DesktopFileDialog>(program, path);
    }
    return nullptr;
}

DesktopFileDialog::DesktopFileDialog(Program program, std::string programPath)
    : program_(program), programPath_(std::move(programPath)) {}

DesktopFileDialog::~DesktopFileDialog() { cancel(); }

std::vector<std::string> DesktopFileDialog::arguments(Program program,
                                                      const FileDialogRequest& request) {
    return program == Program::kZenity ? zenityArguments(request) : kdialogArguments(request);
}

bool DesktopFileDialog::start(const FileDialogRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::kOpen) return false;
    if (!child_.spawn(programPath_, arguments(program_, request))) return false;
    state_ = State::kOpen;
    save_ = request.mode == FileDialogRequest::Mode::kSave;
    extension_ = request.extension;
    result_.clear();
    failed_ = false;
    return true;
}

void DesktopFileDialog::conclude() {
    const int code = child_.exitCode();
    // A program reaped by someone else has no exit code; what it printed counts.
    if (code == 0 || code == ChildProcess::kNoExitCode) result_ = printedPath(child_.output());
    if (!result_.empty() && save_ && !hasExtension(result_, extension_))
        result_ += "." + extension_;
    failed_ = result_.empty() && code != kCancelledExitCode && code != 0;
    state_ = State::kEnded;
}

bool DesktopFileDialog::finished(std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == State::kIdle) return false;
    if (state_ == State::kOpen) {
        if (!child_.poll()) return false;
        conclude();
    }
    path = result_;
    state_ = State::kIdle;
    return true;
}

void DesktopFileDialog::cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ != State::kOpen) return;
    child_.terminate();
    result_.clear();
    failed_ = false;
    state_ = State::kEnded;
}

bool DesktopFileDialog::failed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return failed_;
}
