#include "gui/x11/window_session.h"

#include <cstdlib>

namespace gui::x11 {

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

void WindowSession::present(const PixelView& image, ImageArea area) {
    if (isGone()) return;
    uploader_->upload(image, area);
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
