// Builds without a windowing backend: no window can be opened, so every
// frame stays headless.
#include "gui/platform_window.h"

namespace gui {

std::unique_ptr<PlatformWindow> openPlatformWindow(void*, int, int, PlatformWindowListener&) {
    return nullptr;
}

}  // namespace gui
