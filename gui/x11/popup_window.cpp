#include "gui/x11/popup_window.h"

#include <cstdlib>

namespace gui::x11 {
namespace {

constexpr uint16_t kGrabbedPointerEvents =
    XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;

// The point (x, y) of `window` in root coordinates.
std::optional<std::pair<int, int>> onRoot(xcb_connection_t* c, xcb_window_t window,
                                          xcb_window_t root, int x, int y) {
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        c,
        xcb_translate_coordinates(c, window, root, static_cast<int16_t>(x),
                                  static_cast<int16_t>(y)),
        nullptr);
    if (reply == nullptr) return std::nullopt;
    const std::pair<int, int> point{reply->dst_x, reply->dst_y};
    free(reply);
    return point;
}

// Every pointer event goes to `window` until ungrabbed, reported relative to
// it: a click outside the pop-up too. Our own press that opened the pop-up
// holds the pointer already, which the grab takes over.
bool grabPointer(xcb_connection_t* c, xcb_window_t window) {
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(
        c,
        xcb_grab_pointer(c, 0, window, kGrabbedPointerEvents, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool grabbed = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
    free(reply);
    return grabbed;
}

void grabKeyboard(xcb_connection_t* c, xcb_window_t window) {
    // Without the keys the pop-up still works by pointer: no need to wait.
    const xcb_grab_keyboard_cookie_t cookie = xcb_grab_keyboard(
        c, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_discard_reply(c, cookie.sequence);
}

}  // namespace

std::unique_ptr<PopupWindow> PopupWindow::open(const XcbConnection& connection,
                                               const ChildWindow& editor, WindowArea area) {
    xcb_connection_t* c = connection.get();
    const auto origin = onRoot(c, editor.id(), editor.root(), area.x, area.y);
    if (!origin) return nullptr;
    WindowPlacement placement;
    placement.x = origin->first;
    placement.y = origin->second;
    placement.popup = true;
    auto window = ChildWindow::create(connection, editor.root(), area.width, area.height,
                                      placement);
    if (!window) return nullptr;
    // The window is viewable once mapped (no window manager in between), so
    // the grabs that follow it in the request stream find it so.
    if (!grabPointer(c, window->id())) return nullptr;
    grabKeyboard(c, window->id());
    xcb_flush(c);
    return std::unique_ptr<PopupWindow>(new PopupWindow(c, std::move(window), area));
}

PopupWindow::PopupWindow(xcb_connection_t* connection, std::unique_ptr<ChildWindow> window,
                         const WindowArea& area)
    : connection_(connection),
      window_(std::move(window)),
      uploader_(connection, window_->uploadTarget()),
      area_(area) {}

PopupWindow::~PopupWindow() {
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    // The window itself goes with window_.
}

void PopupWindow::present(const PixelView& image) {
    uploader_.upload(image, {0, 0, area_.width, area_.height});
}

bool PopupSlot::open(const WindowArea& area) {
    std::lock_guard<std::mutex> lock(mutex_);
    popup_.reset();
    popup_ = PopupWindow::open(connection_, editor_, area);
    return popup_ != nullptr;
}

void PopupSlot::present(const PixelView& image) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (popup_) popup_->present(image);
}

void PopupSlot::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    popup_.reset();
}

std::optional<WindowArea> PopupSlot::areaOf(xcb_window_t window) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!popup_ || popup_->id() != window) return std::nullopt;
    return popup_->area();
}

}  // namespace gui::x11
