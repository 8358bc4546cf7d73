#include "gui/x11/child_window.h"

#include <cstdlib>
#include <memory>

namespace gui::x11 {
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

}  // namespace gui::x11
