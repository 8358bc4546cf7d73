// A window listener that records every call with the thread it came on, and
// lets a test wait for a call it expects.
#pragma once

#include "gui/platform_window.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace gui::x11::test {

struct ListenerCall {
    enum Kind { kDown, kUp, kMoved, kExited, kWheel, kKey, kExposed, kIdle };
    Kind kind = kIdle;
    double x = 0;
    double y = 0;
    uint32_t bits = 0;
    float distance = 0;
    int32_t character = 0;
    uint32_t virtualKey = 0;
    bool keyDown = false;
    int width = 0;
    int height = 0;
    std::thread::id thread;
};

using CallFilter = std::function<bool(const ListenerCall&)>;

constexpr std::chrono::seconds kCallTimeout{5};

class RecordingListener : public PlatformWindowListener {
public:
    void onMouseDown(double x, double y, uint32_t buttons) override;
    void onMouseUp(double x, double y, uint32_t buttons) override;
    void onMouseMoved(double x, double y, uint32_t buttons) override;
    void onMouseExited() override;
    void onWheel(double x, double y, float distance, uint32_t buttons) override;
    bool onKey(int32_t character, uint32_t virtualKey, uint32_t modifiers, bool down) override;
    void onExposed(int x, int y, int width, int height) override;
    void onIdle() override;

    // The first recorded call that passes `filter`, waiting for it up to the timeout.
    std::optional<ListenerCall> waitFor(const CallFilter& filter,
                                        std::chrono::milliseconds timeout = kCallTimeout);
    // Waits until `count` calls of `kind` have been recorded.
    bool waitForCount(ListenerCall::Kind kind, size_t count,
                      std::chrono::milliseconds timeout = kCallTimeout);
    std::vector<ListenerCall> calls() const;
    size_t count(ListenerCall::Kind kind) const;
    void clear();
    // Pointer, wheel and key calls: neither idle nor expose.
    std::vector<ListenerCall> inputCalls() const;

    // From now on every call counts as a fault.
    void forbidCalls();
    size_t forbiddenCalls() const;
    // Runs on the window's thread after a call has been recorded.
    void setHook(std::function<void(const ListenerCall&)> hook);

private:
    void record(ListenerCall call);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<ListenerCall> calls_;
    bool forbidden_ = false;
    size_t forbiddenCalls_ = 0;
    std::function<void(const ListenerCall&)> hook_;
};

// Filters for waitFor.
CallFilter kindIs(ListenerCall::Kind kind);
CallFilter pointerCallAt(ListenerCall::Kind kind, double x, double y);

}  // namespace gui::x11::test
