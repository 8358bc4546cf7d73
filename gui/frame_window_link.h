// Joins a frame to its platform window: the window's events and idle ticks
// go to the frame (or the frame's editor), and what the frame redrew in its
// back buffer is presented. Every call from the window's thread takes the
// editor's GUI lock first; once the link is closing, calls that are still
// waiting for the lock give up, so closing never waits on a blocked window.
// While the frame has a focus view (a text field that edits), the window
// holds the keyboard focus.
#pragma once

#include <atomic>
#include <memory>

#include "gui/platform_window.h"

class CFrame;

class FrameWindowLink : public gui::PlatformWindowListener {
public:
    explicit FrameWindowLink(CFrame& frame) : frame_(frame) {}
    ~FrameWindowLink() override { close(); }
    FrameWindowLink(const FrameWindowLink&) = delete;
    FrameWindowLink& operator=(const FrameWindowLink&) = delete;

    bool open(void* parent, int width, int height);
    void attach(std::unique_ptr<gui::PlatformWindow> window);
    // Destroys the window, which stops its thread; must not be called from it.
    void close();
    bool isOpen() const { return window_ != nullptr; }

    void onMouseDown(double x, double y, uint32_t buttons) override;
    void onMouseUp(double x, double y, uint32_t buttons) override;
    void onMouseMoved(double x, double y, uint32_t buttons) override;
    void onMouseExited() override;
    void onWheel(double x, double y, float distance, uint32_t buttons) override;
    bool onKey(int32_t character, uint32_t virtualKey, uint32_t modifiers, bool down) override;
    void onExposed(int x, int y, int width, int height) override;
    void onIdle() override;
    void onKeyboardFocusLost() override;

    // Takes or gives back the window's keyboard focus as the frame's focus
    // view came or went. During a window event it waits for the event's end,
    // so that a click from one field into another keeps the focus throughout.
    void syncKeyboardFocus();

    // The window's pop-up and the screen, see gui::PlatformWindow.
    bool openPopup(const gui::WindowArea& area);
    void closePopup();
    gui::WindowArea screenArea();

private:
    // Runs `action` under the GUI lock, then redraws what became invalid
    // (unless the action redraws itself) and presents it; false when the link
    // is closing.
    template <class Action>
    bool guarded(Action&& action, bool redrawAfter = true);
    void present();

    CFrame& frame_;
    std::unique_ptr<gui::PlatformWindow> window_;
    std::atomic<bool> closing_{false};
    // Under the GUI lock, as the frame is.
    bool inEvent_ = false;
    bool focusHeld_ = false;
};
