#include "gui/x11/xcb_connection.h"

#include <cstdlib>

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

}  // namespace gui::x11
