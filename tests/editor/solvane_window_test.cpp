// solvane's editor in a real X11 window, driven only through the binary
// interface as a host drives it: solvane.so loaded with dlopen, a host-like
// parent window, real pointer input through XTEST. Skips without a display;
// run under xvfb-run -a -s "-screen 0 1024x768x24".
#include <cairo.h>
#include <dlfcn.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/aeff_editor.h"
#include "host/vst2.h"
#include "tests/gui_x11/test_display.h"
#include "tests/gui_x11/zenity_driver.h"

using gui::x11::test::TestDisplay;
using gui::x11::test::ZenityDriver;

namespace {

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 343;
constexpr uint8_t kLeftButton = 1;
constexpr uint32_t kColourBits = 0x00ffffffu;
constexpr auto kPatience = std::chrono::seconds(5);
constexpr auto kPoll = std::chrono::milliseconds(20);
// The preset bar's save-preset and load-preset buttons on the face.
constexpr int kSavePresetX = 14;
constexpr int kLoadPresetX = 77;
constexpr int kPresetButtonY = 319;

struct Call {
    VstInt32 opcode;
    VstInt32 index;
    float opt;
};

// The host side: records every callback under a lock, since the editor's
// window thread calls back too.
class Host {
public:
    static VstIntPtr callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*,
                              float opt) {
        if (Host* host = current) {
            std::lock_guard<std::mutex> lock(host->mutex_);
            host->calls_.push_back({opcode, index, opt});
            host->changed_.notify_all();
        }
        return opcode == audioMasterVersion ? kVstVersion : 0;
    }

    // Waits until a recorded call passes `match`.
    bool waitFor(const std::function<bool(const Call&)>& match) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&] {
            for (const Call& call : calls_)
                if (match(call)) return true;
            return false;
        });
    }
    int count(VstInt32 opcode, VstInt32 index) {
        std::lock_guard<std::mutex> lock(mutex_);
        int n = 0;
        for (const Call& call : calls_) n += call.opcode == opcode && call.index == index;
        return n;
    }

    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.clear();
    }
    static Host* current;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Call> calls_;
};

Host* Host::current = nullptr;

// solvane.so, loaded once and kept for the whole run as most hosts keep a
// library: the widget layer's font caches live as long as the library, and
// the leak checker would count them as lost once it is unloaded.
void* solvaneLibrary() {
    static void* library = dlopen(KV_PLUGIN_DIR "/solvane.so", RTLD_NOW | RTLD_LOCAL);
    return library;
}

// One effect of solvane.so.
class Plugin {
public:
    Plugin() {
        void* library = solvaneLibrary();
        auto entry = library ? reinterpret_cast<AEffect* (*)(audioMasterCallback)>(
                                   dlsym(library, "VSTPluginMain"))
                             : nullptr;
        if (entry) effect = entry(&Host::callback);
    }
    ~Plugin() {
        if (effect) dispatch(effClose);
    }
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr) {
        return effect->dispatcher(effect, opcode, index, value, ptr, 0.f);
    }
    bool openIn(xcb_window_t parent, VstIntPtr value = 0) {
        return dispatch(effEditOpen, 0, value,
                        reinterpret_cast<void*>(static_cast<uintptr_t>(parent))) == 1;
    }
    void process(float left, float right, int blocks) {
        std::vector<float> l(512, left), r(512, right), out(1024);
        float* inputs[] = {l.data(), r.data()};
        float* outputs[] = {out.data(), out.data() + 512};
        for (int k = 0; k < blocks; ++k) effect->processReplacing(effect, inputs, outputs, 512);
    }

    AEffect* effect = nullptr;
};

std::vector<uint32_t> colours(std::vector<uint32_t> pixels) {
    for (uint32_t& pixel : pixels) pixel &= kColourBits;
    return pixels;
}

// The pixels of a PNG file, colours only.
std::vector<uint32_t> pngColours(const std::string& path, int* width = nullptr) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    std::vector<uint32_t> pixels;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(png);
        const int w = cairo_image_surface_get_width(png);
        const int h = cairo_image_surface_get_height(png);
        const int stride = cairo_image_surface_get_stride(png) / 4;
        const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) pixels.push_back(data[y * stride + x] & kColourBits);
        if (width) *width = w;
    }
    cairo_surface_destroy(png);
    return pixels;
}

class SolvaneWindow : public ::testing::Test {
protected:
    void SetUp() override {
        display = TestDisplay::connect();
        if (!display) {
            GTEST_SKIP() << "no X display with the XTEST extension; run under "
                            "xvfb-run -a -s \"-screen 0 1024x768x24\"";
        }
        Host::current = &host;
        threadsBefore = gui::x11::test::threadCount();
        parent = display->createParent(0, 0, 400, 400);
    }
    void TearDown() override {
        plugins.clear();
        zenity.reset();  // after the effects, which write their file locations on the way
        Host::current = nullptr;
    }

    // Made on a thread of its own, as hosts make effects on another thread
    // than the one that drives the editor.
    Plugin& makePlugin() {
        std::thread([this] { plugins.push_back(std::make_unique<Plugin>()); }).join();
        return *plugins.back();
    }
    xcb_window_t editorWindowIn(xcb_window_t window) {
        const auto children = display->childrenOf(window);
        return children.empty() ? XCB_NONE : children.back();
    }
    std::vector<uint32_t> shown(xcb_window_t window, int x, int y, int w, int h) {
        return colours(display->readPixels(window, x, y, w, h));
    }
    // Waits until `condition` holds, polling.
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(kPoll);
        }
        return true;
    }

    Host host;
    std::unique_ptr<TestDisplay> display;
    std::vector<std::unique_ptr<Plugin>> plugins;
    xcb_window_t parent = XCB_NONE;
    int threadsBefore = 0;
    std::unique_ptr<ZenityDriver> zenity;
};

TEST_F(SolvaneWindow, PointerGesturesReachTheHostAsAutomation) {
    Plugin& plugin = makePlugin();
    ASSERT_NE(plugin.effect, nullptr);
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    ASSERT_NE(editor, XCB_NONE);
    host.clear();  // making the effect has its own calls

    display->movePointer(editor, 151, 60);  // the width handle
    display->pressButton(kLeftButton);
    display->movePointer(editor, 131, 60);
    display->movePointer(editor, 111, 60);
    display->releaseButton(kLeftButton);
    ASSERT_TRUE(host.waitFor([](const Call& c) { return c.opcode == audioMasterEndEdit; }));
    EXPECT_TRUE(host.waitFor([](const Call& c) {
        return c.opcode == audioMasterAutomate && c.index == 0 && c.opt == 0.75f;
    }));
    EXPECT_EQ(host.count(audioMasterBeginEdit, 0), 1);
    EXPECT_EQ(host.count(audioMasterEndEdit, 0), 1);
    EXPECT_FLOAT_EQ(plugin.effect->getParameter(plugin.effect, 0), 0.75f);

    display->movePointer(editor, 168, 254);  // "-R"
    display->click(kLeftButton);
    EXPECT_TRUE(host.waitFor([](const Call& c) {
        return c.opcode == audioMasterAutomate && c.index == 8 && c.opt == 1.f;
    }));
    plugin.dispatch(effEditClose);
}

TEST_F(SolvaneWindow, TheProgramMenuOpensItsListAndAChosenEntrySelectsThatProgram) {
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    ASSERT_NE(editor, XCB_NONE);
    char fifth[64] = {0};
    ASSERT_EQ(plugin.dispatch(effGetProgramNameIndexed, 5, 0, fifth), 1);
    host.clear();

    const auto before = display->childrenOf(display->root());
    display->movePointer(editor, 212, 326);  // the menu's click area in the preset bar
    display->click(kLeftButton);
    xcb_window_t list = XCB_NONE;
    ASSERT_TRUE(eventually([&] {
        for (xcb_window_t window : display->childrenOf(display->root()))
            if (std::find(before.begin(), before.end(), window) == before.end()) list = window;
        return list != XCB_NONE;
    }));
    // Entries are 16 pixels high inside a one-pixel border, one column of 11.
    constexpr int kEntryHeight = 16;
    display->movePointer(list, 30, 1 + 5 * kEntryHeight + kEntryHeight / 2);
    display->click(kLeftButton);

    EXPECT_TRUE(host.waitFor([](const Call& c) { return c.opcode == audioMasterEndEdit; }));
    char current[64] = {0};
    EXPECT_TRUE(eventually([&] {
        plugin.dispatch(effGetProgramName, 0, 0, current);
        return std::string(current) == fifth;
    }));
    EXPECT_GE(host.count(audioMasterUpdateDisplay, 0), 1);
    EXPECT_TRUE(eventually([&] {
        const auto windows = display->childrenOf(display->root());
        return std::find(windows.begin(), windows.end(), list) == windows.end();
    }));
    plugin.dispatch(effEditClose);
}

TEST_F(SolvaneWindow, APresetSavedThroughOurOwnChooserLoadsBack) {
    setenv("KV_FILE_DIALOG", "builtin", 1);  // our own chooser, not the desktop program
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kvbar-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    // The effect remembers where the dialogs were: in a configuration of
    // the test's own, so that no file name is proposed and nothing of the
    // user's changes.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string previousConfigHome = configHome ? configHome : "";
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    const std::string path = (folder / "one.kvx").string();
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    plugin.effect->setParameter(plugin.effect, 0, 0.25f);

    // Clicks a preset button, types the file's full path into the chooser
    // that opens and chooses it with Return.
    const auto choose = [&](int buttonX) {
        const auto before = display->childrenOf(display->root());
        display->movePointer(editor, buttonX, kPresetButtonY);
        display->click(kLeftButton);
        xcb_window_t chooser = XCB_NONE;
        ASSERT_TRUE(eventually([&] {
            for (xcb_window_t window : display->childrenOf(display->root()))
                if (std::find(before.begin(), before.end(), window) == before.end())
                    chooser = window;
            return chooser != XCB_NONE;
        }));
        // Once it shows its picture, the keyboard grab that the editor's
        // connection sent before that picture has been made.
        ASSERT_TRUE(eventually([&] {
            const std::vector<uint32_t> corner = shown(chooser, 0, 0, 8, 8);
            return std::any_of(corner.begin(), corner.end(), [](uint32_t p) { return p != 0; });
        }));
        for (char c : path) {
            display->pressKey(static_cast<uint8_t>(c));
            display->releaseKey(static_cast<uint8_t>(c));
        }
        constexpr uint32_t kReturnKeysym = 0xff0d;
        display->pressKey(kReturnKeysym);
        display->releaseKey(kReturnKeysym);
    };
    choose(kSavePresetX);
    EXPECT_TRUE(eventually([&] {
        std::error_code error;
        return std::filesystem::file_size(path, error) == 65u;
    }));
    plugin.effect->setParameter(plugin.effect, 0, 0.75f);
    choose(kLoadPresetX);
    EXPECT_TRUE(eventually([&] { return plugin.effect->getParameter(plugin.effect, 0) == 0.25f; }));
    plugin.dispatch(effEditClose);
    plugins.clear();  // the effect writes the locations as it goes
    EXPECT_TRUE(std::filesystem::exists(folder / "config"));
    std::filesystem::remove_all(folder);
    if (configHome)
        setenv("XDG_CONFIG_HOME", previousConfigHome.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    unsetenv("KV_FILE_DIALOG");
}

TEST_F(SolvaneWindow, APresetSavedThroughTheDesktopDialogLoadsBack) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kvzen-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "home");
    // The program and the effect's remembered locations both live in a home
    // of the test's own.
    zenity = std::make_unique<ZenityDriver>((folder / "home").string());
    zenity->setVariable("KV_FILE_DIALOG", nullptr);  // the desktop's program, not our chooser
    const std::string path = (folder / "two.kvx").string();
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    plugin.effect->setParameter(plugin.effect, 0, 0.25f);
    char savedName[] = "Through zenity";
    plugin.dispatch(effSetProgramName, 0, 0, savedName);

    // Clicks a preset button, types the file's full path into the dialog that
    // opens (after `fieldKey`, which readies its name field) and confirms it
    // until the editor's idle has acted on the choice.
    const auto choose = [&](int buttonX, const std::string& title, const char* fieldKey,
                            const std::function<bool()>& done) {
        display->movePointer(editor, buttonX, kPresetButtonY);
        display->click(kLeftButton);
        const std::string window = ZenityDriver::dialogWindow(title);
        ASSERT_FALSE(window.empty()) << title;
        ZenityDriver::focus(window);
        ZenityDriver::xdotool(std::string("key ") + fieldKey);
        ZenityDriver::xdotool("type --delay 20 '" + path + "'");
        EXPECT_TRUE(ZenityDriver::confirm(done)) << title;
    };
    choose(kSavePresetX, "Save preset", "ctrl+a", [&] {
        std::error_code error;
        return std::filesystem::file_size(path, error) == 65u;
    });
    plugin.effect->setParameter(plugin.effect, 0, 0.75f);
    char otherName[] = "Changed";
    plugin.dispatch(effSetProgramName, 0, 0, otherName);
    choose(kLoadPresetX, "Load preset", "ctrl+l",
           [&] { return plugin.effect->getParameter(plugin.effect, 0) == 0.25f; });
    char name[64] = {0};
    plugin.dispatch(effGetProgramName, 0, 0, name);
    EXPECT_STREQ(name, savedName);
    plugin.dispatch(effEditClose);
    plugins.clear();
    std::filesystem::remove_all(folder);
}

TEST_F(SolvaneWindow, ClosingDuringADragEndsTheGestureForTheHost) {
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    host.clear();
    display->movePointer(editor, 151, 60);  // the width handle
    display->pressButton(kLeftButton);
    display->movePointer(editor, 131, 60);
    ASSERT_TRUE(host.waitFor([](const Call& c) { return c.opcode == audioMasterAutomate; }));
    plugin.dispatch(effEditClose);  // the button is still held
    display->releaseButton(kLeftButton);
    EXPECT_EQ(host.count(audioMasterBeginEdit, 0), 1);
    EXPECT_EQ(host.count(audioMasterEndEdit, 0), 1);
}

TEST_F(SolvaneWindow, MetersMoveWithoutIdleCallsFromTheHost) {
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    const std::string art = KV_SOURCE_DIR "/plugins/solvane/art/";
    int stripWidth = 0;
    const std::vector<uint32_t> unlit = pngColours(art + "meter_unlit.png", &stripWidth);
    ASSERT_EQ(stripWidth, 182);

    // No audio yet: once the face is up, the left/right meter rests at its
    // centre, not all unlit.
    EXPECT_TRUE(eventually([&] {
        const std::vector<uint32_t> meter = shown(editor, 60, 121, 182, 15);
        return !meter.empty() && meter[0] != 0 && meter != unlit;
    }));
    plugin.process(0.5f, 0.f, 300);  // left only: the left/right meter drops to its left end
    EXPECT_TRUE(eventually([&] { return shown(editor, 60, 121, 182, 15) == unlit; }));
    plugin.dispatch(effEditClose);
}

TEST_F(SolvaneWindow, TheWindowShowsWhatTheSnapshotRequestCopies) {
    Plugin& plugin = makePlugin();
    plugin.effect->setParameter(plugin.effect, 0, 0.8f);
    plugin.effect->setParameter(plugin.effect, 6, 1.f);
    ASSERT_TRUE(plugin.openIn(parent));
    const xcb_window_t editor = editorWindowIn(parent);
    display->movePointer(parent, 390, 390);  // off the face

    std::vector<uint32_t> face(static_cast<size_t>(kFaceWidth) * kFaceHeight);
    SnapshotBuffer request{};
    request.structBytes = sizeof request;
    request.width = kFaceWidth;
    request.height = kFaceHeight;
    request.strideBytes = kFaceWidth * sizeof(uint32_t);
    request.pixels = reinterpret_cast<uint8_t*>(face.data());
    request.capacityBytes = static_cast<int64_t>(face.size() * sizeof(uint32_t));
    ASSERT_EQ(plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, &request), 1);
    const std::vector<uint32_t> copied = colours(face);
    EXPECT_TRUE(eventually([&] { return shown(editor, 0, 0, kFaceWidth, kFaceHeight) == copied; }));
    plugin.dispatch(effEditClose);
}

TEST_F(SolvaneWindow, ClosingAndReopeningLeavesNoWindowOrThreadBehind) {
    Plugin& plugin = makePlugin();
    const int threads = gui::x11::test::threadCount();
    int displayStandIn = 0;
    for (int round = 0; round < 12; ++round) {
        // Hosts pass their Display* as the value, or 0.
        const VstIntPtr value = round % 2 ? reinterpret_cast<VstIntPtr>(&displayStandIn) : 0;
        ASSERT_TRUE(plugin.openIn(parent, value));
        ERect* rect = nullptr;
        ASSERT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
        EXPECT_EQ(rect->right, kFaceWidth);
        ASSERT_NE(editorWindowIn(parent), XCB_NONE) << "round " << round;
        plugin.dispatch(effEditIdle);
        plugin.dispatch(effEditClose);
        display->sync();
        EXPECT_EQ(editorWindowIn(parent), XCB_NONE) << "round " << round;
    }
    EXPECT_TRUE(gui::x11::test::waitForThreadCount(threads));
}

TEST_F(SolvaneWindow, AParentDestroyedFirstLeavesACleanClose) {
    Plugin& plugin = makePlugin();
    const int threads = gui::x11::test::threadCount();
    const xcb_window_t doomed = display->createParent(420, 0, 320, 360);
    ASSERT_TRUE(plugin.openIn(doomed));
    display->destroyWindow(doomed);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    plugin.process(0.3f, 0.1f, 20);
    plugin.dispatch(effEditIdle);
    plugin.dispatch(effEditClose);
    EXPECT_TRUE(gui::x11::test::waitForThreadCount(threads));

    ASSERT_TRUE(plugin.openIn(parent));  // and it opens again elsewhere
    EXPECT_NE(editorWindowIn(parent), XCB_NONE);
    plugin.dispatch(effEditClose);
}

TEST_F(SolvaneWindow, ClosingTheEffectWithItsEditorStillOpenStopsTheWindowFirst) {
    const int threads = gui::x11::test::threadCount();
    Plugin& plugin = makePlugin();
    ASSERT_TRUE(plugin.openIn(parent));
    plugin.process(0.5f, 0.f, 100);  // the window's idle reads the engine meanwhile
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    plugins.clear();  // effClose without effEditClose
    EXPECT_EQ(editorWindowIn(parent), XCB_NONE);
    EXPECT_TRUE(gui::x11::test::waitForThreadCount(threads));
}

TEST_F(SolvaneWindow, SeveralEditorsOpenAtOnce) {
    Plugin& first = makePlugin();
    Plugin& second = makePlugin();
    const xcb_window_t otherParent = display->createParent(420, 0, 320, 360);
    ASSERT_TRUE(first.openIn(parent));
    ASSERT_TRUE(second.openIn(otherParent));
    first.process(0.5f, 0.f, 300);   // left only
    second.process(0.f, 0.5f, 300);  // right only
    const xcb_window_t a = editorWindowIn(parent);
    const xcb_window_t b = editorWindowIn(otherParent);
    // Each window follows its own effect: the left/right meters end apart.
    EXPECT_TRUE(eventually(
        [&] { return shown(a, 60, 128, 182, 1) != shown(b, 60, 128, 182, 1); }));
    second.dispatch(effEditClose);
    first.dispatch(effEditClose);
    display->destroyWindow(otherParent);
}

}  // namespace
