#include "gui/x11/session.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace gui::x11 {

std::unique_ptr<XcbConnection> XcbConnection::open() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<XcbConnection>(new XcbConnection(connection));
}

XcbConnection::~XcbConnection() { xcb_disconnect(connection_); }

int XcbConnection::fileDescriptor() const { return xcb_get_file_descriptor(connection_); }

bool XcbConnection::hasFailed() const { return xcb_connection_has_error(connection_) != 0; }

const xcb_setup_t* XcbConnection::setup() const { return xcb_get_setup(connection_); }

const xcb_screen_t* XcbConnection::screenOfRoot(xcb_window_t root) const {
    for (auto it = xcb_setup_roots_iterator(setup()); it.rem > 0; xcb_screen_next(&it)) {
        if (it.data->root == root) return it.data;
    }
    return nullptr;
}

void XcbConnection::sync() const {
    // Any request with a reply will do: the server answers in order.
    free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

WakeSignal::WakeSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeSignal::~WakeSignal() {
    if (fd_ >= 0) close(fd_);
}

void WakeSignal::raise() {
    const uint64_t one = 1;
    // A full counter already wakes the reader, so a failed write loses nothing.
    [[maybe_unused]] ssize_t written = write(fd_, &one, sizeof one);
}

void WakeSignal::clear() {
    uint64_t count = 0;
    [[maybe_unused]] ssize_t bytes = read(fd_, &count, sizeof count);
}

namespace {

constexpr uint32_t kPopupEventMask =
    XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
    XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE;
constexpr uint32_t kEventMask =
    XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
    XCB_EVENT_MASK_POINTER_MOTION | XCB_EVENT_MASK_LEAVE_WINDOW | XCB_EVENT_MASK_KEY_PRESS |
    XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_STRUCTURE_NOTIFY |
    XCB_EVENT_MASK_FOCUS_CHANGE;
constexpr uint8_t kAlphaDepth = 32;
constexpr int kMaxWindowSide = 32767;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&free)>;

template <typename Reply>
ReplyPtr<Reply> own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &free);
}

const xcb_visualtype_t* findVisual(const xcb_screen_t& screen, xcb_visualid_t visual) {
    for (auto depth = xcb_screen_allowed_depths_iterator(&screen); depth.rem > 0;
         xcb_depth_next(&depth)) {
        for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem > 0;
             xcb_visualtype_next(&type)) {
            if (type.data->visual_id == visual) return type.data;
        }
    }
    return nullptr;
}

const xcb_format_t* findPixmapFormat(const xcb_setup_t& setup, uint8_t depth) {
    for (auto format = xcb_setup_pixmap_formats_iterator(&setup); format.rem > 0;
         xcb_format_next(&format)) {
        if (format.data->depth == depth) return format.data;
    }
    return nullptr;
}

bool isTrueColour(const xcb_visualtype_t& visual) {
    return visual._class == XCB_VISUAL_CLASS_TRUE_COLOR ||
           visual._class == XCB_VISUAL_CLASS_DIRECT_COLOR;
}

// The layout of the parent's visual; bitsPerPixel 0 (unsupported) for visuals
// with a colour map of indices.
PixelFormat formatOf(const XcbConnection& connection, const xcb_screen_t& screen,
                     xcb_visualid_t visualId, uint8_t depth) {
    PixelFormat format;
    const xcb_visualtype_t* visual = findVisual(screen, visualId);
    const xcb_format_t* pixmap = findPixmapFormat(*connection.setup(), depth);
    if (visual == nullptr || pixmap == nullptr || !isTrueColour(*visual)) {
        format.bitsPerPixel = 0;
        return format;
    }
    format.bitsPerPixel = pixmap->bits_per_pixel;
    format.scanlinePad = pixmap->scanline_pad;
    format.redMask = visual->red_mask;
    format.greenMask = visual->green_mask;
    format.blueMask = visual->blue_mask;
    const uint32_t colourBits = visual->red_mask | visual->green_mask | visual->blue_mask;
    format.alphaMask = depth == kAlphaDepth ? ~colourBits : 0;
    format.msbFirst = connection.setup()->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    return format;
}

bool createAndMap(xcb_connection_t* c, xcb_window_t window, xcb_window_t parent, int width,
                  int height, const WindowPlacement& placement) {
    // No background: the editor paints every exposed pixel itself, so the
    // server never clears to a colour first (no flicker).
    const uint32_t values[] = {XCB_BACK_PIXMAP_NONE, placement.popup ? 1u : 0u,
                               placement.popup ? kPopupEventMask : kEventMask};
    const xcb_void_cookie_t cookie = xcb_create_window_checked(
        c, XCB_COPY_FROM_PARENT, window, parent, static_cast<int16_t>(placement.x),
        static_cast<int16_t>(placement.y), static_cast<uint16_t>(width),
        static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
        XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_generic_error_t* error = xcb_request_check(c, cookie);
    if (error != nullptr) {
        free(error);
        return false;
    }
    xcb_map_window(c, window);
    xcb_flush(c);
    return true;
}

}  // namespace

std::unique_ptr<ChildWindow> ChildWindow::create(const XcbConnection& connection,
                                                 xcb_window_t parent, int width, int height,
                                                 const WindowPlacement& placement) {
    if (width <= 0 || height <= 0 || width > kMaxWindowSide || height > kMaxWindowSide) {
        return nullptr;
    }
    xcb_connection_t* c = connection.get();
    auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, parent), nullptr));
    auto attributes = own(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, parent), nullptr));
    if (!geometry || !attributes) return nullptr;
    const xcb_screen_t* screen = connection.screenOfRoot(geometry->root);
    if (screen == nullptr) return nullptr;

    const xcb_window_t window = xcb_generate_id(c);
    if (!createAndMap(c, window, parent, width, height, placement)) return nullptr;
    const UploadTarget target{window, geometry->depth,
                              formatOf(connection, *screen, attributes->visual, geometry->depth),
                              width, height};
    return std::unique_ptr<ChildWindow>(new ChildWindow(c, target, *screen));
}

ChildWindow::~ChildWindow() {
    xcb_destroy_window(connection_, target_.window);
    // A round trip, not only a flush: the server has removed the window before
    // the editor's close returns, so a host that looks at (or destroys) its
    // parent window next finds it gone.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void KeyboardFocus::take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (held_) return;
    xcb_get_input_focus_reply_t* current =
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
    if (current == nullptr) return;  // the connection broke
    previous_ = current->focus == window_ ? XCB_NONE : current->focus;
    previousRevert_ = current->revert_to;
    free(current);
    // Should our window go (with its parent), the focus falls back to the parent.
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    held_ = true;
}

void KeyboardFocus::release() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!held_) return;
    held_ = false;
    // A previous window that has gone meanwhile only earns an error event,
    // which the window's thread drops; the focus then stays with us.
    if (previous_ == XCB_NONE) return;
    xcb_set_input_focus(connection_, previousRevert_, previous_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

bool KeyboardFocus::lostBy(const xcb_focus_out_event_t& event) {
    if (event.event != window_) return false;
    // A grab takes the keys for a moment (a window manager's shortcut) and
    // gives them back; the pointer-root kinds only say where the pointer is.
    if (event.mode == XCB_NOTIFY_MODE_GRAB || event.mode == XCB_NOTIFY_MODE_UNGRAB) return false;
    if (event.detail == XCB_NOTIFY_DETAIL_POINTER || event.detail == XCB_NOTIFY_DETAIL_INFERIOR)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!held_) return false;
    held_ = false;
    return true;
}

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

std::shared_ptr<WindowSession> WindowSession::open(xcb_window_t parent, int width, int height) {
    auto connection = XcbConnection::open();
    if (!connection) return nullptr;
    auto window = ChildWindow::create(*connection, parent, width, height);
    if (!window) return nullptr;
    std::shared_ptr<WindowSession> session(
        new WindowSession(std::move(connection), std::move(window)));
    if (!session->wake_.isValid()) return nullptr;
    return session;
}

WindowSession::WindowSession(std::unique_ptr<XcbConnection> connection,
                             std::unique_ptr<ChildWindow> window)
    : connection_(std::move(connection)),
      window_(std::move(window)),
      uploader_(std::make_unique<ImageUploader>(connection_->get(), window_->uploadTarget())),
      focus_(std::make_unique<KeyboardFocus>(connection_->get(), window_->id())),
      popup_(std::make_unique<PopupSlot>(*connection_, *window_)) {}

WindowSession::~WindowSession() = default;

void WindowSession::present(const PixelView& image, const ImageArea* areas, size_t count) {
    if (isGone()) return;
    uploader_->upload(image, areas, count);
}

WindowArea WindowSession::screenArea() {
    xcb_connection_t* c = connection();
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window_->id(), window_->root(), 0, 0), nullptr);
    if (origin == nullptr) return {};
    const WindowArea screen{-origin->dst_x, -origin->dst_y, window_->screenWidth(),
                            window_->screenHeight()};
    free(origin);
    return screen;
}

void WindowSession::requestStop() {
    stop_.store(true, std::memory_order_release);
    wake_.raise();
}

}  // namespace gui::x11
