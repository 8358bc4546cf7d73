// The test's own side of the X display: host-like parent windows on a
// connection of its own, real input through the XTEST extension, and reading
// pixels back.
#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace gui::x11::test {

class TestDisplay {
public:
    // Null when there is no display or it lacks XTEST.
    static std::unique_ptr<TestDisplay> connect();
    ~TestDisplay();  // releases whatever input it still holds down

    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return screen_->root; }
    uint8_t depthOf(xcb_window_t window);

    // A mapped top-level window at (x, y) of the root, black.
    xcb_window_t createParent(int x, int y, int width, int height);
    // A parent with a 32-bit visual (alpha), or XCB_NONE when the screen has none.
    xcb_window_t createAlphaParent(int width, int height);
    void destroyWindow(xcb_window_t window);
    std::vector<xcb_window_t> childrenOf(xcb_window_t window);
    // Disconnects the client that owns `window` from the server.
    void killOwnerOf(xcb_window_t window);

    void movePointer(xcb_window_t window, int x, int y);
    void pressButton(uint8_t button);
    void releaseButton(uint8_t button);
    void click(uint8_t button);
    void pressKey(uint32_t keysym);
    void releaseKey(uint32_t keysym);
    void focus(xcb_window_t window);
    // The window that has the keyboard focus (or XCB_NONE / pointer root).
    xcb_window_t focusedWindow();

    // Pixels of the window as 32-bit values; empty when the read fails.
    std::vector<uint32_t> readPixels(xcb_window_t window, int x, int y, int width, int height);
    // Waits until the server has handled everything sent so far.
    void sync();

private:
    TestDisplay(xcb_connection_t* connection, const xcb_screen_t* screen);
    xcb_window_t createWindow(uint8_t depth, xcb_visualid_t visual, xcb_colormap_t colormap,
                              int x, int y, int width, int height);
    void fakeInput(uint8_t type, uint8_t detail);
    uint8_t keycodeOf(uint32_t keysym);

    xcb_connection_t* connection_;
    const xcb_screen_t* screen_;
    xcb_key_symbols_t* symbols_;
    std::set<uint8_t> buttonsDown_;
    std::set<uint8_t> keysDown_;
    std::vector<xcb_colormap_t> colormaps_;
};

// Threads of this process, from /proc.
int threadCount();
// Waits until the process has `count` threads.
bool waitForThreadCount(int count);

}  // namespace gui::x11::test
