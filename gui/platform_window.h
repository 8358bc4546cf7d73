// The editor's window on the host's screen, behind a small interface so that
// each windowing system (X11 now, Win32 later) only adds a backend. A window
// is a child of the host's parent window, shows pixels the frame has drawn,
// reports input, and calls onIdle every idle period from its own thread until
// it is closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Keys as the VST 2.4 key code (VstKeyCode) numbers them: the window reports
// keys with these, and the widgets read them from the key codes they get.
enum VirtualKey : unsigned char {
    kVirtualKeyNone = 0,
    kVirtualKeyBack = 1,
    kVirtualKeyTab,
    kVirtualKeyClear,
    kVirtualKeyReturn,
    kVirtualKeyPause,
    kVirtualKeyEscape,
    kVirtualKeySpace,
    kVirtualKeyNext,
    kVirtualKeyEnd,
    kVirtualKeyHome,
    kVirtualKeyLeft,
    kVirtualKeyUp,
    kVirtualKeyRight,
    kVirtualKeyDown,
    kVirtualKeyPageUp,
    kVirtualKeyPageDown,
    kVirtualKeySelect,
    kVirtualKeyPrint,
    kVirtualKeyEnter,
    kVirtualKeySnapshot,
    kVirtualKeyInsert,
    kVirtualKeyDelete,
    kVirtualKeyHelp,
    kVirtualKeyNumpad0,
    kVirtualKeyNumpad9 = kVirtualKeyNumpad0 + 9,
    kVirtualKeyMultiply = kVirtualKeyNumpad0 + 10,
    kVirtualKeyAdd,
    kVirtualKeySeparator,
    kVirtualKeySubtract,
    kVirtualKeyDecimal,
    kVirtualKeyDivide,
    kVirtualKeyF1,
    kVirtualKeyNumLock = kVirtualKeyF1 + 12,
    kVirtualKeyScroll,
    kVirtualKeyShift,
    kVirtualKeyControl,
    kVirtualKeyAlt,
    kVirtualKeyEquals,
};

// Bits of VstKeyCode::modifier.
enum KeyModifierBits : uint32_t {
    kKeyModifierShift = 1u << 0,
    kKeyModifierAlternate = 1u << 1,
    kKeyModifierControl = 1u << 3,
};

namespace gui {

// Mouse buttons and modifiers as a bit set; the values match the widget
// layer's button state bits.
enum ButtonBits : uint32_t {
    kLeftButtonBit = 1u << 1,
    kMiddleButtonBit = 1u << 2,
    kRightButtonBit = 1u << 3,
    kShiftBit = 1u << 4,
    kControlBit = 1u << 5,
    kAltBit = 1u << 6,
    kDoubleClickBit = 1u << 10,
};

// A 32-bit premultiplied ARGB image in native byte order (Cairo's ARGB32),
// rows `stridePixels` apart.
struct PixelView {
    const uint32_t* pixels;
    int width;
    int height;
    int stridePixels;
};

// A rectangle of pixels in a window's coordinates.
struct WindowArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
};

class PlatformWindowListener {
public:
    virtual ~PlatformWindowListener() = default;
    // All calls come from the window's own thread.
    virtual void onMouseDown(double x, double y, uint32_t buttons) = 0;
    virtual void onMouseUp(double x, double y, uint32_t buttons) = 0;
    virtual void onMouseMoved(double x, double y, uint32_t buttons) = 0;
    virtual void onMouseExited() = 0;
    virtual void onWheel(double x, double y, float distance, uint32_t buttons) = 0;
    // A key as the three fields of a VstKeyCode: the character, the virtual
    // key and the modifier bits, all numbered as the plug-in interface does.
    virtual bool onKey(int32_t character, uint32_t virtualKey, uint32_t modifiers,
                       bool down) = 0;
    // The window needs the area (x, y, w, h) shown again (expose).
    virtual void onExposed(int x, int y, int width, int height) = 0;
    // Every idle period while the window is open.
    virtual void onIdle() = 0;
    // Another window took the keyboard focus this window had taken.
    virtual void onKeyboardFocusLost() {}
};

class PlatformWindow {
public:
    virtual ~PlatformWindow() = default;  // stops and joins the idle thread, then destroys
    // Shows `image` at the window's origin; the (x, y, w, h) area changed.
    virtual void present(const PixelView& image, int x, int y, int width, int height) = 0;
    // Shows `count` changed areas of `image` as one update.
    virtual void presentAreas(const PixelView& image, const WindowArea* areas, size_t count) {
        for (size_t i = 0; i < count; ++i)
            present(image, areas[i].x, areas[i].y, areas[i].width, areas[i].height);
    }
    virtual bool isValid() const = 0;
    // The keys come to this window wherever the pointer is, until released
    // (or until another window takes them, see onKeyboardFocusLost). The
    // window gives the focus back to the window that had it. From any thread.
    virtual void takeKeyboardFocus() {}
    virtual void releaseKeyboardFocus() {}

    // A pop-up: one window at a time, above every other, covering `area` of
    // this window's coordinates, which may reach beyond this window and its
    // parent. While it is open it takes all pointer and keyboard input, which
    // reaches this window's listener in this window's coordinates (a click
    // outside the pop-up too). False when none can be opened. From any thread.
    virtual bool openPopup(const WindowArea& /*area*/) { return false; }
    // Shows `image` (the pop-up's size) in the pop-up.
    virtual void presentPopup(const PixelView& /*image*/) {}
    virtual void closePopup() {}
    // The screen in this window's coordinates; empty when unknown.
    virtual WindowArea screenArea() { return {}; }
};

constexpr int kIdlePeriodMs = 50;

// Opens a window of width x height inside the host's parent window (an X11
// Window id passed as a pointer). Returns null when no display is available.
std::unique_ptr<PlatformWindow> openPlatformWindow(void* parent, int width, int height,
                                                   PlatformWindowListener& listener);

}  // namespace gui
