#include "recording_listener.h"

#include <algorithm>

namespace gui::x11::test {
namespace {

ListenerCall callOf(ListenerCall::Kind kind, double x = 0, double y = 0, uint32_t bits = 0) {
    ListenerCall call;
    call.kind = kind;
    call.x = x;
    call.y = y;
    call.bits = bits;
    return call;
}

}  // namespace

void RecordingListener::onMouseDown(double x, double y, uint32_t buttons) {
    record(callOf(ListenerCall::kDown, x, y, buttons));
}

void RecordingListener::onMouseUp(double x, double y, uint32_t buttons) {
    record(callOf(ListenerCall::kUp, x, y, buttons));
}

void RecordingListener::onMouseMoved(double x, double y, uint32_t buttons) {
    record(callOf(ListenerCall::kMoved, x, y, buttons));
}

void RecordingListener::onMouseExited() { record(callOf(ListenerCall::kExited)); }

void RecordingListener::onWheel(double x, double y, float distance, uint32_t buttons) {
    ListenerCall call = callOf(ListenerCall::kWheel, x, y, buttons);
    call.distance = distance;
    record(call);
}

bool RecordingListener::onKey(int32_t character, uint32_t virtualKey, uint32_t modifiers,
                              bool down) {
    ListenerCall call = callOf(ListenerCall::kKey);
    call.character = character;
    call.virtualKey = virtualKey;
    call.bits = modifiers;
    call.keyDown = down;
    record(call);
    return true;
}

void RecordingListener::onExposed(int x, int y, int width, int height) {
    ListenerCall call = callOf(ListenerCall::kExposed, static_cast<double>(x), static_cast<double>(y));
    call.width = width;
    call.height = height;
    record(call);
}

void RecordingListener::onIdle() { record(callOf(ListenerCall::kIdle)); }

void RecordingListener::record(ListenerCall call) {
    call.thread = std::this_thread::get_id();
    std::function<void(const ListenerCall&)> hook;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (forbidden_) ++forbiddenCalls_;
        calls_.push_back(call);
        hook = hook_;
    }
    changed_.notify_all();
    if (hook) hook(call);
}

std::optional<ListenerCall> RecordingListener::waitFor(const CallFilter& filter,
                                                       std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    std::optional<ListenerCall> found;
    changed_.wait_for(lock, timeout, [&] {
        const auto it = std::find_if(calls_.begin(), calls_.end(), filter);
        if (it != calls_.end()) found = *it;
        return found.has_value();
    });
    return found;
}

bool RecordingListener::waitForCount(ListenerCall::Kind kind, size_t wanted,
                                     std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] {
        return static_cast<size_t>(std::count_if(calls_.begin(), calls_.end(), kindIs(kind))) >=
               wanted;
    });
}

std::vector<ListenerCall> RecordingListener::calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

size_t RecordingListener::count(ListenerCall::Kind kind) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<size_t>(std::count_if(calls_.begin(), calls_.end(), kindIs(kind)));
}

void RecordingListener::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

std::vector<ListenerCall> RecordingListener::inputCalls() const {
    std::vector<ListenerCall> input;
    for (const ListenerCall& call : calls()) {
        if (call.kind != ListenerCall::kIdle && call.kind != ListenerCall::kExposed) {
            input.push_back(call);
        }
    }
    return input;
}

void RecordingListener::forbidCalls() {
    std::lock_guard<std::mutex> lock(mutex_);
    forbidden_ = true;
}

size_t RecordingListener::forbiddenCalls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return forbiddenCalls_;
}

void RecordingListener::setHook(std::function<void(const ListenerCall&)> hook) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = std::move(hook);
}

CallFilter kindIs(ListenerCall::Kind kind) {
    return [kind](const ListenerCall& call) { return call.kind == kind; };
}

CallFilter pointerCallAt(ListenerCall::Kind kind, double x, double y) {
    return [=](const ListenerCall& call) {
        return call.kind == kind && call.x == x && call.y == y;
    };
}

}  // namespace gui::x11::test
