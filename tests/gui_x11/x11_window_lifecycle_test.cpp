// Opening, idling and closing the editor window: its thread, the parent
// going first, several windows, other threads, no display.
#include "window_fixture.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr int kReopenCount = 20;
constexpr size_t kIdleCallsToSee = 5;
constexpr auto kQuietSpell = std::chrono::milliseconds(4 * kIdlePeriodMs);
constexpr auto kGoneTimeout = std::chrono::seconds(5);

bool waitUntilInvalid(const PlatformWindow& window) {
    const auto deadline = std::chrono::steady_clock::now() + kGoneTimeout;
    while (window.isValid()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

using X11WindowLifecycleTest = WindowFixture;

TEST_F(X11WindowLifecycleTest, IdlesRepeatedlyOnItsOwnThreadWithoutHostCalls) {
    RecordingListener listener;
    auto window = openIn(parent_, listener);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isValid());
    ASSERT_TRUE(listener.waitForCount(ListenerCall::kIdle, kIdleCallsToSee));
    EXPECT_TRUE(listener.inputCalls().empty());
    for (const ListenerCall& call : listener.calls()) {
        EXPECT_NE(call.thread, std::this_thread::get_id());
    }
}

TEST_F(X11WindowLifecycleTest, IsAChildOfTheParentWithTheRequestedSize) {
    RecordingListener listener;
    xcb_window_t child = XCB_NONE;
    auto window = openIn(parent_, listener, &child);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(display_->childrenOf(parent_).size(), 1u);
    EXPECT_EQ(display_->readPixels(child, 0, 0, kEditorWidth, kEditorHeight).size(),
              static_cast<size_t>(kEditorWidth * kEditorHeight));
    EXPECT_TRUE(display_->readPixels(child, 0, 0, kEditorWidth + 1, kEditorHeight).empty());
}

TEST_F(X11WindowLifecycleTest, ClosingJoinsTheThreadAndRemovesTheWindow) {
    const int threadsBefore = threadCount();
    RecordingListener listener;
    for (int i = 0; i < kReopenCount; ++i) {
        auto window = openIn(parent_, listener);
        ASSERT_NE(window, nullptr) << "open " << i;
        ASSERT_TRUE(listener.waitForCount(ListenerCall::kIdle, 1));
        window.reset();
        EXPECT_EQ(threadCount(), threadsBefore) << "close " << i;
        listener.clear();
    }
    listener.forbidCalls();
    std::this_thread::sleep_for(kQuietSpell);
    EXPECT_EQ(listener.forbiddenCalls(), 0u);
    display_->sync();
    EXPECT_TRUE(display_->childrenOf(parent_).empty());
}

TEST_F(X11WindowLifecycleTest, ParentDestroyedFirstStopsTheListenerCalls) {
    const int threadsBefore = threadCount();
    RecordingListener listener;
    auto window = openIn(parent_, listener);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(listener.waitForCount(ListenerCall::kIdle, 1));

    display_->destroyWindow(parent_);
    ASSERT_TRUE(waitUntilInvalid(*window));
    const size_t callsWhenGone = listener.calls().size();
    std::this_thread::sleep_for(kQuietSpell);
    EXPECT_EQ(listener.calls().size(), callsWhenGone);

    const uint32_t pixel = 0xff123456u;
    window->present({&pixel, 1, 1, 1}, 0, 0, 1, 1);
    window.reset();
    EXPECT_TRUE(waitForThreadCount(threadsBefore));
}

TEST_F(X11WindowLifecycleTest, BrokenConnectionStopsTheListenerCalls) {
    RecordingListener listener;
    xcb_window_t child = XCB_NONE;
    auto window = openIn(parent_, listener, &child);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(listener.waitForCount(ListenerCall::kIdle, 1));

    display_->killOwnerOf(child);
    ASSERT_TRUE(waitUntilInvalid(*window));
    const size_t callsWhenGone = listener.calls().size();
    std::this_thread::sleep_for(kQuietSpell);
    EXPECT_EQ(listener.calls().size(), callsWhenGone);
    window.reset();
    EXPECT_TRUE(display_->childrenOf(parent_).empty());
}

TEST_F(X11WindowLifecycleTest, TwoWindowsAtOnceEachGetTheirOwnInput) {
    const xcb_window_t otherParent = display_->createParent(kParentWidth + 20, 0, kParentWidth,
                                                            kParentHeight);
    RecordingListener first, second;
    xcb_window_t firstChild = XCB_NONE, secondChild = XCB_NONE;
    auto firstWindow = openIn(parent_, first, &firstChild);
    auto secondWindow = openIn(otherParent, second, &secondChild);
    ASSERT_TRUE(firstWindow && secondWindow);

    display_->movePointer(firstChild, 11, 12);
    display_->click(1);
    display_->movePointer(secondChild, 21, 22);
    display_->click(1);
    ASSERT_TRUE(first.waitFor(pointerCallAt(ListenerCall::kUp, 11, 12)));
    ASSERT_TRUE(second.waitFor(pointerCallAt(ListenerCall::kUp, 21, 22)));
    EXPECT_FALSE(first.waitFor(pointerCallAt(ListenerCall::kDown, 21, 22),
                               std::chrono::milliseconds(0)));
    EXPECT_FALSE(second.waitFor(pointerCallAt(ListenerCall::kDown, 11, 12),
                                std::chrono::milliseconds(0)));
    EXPECT_TRUE(first.waitForCount(ListenerCall::kIdle, 2));
    EXPECT_TRUE(second.waitForCount(ListenerCall::kIdle, 2));
}

TEST_F(X11WindowLifecycleTest, OpenedOnOneThreadClosedOnAnother) {
    const int threadsBefore = threadCount();
    RecordingListener listener;
    std::unique_ptr<PlatformWindow> window;
    std::thread::id opener;
    std::thread([&] {
        opener = std::this_thread::get_id();
        window = openIn(parent_, listener);
    }).join();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(listener.waitForCount(ListenerCall::kIdle, 2));
    const std::thread::id caller = listener.calls().front().thread;
    EXPECT_NE(caller, opener);
    EXPECT_NE(caller, std::this_thread::get_id());
    window.reset();
    EXPECT_EQ(threadCount(), threadsBefore);
}

TEST_F(X11WindowLifecycleTest, ClosingFromInsideAListenerCallEndsTheThreadAfterIt) {
    const int threadsBefore = threadCount();
    RecordingListener listener;
    // Handed between the threads as one atomic pointer: the window thread
    // deletes it from inside its own callback.
    std::atomic<PlatformWindow*> window{openIn(parent_, listener).release()};
    ASSERT_NE(window.load(), nullptr);
    std::atomic<bool> closed{false};
    listener.setHook([&](const ListenerCall& call) {
        if (call.kind != ListenerCall::kIdle) return;
        PlatformWindow* own = window.exchange(nullptr);
        if (own == nullptr) return;
        listener.forbidCalls();
        delete own;
        closed.store(true, std::memory_order_release);
    });
    ASSERT_TRUE(waitForThreadCount(threadsBefore));
    ASSERT_TRUE(closed.load(std::memory_order_acquire));
    std::this_thread::sleep_for(kQuietSpell);
    EXPECT_EQ(listener.forbiddenCalls(), 0u);
}

TEST_F(X11WindowLifecycleTest, MissingParentOrSizeOpensNothing) {
    RecordingListener listener;
    const xcb_window_t nonexistent = 0x1ffffff0;
    EXPECT_EQ(openPlatformWindow(asParent(nonexistent), kEditorWidth, kEditorHeight, listener),
              nullptr);
    EXPECT_EQ(openPlatformWindow(asParent(parent_), 0, kEditorHeight, listener), nullptr);
    EXPECT_EQ(openPlatformWindow(nullptr, kEditorWidth, kEditorHeight, listener), nullptr);
}

// Runs with or without a display.
TEST(X11WindowWithoutDisplay, OpensNothing) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    RecordingListener listener;
    const auto window = openPlatformWindow(reinterpret_cast<void*>(uintptr_t{0x200001}),
                                           kEditorWidth, kEditorHeight, listener);
    if (display != nullptr) setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_EQ(window, nullptr);
}

}  // namespace
}  // namespace gui::x11::test
