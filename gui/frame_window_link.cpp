#include "gui/frame_window_link.h"

#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

#include "gui/frame.h"

namespace {

constexpr std::chrono::milliseconds kLockRetry{1};
// Changed areas whose bounding rectangle is at most this much larger than
// they are together are sent as that one rectangle.
constexpr CCoord kMergeAreasBelowRatio = 1.5;

}  // namespace

bool FrameWindowLink::open(void* parent, int width, int height) {
    attach(gui::openPlatformWindow(parent, width, height, *this));
    return isOpen();
}

void FrameWindowLink::attach(std::unique_ptr<gui::PlatformWindow> window) {
    close();
    closing_ = false;
    focusHeld_ = false;
    window_ = std::move(window);
    if (window_) syncKeyboardFocus();
    if (window_) frame_.invalid();
}

void FrameWindowLink::close() {
    closing_ = true;
    std::unique_ptr<gui::PlatformWindow> window;
    {
        std::recursive_mutex* mutex =
            frame_.getEditor() ? frame_.getEditor()->getGuiMutex() : nullptr;
        std::unique_lock<std::recursive_mutex> lock;
        if (mutex) lock = std::unique_lock<std::recursive_mutex>(*mutex);
        window = std::move(window_);
        focusHeld_ = false;
    }
    window.reset();  // gives back the keyboard focus and joins the window's thread
}

template <class Action>
bool FrameWindowLink::guarded(Action&& action, bool redrawAfter) {
    std::recursive_mutex* mutex = frame_.getEditor() ? frame_.getEditor()->getGuiMutex() : nullptr;
    std::unique_lock<std::recursive_mutex> lock;
    if (mutex) {
        lock = std::unique_lock<std::recursive_mutex>(*mutex, std::defer_lock);
        while (!lock.try_lock()) {
            if (closing_) return false;
            std::this_thread::sleep_for(kLockRetry);
        }
    }
    if (closing_) return false;
    inEvent_ = true;
    action();
    inEvent_ = false;
    syncKeyboardFocus();
    if (redrawAfter) frame_.redrawInvalid();
    present();
    return true;
}

bool FrameWindowLink::openPopup(const gui::WindowArea& area) {
    return window_ && window_->openPopup(area);
}

void FrameWindowLink::closePopup() {
    if (window_) window_->closePopup();
}

gui::WindowArea FrameWindowLink::screenArea() {
    return window_ ? window_->screenArea() : gui::WindowArea{};
}

void FrameWindowLink::present() {
    if (frame_.takePopupPresent() && window_) window_->presentPopup(frame_.getPopupBuffer());
    std::vector<CRect> changed = frame_.takePresentRects();
    if (!window_ || changed.empty()) return;
    // Each area costs the server a request of its own: areas close together
    // go as the one rectangle around them, which is hardly larger.
    CRect bounds;
    CCoord changedPixels = 0;
    for (const CRect& rect : changed) {
        bounds.unite(rect);
        changedPixels += rect.width() * rect.height();
    }
    if (bounds.width() * bounds.height() <= kMergeAreasBelowRatio * changedPixels)
        changed.assign(1, bounds);
    std::vector<gui::WindowArea> areas;
    areas.reserve(changed.size());
    for (const CRect& rect : changed) {
        const int left = static_cast<int>(std::floor(rect.left));
        const int top = static_cast<int>(std::floor(rect.top));
        areas.push_back({left, top, static_cast<int>(std::ceil(rect.right)) - left,
                         static_cast<int>(std::ceil(rect.bottom)) - top});
    }
    window_->presentAreas(frame_.getBackBuffer(), areas.data(), areas.size());
}

void FrameWindowLink::onMouseDown(double x, double y, uint32_t buttons) {
    guarded([&] {
        CPoint where(x, y);
        frame_.onMouseDown(where, static_cast<int32_t>(buttons));
    });
}

void FrameWindowLink::onMouseUp(double x, double y, uint32_t buttons) {
    guarded([&] {
        CPoint where(x, y);
        frame_.onMouseUp(where, static_cast<int32_t>(buttons));
    });
}

void FrameWindowLink::onMouseMoved(double x, double y, uint32_t buttons) {
    guarded([&] {
        CPoint where(x, y);
        frame_.onMouseMoved(where, static_cast<int32_t>(buttons));
    });
}

void FrameWindowLink::onMouseExited() {
    guarded([&] {
        CPoint where = frame_.getCurrentMouseLocation();
        frame_.onMouseExited(where, 0);
    });
}

void FrameWindowLink::onWheel(double x, double y, float distance, uint32_t buttons) {
    guarded([&] { frame_.onWheel(CPoint(x, y), distance, static_cast<int32_t>(buttons)); });
}

bool FrameWindowLink::onKey(int32_t character, uint32_t virtualKey, uint32_t modifiers,
                            bool down) {
    bool handled = false;
    guarded([&] {
        VstKeyCode key{character, static_cast<unsigned char>(virtualKey),
                       static_cast<unsigned char>(modifiers)};
        handled = (down ? frame_.onKeyDown(key) : frame_.onKeyUp(key)) == 1;
    });
    return handled;
}

void FrameWindowLink::onExposed(int x, int y, int width, int height) {
    guarded([&] { frame_.invalidRect(CRect(x, y, x + width, y + height)); });
}

void FrameWindowLink::onKeyboardFocusLost() {
    guarded([&] {
        focusHeld_ = false;
        frame_.setFocusView(nullptr);
    });
}

void FrameWindowLink::syncKeyboardFocus() {
    const bool wanted = frame_.getFocusView() != nullptr;
    if (inEvent_ || !window_ || wanted == focusHeld_) return;
    focusHeld_ = wanted;
    if (wanted)
        window_->takeKeyboardFocus();
    else
        window_->releaseKeyboardFocus();
}

void FrameWindowLink::onIdle() {
    // An editor's idle pass ends with the frame's idle, which redraws.
    constexpr bool kRedrawn = false;
    guarded(
        [&] {
            if (VSTGUIEditorInterface* editor = frame_.getEditor())
                editor->doIdleStuff();
            else
                frame_.idle();
        },
        kRedrawn);
}
