#include "test_display.h"

#include <xcb/xtest.h>

#include <dirent.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr uint32_t kBlack = 0;
constexpr uint8_t kAlphaDepth = 32;
constexpr auto kThreadWait = std::chrono::seconds(5);
constexpr auto kThreadPoll = std::chrono::milliseconds(5);

bool hasXTest(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_test_id);
    return extension != nullptr && extension->present;
}

xcb_visualid_t findAlphaVisual(const xcb_screen_t& screen) {
    for (auto depth = xcb_screen_allowed_depths_iterator(&screen); depth.rem > 0;
         xcb_depth_next(&depth)) {
        if (depth.data->depth != kAlphaDepth) continue;
        for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem > 0;
             xcb_visualtype_next(&type)) {
            if (type.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR) return type.data->visual_id;
        }
    }
    return XCB_NONE;
}

// A server resets when its last client leaves and refuses connections while
// it does so; one connection held for the whole run keeps it up between tests.
class ServerKeepAlive {
public:
    ServerKeepAlive() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~ServerKeepAlive() { xcb_disconnect(connection_); }

private:
    xcb_connection_t* connection_;
};

}  // namespace

std::unique_ptr<TestDisplay> TestDisplay::connect() {
    if (std::getenv("DISPLAY") == nullptr) return nullptr;
    static const ServerKeepAlive keepAlive;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) || !hasXTest(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    return std::unique_ptr<TestDisplay>(new TestDisplay(connection, screens.data));
}

TestDisplay::TestDisplay(xcb_connection_t* connection, const xcb_screen_t* screen)
    : connection_(connection), screen_(screen), symbols_(xcb_key_symbols_alloc(connection)) {}

TestDisplay::~TestDisplay() {
    for (uint8_t button : std::set<uint8_t>(buttonsDown_)) releaseButton(button);
    for (uint8_t key : keysDown_) fakeInput(XCB_KEY_RELEASE, key);
    for (xcb_colormap_t colormap : colormaps_) xcb_free_colormap(connection_, colormap);
    sync();
    xcb_key_symbols_free(symbols_);
    xcb_disconnect(connection_);
}

uint8_t TestDisplay::depthOf(xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    const uint8_t depth = geometry != nullptr ? geometry->depth : 0;
    free(geometry);
    return depth;
}

xcb_window_t TestDisplay::createParent(int x, int y, int width, int height) {
    return createWindow(XCB_COPY_FROM_PARENT, XCB_COPY_FROM_PARENT, XCB_COPY_FROM_PARENT, x, y,
                        width, height);
}

xcb_window_t TestDisplay::createAlphaParent(int width, int height) {
    const xcb_visualid_t visual = findAlphaVisual(*screen_);
    if (visual == XCB_NONE) return XCB_NONE;
    const xcb_colormap_t colormap = xcb_generate_id(connection_);
    xcb_create_colormap(connection_, XCB_COLORMAP_ALLOC_NONE, colormap, screen_->root, visual);
    colormaps_.push_back(colormap);
    return createWindow(kAlphaDepth, visual, colormap, 0, 0, width, height);
}

xcb_window_t TestDisplay::createWindow(uint8_t depth, xcb_visualid_t visual,
                                       xcb_colormap_t colormap, int x, int y, int width,
                                       int height) {
    const xcb_window_t window = xcb_generate_id(connection_);
    uint32_t mask = XCB_CW_BACK_PIXEL | XCB_CW_BORDER_PIXEL | XCB_CW_OVERRIDE_REDIRECT;
    std::vector<uint32_t> values = {kBlack, kBlack, 1};
    if (colormap != XCB_COPY_FROM_PARENT) {
        mask |= XCB_CW_COLORMAP;
        values.push_back(colormap);
    }
    xcb_create_window(connection_, depth, window, screen_->root, static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, visual,
                      mask, values.data());
    xcb_map_window(connection_, window);
    sync();
    return window;
}

void TestDisplay::destroyWindow(xcb_window_t window) {
    xcb_destroy_window(connection_, window);
    sync();
}

std::vector<xcb_window_t> TestDisplay::childrenOf(xcb_window_t window) {
    std::vector<xcb_window_t> children;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
    if (tree == nullptr) return children;
    const xcb_window_t* first = xcb_query_tree_children(tree);
    children.assign(first, first + xcb_query_tree_children_length(tree));
    free(tree);
    return children;
}

void TestDisplay::killOwnerOf(xcb_window_t window) {
    xcb_kill_client(connection_, window);
    sync();
}

void TestDisplay::movePointer(xcb_window_t window, int x, int y) {
    xcb_translate_coordinates_reply_t* root = xcb_translate_coordinates_reply(
        connection_,
        xcb_translate_coordinates(connection_, window, screen_->root, static_cast<int16_t>(x),
                                  static_cast<int16_t>(y)),
        nullptr);
    if (root == nullptr) return;
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root,
                        root->dst_x, root->dst_y, XCB_NONE);
    free(root);
    sync();
}

void TestDisplay::pressButton(uint8_t button) {
    buttonsDown_.insert(button);
    fakeInput(XCB_BUTTON_PRESS, button);
}

void TestDisplay::releaseButton(uint8_t button) {
    buttonsDown_.erase(button);
    fakeInput(XCB_BUTTON_RELEASE, button);
}

void TestDisplay::click(uint8_t button) {
    pressButton(button);
    releaseButton(button);
}

void TestDisplay::pressKey(uint32_t keysym) {
    const uint8_t keycode = keycodeOf(keysym);
    keysDown_.insert(keycode);
    fakeInput(XCB_KEY_PRESS, keycode);
}

void TestDisplay::releaseKey(uint32_t keysym) {
    const uint8_t keycode = keycodeOf(keysym);
    keysDown_.erase(keycode);
    fakeInput(XCB_KEY_RELEASE, keycode);
}

void TestDisplay::focus(xcb_window_t window) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    sync();
}

xcb_window_t TestDisplay::focusedWindow() {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
    const xcb_window_t window = reply != nullptr ? reply->focus : XCB_NONE;
    free(reply);
    return window;
}

std::vector<uint32_t> TestDisplay::readPixels(xcb_window_t window, int x, int y, int width,
                                              int height) {
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(x),
                      static_cast<int16_t>(y), static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), ~0u),
        nullptr);
    std::vector<uint32_t> pixels;
    if (image == nullptr) return pixels;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (static_cast<size_t>(xcb_get_image_data_length(image)) == count * sizeof(uint32_t)) {
        pixels.resize(count);
        std::memcpy(pixels.data(), xcb_get_image_data(image), count * sizeof(uint32_t));
    }
    free(image);
    return pixels;
}

void TestDisplay::sync() {
    free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void TestDisplay::fakeInput(uint8_t type, uint8_t detail) {
    xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, XCB_NONE);
    sync();
}

uint8_t TestDisplay::keycodeOf(uint32_t keysym) {
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keysym);
    const uint8_t keycode = codes != nullptr ? codes[0] : 0;
    free(codes);
    return keycode;
}

namespace {

// Some runtimes (ThreadSanitizer's among them) start a helper thread of their
// own with the process's first thread; one short thread started up front
// keeps that helper out of the counts the tests compare.
void startRuntimeHelpers() {
    static const bool started = [] {
        std::thread([] {}).join();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return true;
    }();
    (void)started;
}

}  // namespace

int threadCount() {
    startRuntimeHelpers();
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr) return -1;
    int count = 0;
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] != '.') ++count;
    }
    closedir(tasks);
    return count;
}

bool waitForThreadCount(int count) {
    const auto deadline = std::chrono::steady_clock::now() + kThreadWait;
    while (threadCount() != count) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kThreadPoll);
    }
    return true;
}

}  // namespace gui::x11::test
