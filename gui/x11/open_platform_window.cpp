// The platform window of X11 systems.
#include "gui/platform_window.h"

#include "gui/x11/x11_window.h"

#include <cstdint>
#include <limits>

namespace gui {

std::unique_ptr<PlatformWindow> openPlatformWindow(void* parent, int width, int height,
                                                   PlatformWindowListener& listener) {
    const auto id = reinterpret_cast<uintptr_t>(parent);
    if (id == 0 || id > std::numeric_limits<xcb_window_t>::max()) return nullptr;
    return x11::X11Window::open(static_cast<xcb_window_t>(id), width, height, listener);
}

}  // namespace gui
