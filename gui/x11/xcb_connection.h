// One XCB connection of the window's own, separate from whatever connection
// the host holds, so that nothing we do on it can disturb the host: X errors
// arrive as events and are never fatal.
#pragma once

#include <xcb/xcb.h>

#include <memory>

namespace gui::x11 {

class XcbConnection {
public:
    // Connects to the display named by $DISPLAY; null when there is none or it
    // refuses us.
    static std::unique_ptr<XcbConnection> open();
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    xcb_connection_t* get() const { return connection_; }
    int fileDescriptor() const;
    bool hasFailed() const;
    const xcb_setup_t* setup() const;
    // The screen whose root window is `root`, or null.
    const xcb_screen_t* screenOfRoot(xcb_window_t root) const;
    // Waits until the server has handled every request sent so far.
    void sync() const;

private:
    explicit XcbConnection(xcb_connection_t* connection) : connection_(connection) {}
    xcb_connection_t* connection_;
};

}  // namespace gui::x11
