// A host-like parent window on the test's own connection, with an editor
// window opened in it. Tests skip when there is no display.
#pragma once

#include "gui/frame.h"
#include "gui/platform_window.h"
#include "recording_listener.h"
#include "test_display.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>

namespace gui::x11::test {

constexpr int kEditorWidth = 302;
constexpr int kEditorHeight = 343;
constexpr int kParentWidth = 400;
constexpr int kParentHeight = 400;

// The editor side of a frame: the lock its window takes and the idle.
class LockingEditor : public VSTGUIEditorInterface {
public:
    void doIdleStuff() override {
        if (frame) frame->idle();
    }
    std::recursive_mutex* getGuiMutex() override { return &mutex; }
    void setFrame(CFrame* f) { frame = f; }

    std::recursive_mutex mutex;
};

inline void* asParent(xcb_window_t window) {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window));
}

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = TestDisplay::connect();
        if (!display_) {
            GTEST_SKIP() << "no X display with the XTEST extension; run under "
                            "xvfb-run -a -s \"-screen 0 1024x768x24\"";
        }
        parent_ = display_->createParent(0, 0, kParentWidth, kParentHeight);
    }

    // Opens the editor window in `parent` and returns it with its X id.
    std::unique_ptr<PlatformWindow> openIn(xcb_window_t parent, RecordingListener& listener,
                                           xcb_window_t* child = nullptr) {
        auto window = openPlatformWindow(asParent(parent), kEditorWidth, kEditorHeight, listener);
        const auto children = display_->childrenOf(parent);
        if (child != nullptr) *child = children.empty() ? XCB_NONE : children.back();
        return window;
    }

    std::unique_ptr<TestDisplay> display_;
    xcb_window_t parent_ = XCB_NONE;
};

}  // namespace gui::x11::test
