// The preset bar's file dialogs on a real display: the desktop's dialog
// program (zenity, driven with xdotool as a user would), and our own chooser
// in the editor's window, driven with real key presses. Both in temporary
// folders; the desktop program also gets a home folder of its own.
#include "gui/platform_file_dialog.h"
#include "window_fixture.h"
#include "zenity_driver.h"

#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gui::x11::test {
namespace {

namespace fs = std::filesystem;

constexpr auto kDialogPatience = std::chrono::seconds(20);
constexpr auto kPoll = std::chrono::milliseconds(10);
constexpr uint32_t kShiftKeysym = 0xffe1;
constexpr uint32_t kTabKeysym = 0xff09;
constexpr uint32_t kReturnKeysym = 0xff0d;
constexpr uint32_t kEscapeKeysym = 0xff1b;
constexpr uint32_t kDownKeysym = 0xff54;

bool eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kDialogPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

// Waits for the dialog's end; false when it did not end in time.
bool waitForEnd(FileDialog& dialog, std::string& path) {
    return eventually([&] { return dialog.finished(path); });
}

// A folder of presets (and a file of another kind) under a fresh temporary
// folder, removed with everything in it.
class PresetFolder {
public:
    PresetFolder() {
        static int count = 0;
        root_ = fs::temp_directory_path() /
                ("kv-dialog-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::create_directories(presets() + "/sub");
        fs::create_directories(home());
        for (const char* name : {"alpha.kvx", "beta.KVX", "notes.txt", "sub/gamma.kvx"})
            std::ofstream(presets() + "/" + name) << "x";
    }
    ~PresetFolder() { fs::remove_all(root_); }
    std::string presets() const { return (root_ / "presets").string(); }
    std::string home() const { return (root_ / "home").string(); }

private:
    fs::path root_;
};

// A stand-in for the desktop's dialog program that ends at once with `exitCode`.
std::string standInProgram(const std::string& folder, int exitCode) {
    const std::string path = folder + "/dialog-" + std::to_string(exitCode);
    std::ofstream(path) << "#!/bin/sh\nexit " << exitCode << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

// Whether any process still has this one as its parent (running or a zombie).
bool hasChildProcesses() {
    DIR* proc = opendir("/proc");
    bool found = false;
    while (const dirent* entry = proc ? readdir(proc) : nullptr) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // pid (name) state ppid ...: the name may hold spaces, so read after ')'.
        const size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        int parent = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 &&
            parent == getpid())
            found = true;
    }
    if (proc) closedir(proc);
    return found;
}

FileDialogRequest requestFor(FileDialogRequest::Mode mode, const std::string& folder,
                             CFrame* frame = nullptr) {
    FileDialogRequest request;
    request.frame = frame;
    request.mode = mode;
    request.title = mode == FileDialogRequest::Mode::kLoad ? "Load preset" : "Save preset";
    request.extension = "kvx";
    request.description = "KVX Preset";
    request.initialFolder = folder;
    return request;
}

// --- the desktop's dialog program ---------------------------------------------------

// The program is run for real; the test acts on its window with xdotool.
class ZenityDialog : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (IsSkipped()) return;
        zenity_ = std::make_unique<ZenityDriver>(folder_.home());
        dialog_ = DesktopFileDialog::find();
        ASSERT_NE(dialog_, nullptr) << "zenity is needed: scripts/install-deps.sh installs it";
    }

    void TearDown() override {
        dialog_.reset();
        zenity_.reset();
    }

    // Presses Return until the dialog ends.
    bool confirm(std::string& path) {
        return ZenityDriver::confirm([&] { return dialog_->finished(path); });
    }

    PresetFolder folder_;
    std::unique_ptr<ZenityDriver> zenity_;
    std::unique_ptr<DesktopFileDialog> dialog_;
};

TEST_F(ZenityDialog, TheTypedFileIsChosen) {
    const std::string typedPath = folder_.presets() + "/alpha.kvx";
    const struct {
        FileDialogRequest::Mode mode;
        // What the user does in the dialog's window, one xdotool command
        // each (a key command takes every word after it as a key).
        std::vector<std::string> actions;
        std::string chosen;
    } cases[] = {
        // A full path typed into the location field.
        {FileDialogRequest::Mode::kLoad, {"key ctrl+l", "type --delay 20 '" + typedPath + "'"},
         typedPath},
        // A name without the extension typed into the name field.
        {FileDialogRequest::Mode::kSave, {"type --delay 20 mine"}, folder_.presets() + "/mine.kvx"},
    };
    for (const auto& c : cases) {
        FileDialogRequest request = requestFor(c.mode, folder_.presets());
        request.parentWindow = parent_;
        ASSERT_TRUE(dialog_->start(request)) << request.title;
        const std::string window = ZenityDriver::dialogWindow(request.title);
        ASSERT_FALSE(window.empty()) << request.title;
        ZenityDriver::focus(window);
        for (const std::string& action : c.actions) ZenityDriver::xdotool(action);
        std::string path;
        ASSERT_TRUE(confirm(path)) << request.title;
        EXPECT_EQ(path, c.chosen) << request.title;
        EXPECT_FALSE(dialog_->failed()) << request.title;
    }
    EXPECT_FALSE(hasChildProcesses());
}

TEST_F(ZenityDialog, ACancelFromAnotherThreadEndsTheProgram) {
    ASSERT_TRUE(dialog_->start(requestFor(FileDialogRequest::Mode::kLoad, folder_.presets())));
    ASSERT_FALSE(ZenityDriver::dialogWindow("Load preset").empty());
    EXPECT_FALSE(dialog_->start(requestFor(FileDialogRequest::Mode::kLoad, folder_.presets())));

    // As a host closing the editor: the editor's thread keeps polling.
    std::thread host([&] { dialog_->cancel(); });
    std::string path = "untouched";
    const bool ended = waitForEnd(*dialog_, path);
    host.join();
    ASSERT_TRUE(ended);
    EXPECT_EQ(path, "");
    EXPECT_FALSE(dialog_->failed());
    EXPECT_FALSE(dialog_->finished(path));  // reported once
    EXPECT_FALSE(hasChildProcesses());
}

// --- our own chooser ----------------------------------------------------------------

// A frame in a real window inside a host-like parent, as in an editor.
class BuiltInChooser : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (IsSkipped()) return;
        {
            std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
            frame_ = new CFrame(CRect(0, 0, kEditorWidth, kEditorHeight), asParent(parent_),
                                &editor_);
            editor_.setFrame(frame_);
        }
        ASSERT_TRUE(frame_->hasWindow());
    }
    void TearDown() override {
        dialog_.reset();  // before the frame and the editor it locks
        if (frame_) frame_->close();
    }

    // Whether a window of ours holds the keyboard: the keys we press go there.
    bool keyboardGrabbedElsewhere() {
        xcb_connection_t* c = display_->connection();
        xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
            c,
            xcb_grab_keyboard(c, 0, display_->root(), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                              XCB_GRAB_MODE_ASYNC),
            nullptr);
        const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
        if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS)
            xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
        free(reply);
        display_->sync();
        return grabbed;
    }
    void tap(uint32_t keysym) {
        display_->pressKey(keysym);
        display_->releaseKey(keysym);
    }
    void type(const std::string& text) {
        for (char c : text) {
            const bool upper = c >= 'A' && c <= 'Z';
            if (upper) display_->pressKey(kShiftKeysym);
            tap(static_cast<uint8_t>(c));
            if (upper) display_->releaseKey(kShiftKeysym);
        }
    }

    LockingEditor editor_;
    CFrame* frame_ = nullptr;
    PresetFolder folder_;
    std::unique_ptr<BuiltInFileDialog> dialog_ = std::make_unique<BuiltInFileDialog>();
};

TEST_F(BuiltInChooser, KeysChooseAFileOrCancel) {
    const std::string presets = folder_.presets();
    const struct {
        const char* what;
        FileDialogRequest::Mode mode;
        std::function<void()> keys;
        std::string chosen;
    } cases[] = {
        {"a typed name", FileDialogRequest::Mode::kSave, [&] { type("new"); tap(kReturnKeysym); },
         presets + "/new.kvx"},
        {"Escape", FileDialogRequest::Mode::kLoad, [&] { type("alpha"); tap(kEscapeKeysym); }, ""},
        {"Down and Return", FileDialogRequest::Mode::kLoad,
         [&] { tap(kDownKeysym); tap(kDownKeysym); tap(kReturnKeysym); }, presets + "/beta.KVX"},
        {"a typed full path", FileDialogRequest::Mode::kLoad,
         [&] { type(presets + "/sub/gamma.kvx"); tap(kReturnKeysym); }, presets + "/sub/gamma.kvx"},
        // Tab to the folders (past the files), down past "..", open "sub".
        {"a folder opened from the list", FileDialogRequest::Mode::kSave,
         [&] {
             tap(kTabKeysym);
             tap(kTabKeysym);
             tap(kDownKeysym);
             tap(kDownKeysym);
             tap(kReturnKeysym);
             type("x");
             tap(kReturnKeysym);
         },
         presets + "/sub/x.kvx"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(dialog_->start(requestFor(c.mode, presets, frame_))) << c.what;
        EXPECT_FALSE(dialog_->start(requestFor(c.mode, presets, frame_))) << c.what;
        ASSERT_TRUE(eventually([&] { return keyboardGrabbedElsewhere(); })) << c.what;
        c.keys();
        std::string path = "untouched";
        ASSERT_TRUE(waitForEnd(*dialog_, path)) << c.what;
        EXPECT_EQ(path, c.chosen) << c.what;
        EXPECT_TRUE(eventually([&] { return !keyboardGrabbedElsewhere(); })) << c.what;
        std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
        EXPECT_EQ(frame_->getModalView(), nullptr) << c.what;
    }
}

TEST_F(BuiltInChooser, ClosingTheEditorCancelsIt) {
    ASSERT_TRUE(
        dialog_->start(requestFor(FileDialogRequest::Mode::kLoad, folder_.presets(), frame_)));
    std::thread host([&] {
        std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
        frame_->close();
        frame_ = nullptr;
    });
    std::string path = "untouched";
    const bool ended = waitForEnd(*dialog_, path);
    host.join();
    ASSERT_TRUE(ended);
    EXPECT_EQ(path, "");
    dialog_->cancel();  // nothing open: nothing happens
    EXPECT_FALSE(dialog_->finished(path));
}

TEST_F(BuiltInChooser, StandsInWhenTheDesktopProgramCannotShowItsDialog) {
    const std::string presets = folder_.presets();
    const struct {
        const char* what;
        std::string program;
        bool chooserShows;
    } cases[] = {
        {"a program that fails", standInProgram(folder_.home(), 3), true},
        {"a missing program", folder_.home() + "/missing", true},
        {"a program the user cancelled", standInProgram(folder_.home(), 1), false},
    };
    for (const auto& c : cases) {
        PlatformFileDialog dialog(
            std::make_unique<DesktopFileDialog>(DesktopFileDialog::Program::kZenity, c.program));
        ASSERT_TRUE(dialog.start(requestFor(FileDialogRequest::Mode::kLoad, presets, frame_)))
            << c.what;
        std::string path = "untouched";
        if (!c.chooserShows) {
            ASSERT_TRUE(waitForEnd(dialog, path)) << c.what;
            EXPECT_EQ(path, "") << c.what;
            std::lock_guard<std::recursive_mutex> lock(editor_.mutex);
            EXPECT_EQ(frame_->getModalView(), nullptr) << c.what;
            continue;
        }
        // The editor's idle goes on asking while ours opens.
        ASSERT_TRUE(eventually([&] { return !dialog.finished(path) && keyboardGrabbedElsewhere(); }))
            << c.what;
        tap(kDownKeysym);
        tap(kReturnKeysym);
        ASSERT_TRUE(waitForEnd(dialog, path)) << c.what;
        EXPECT_EQ(path, presets + "/alpha.kvx") << c.what;
    }
    EXPECT_FALSE(hasChildProcesses());
}

}  // namespace
}  // namespace gui::x11::test
