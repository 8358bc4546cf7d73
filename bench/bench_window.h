// What the window benchmarks need of a host: a listener that ignores every
// event, and a mapped top-level window standing in for the host's parent,
// on a connection of its own. Without a display the parent has no window.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

#include "gui/platform_window.h"

class QuietWindowListener : public gui::PlatformWindowListener {
public:
    void onMouseDown(double, double, uint32_t) override {}
    void onMouseUp(double, double, uint32_t) override {}
    void onMouseMoved(double, double, uint32_t) override {}
    void onMouseExited() override {}
    void onWheel(double, double, float, uint32_t) override {}
    bool onKey(int32_t, uint32_t, uint32_t, bool) override { return false; }
    void onExposed(int, int, int, int) override {}
    void onIdle() override {}
};

// Keep one for the whole run: a server resets when its last client leaves,
// and refuses connections meanwhile.
class HostParent {
public:
    HostParent(int width, int height) : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0,
                          static_cast<uint16_t>(width), static_cast<uint16_t>(height), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(connection_, window_);
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~HostParent() { xcb_disconnect(connection_); }
    HostParent(const HostParent&) = delete;
    HostParent& operator=(const HostParent&) = delete;

    void* handle() const {
        return window_ ? reinterpret_cast<void*>(static_cast<uintptr_t>(window_)) : nullptr;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t window_ = XCB_NONE;
};
