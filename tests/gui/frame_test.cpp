#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <thread>

#include "gui_test_support.h"

using namespace guitest;

namespace {

class Frames : public ::testing::Test {
protected:
    void SetUp() override { frame = makeFrame(100, 60); }
    void TearDown() override {
        if (frame) frame->close();
    }
    ProbeView* addProbe(const CRect& size, bool* deleted = nullptr, uint32_t fill = kGreen) {
        auto* probe = new ProbeView(size, deleted, fill);
        frame->addView(probe);
        return probe;
    }

    CFrame* frame = nullptr;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(Frames, AClickReachesTheListenerWithTheControlsTagAndValue) {
    RecordingListener listener;
    frame->addView(new COnOffButton(CRect(10, 10, 40, 24), &listener, 5, nullptr));
    click(frame, 20, 15);
    click(frame, 39, 23);
    click(frame, 40, 15);  // just outside
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].tag, 5);
    EXPECT_EQ(listener.heard[0].value, 1.f);
    EXPECT_EQ(listener.heard[1].value, 0.f);
    EXPECT_EQ(listener.begins, 2);
    EXPECT_EQ(listener.ends, 2);
}

TEST_F(Frames, TheTopmostViewGetsTheClickAndPassesOnWhatItDoesNotHandle) {
    ProbeView* below = addProbe(CRect(0, 0, 50, 50));
    ProbeView* above = addProbe(CRect(20, 20, 70, 50));
    press(frame, 30, 30);
    EXPECT_EQ(above->events, Events{"down"});
    EXPECT_TRUE(below->events.empty());

    above->downResult = kMouseEventNotHandled;
    press(frame, 30, 30);
    EXPECT_EQ(below->events, Events{"down"});
    EXPECT_EQ(press(frame, 90, 55), kMouseEventNotHandled);
}

TEST_F(Frames, AHandledPressCapturesTheMouseUntilTheRelease) {
    ProbeView* left = addProbe(CRect(0, 0, 50, 60));
    ProbeView* right = addProbe(CRect(50, 0, 100, 60));
    press(frame, 10, 10);
    move(frame, 70, 10, kLButton);
    move(frame, 200, 10, kLButton);  // outside the frame too
    release(frame, 70, 10);
    EXPECT_EQ(left->events, (Events{"down", "moved", "moved", "up"}));
    // The view under the pointer hears of it only after the release.
    EXPECT_EQ(right->events, Events{"entered"});
}

TEST(FrameGestures, AGestureCutShortStillEndsForTheHost) {
    // The host's side: the begun and ended gestures of each tag.
    struct GestureEditor : VSTGUIEditorInterface {
        void beginEdit(int32_t index) override { ++begun[index]; }
        void endEdit(int32_t index) override { ++ended[index]; }
        std::map<int32_t, int> begun, ended;
    };
    const struct {
        const char* cut;
        std::function<void(CFrame*&, CView*)> cutShort;
    } cases[] = {
        {"closing the frame", [](CFrame*& f, CView*) { f->close(); f = nullptr; }},
        {"removing the slider", [](CFrame*& f, CView* slider) { f->removeView(slider); }},
        {"another button's press", [](CFrame*& f, CView*) { press(f, 5, 5, kRButton); }},
        {"a modal view",
         [](CFrame*& f, CView*) { f->setModalView(new ProbeView(CRect(0, 0, 9, 9))); }},
    };
    for (const auto& c : cases) {
        GestureEditor editor;
        RecordingListener listener;
        CFrame* frame = makeFrame(200, 60, &editor);
        auto* slider =
            new CHorizontalSlider(CRect(0, 20, 200, 40), &listener, 3, 0, 180, nullptr, nullptr);
        frame->addView(slider);
        press(frame, 50, 30);
        move(frame, 60, 30, kLButton);
        c.cutShort(frame, slider);
        if (frame) release(frame, 60, 30);  // goes nowhere now
        EXPECT_EQ(editor.begun[3], 1) << c.cut;
        EXPECT_EQ(editor.ended[3], 1) << c.cut;
        EXPECT_EQ(listener.begins, listener.ends) << c.cut;
        if (frame) frame->close();
    }
}

TEST_F(Frames, APressThatWantsNoMoreEventsDoesNotCapture) {
    ProbeView* view = addProbe(CRect(0, 0, 50, 60));
    view->downResult = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    EXPECT_EQ(press(frame, 10, 10), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(release(frame, 10, 10), kMouseEventNotHandled);
    EXPECT_EQ(view->events, (Events{"down", "entered"}));
}

TEST_F(Frames, MovesReportEnteringAndLeavingViews) {
    ProbeView* a = addProbe(CRect(0, 0, 40, 60));
    ProbeView* b = addProbe(CRect(60, 0, 100, 60));
    move(frame, 10, 10);
    move(frame, 20, 10);
    move(frame, 50, 10);  // between the views
    move(frame, 70, 10);
    CPoint outside(120, 10);
    frame->onMouseExited(outside, 0);
    EXPECT_EQ(a->events, (Events{"entered", "moved", "moved", "exited"}));
    EXPECT_EQ(b->events, (Events{"entered", "moved", "exited"}));
}

TEST_F(Frames, AModalViewAloneReceivesTheMouseAndIsReturnedOnClearing) {
    ProbeView* face = addProbe(CRect(0, 0, 100, 60));
    bool modalDeleted = false;
    auto* modal = new ProbeView(CRect(30, 10, 70, 50), &modalDeleted);
    ASSERT_TRUE(frame->setModalView(modal));
    EXPECT_EQ(frame->getModalView(), modal);

    press(frame, 5, 5);  // on the face beside the modal view
    release(frame, 5, 5);
    press(frame, 40, 20);
    release(frame, 40, 20);
    EXPECT_EQ(face->events, Events{});
    EXPECT_EQ(modal->events, (Events{"down", "up", "entered"}));

    ASSERT_TRUE(frame->setModalView(nullptr));
    EXPECT_FALSE(frame->isChild(modal));
    EXPECT_FALSE(modalDeleted);
    modal->forget();
    EXPECT_TRUE(modalDeleted);
    press(frame, 40, 20);
    EXPECT_EQ(face->events.front(), "down");
}

TEST_F(Frames, ASecondModalViewIsRefused) {
    auto* first = new ProbeView(CRect(0, 0, 10, 10));
    bool secondDeleted = false;
    auto* second = new ProbeView(CRect(0, 0, 10, 10), &secondDeleted);
    EXPECT_TRUE(frame->setModalView(first));
    EXPECT_FALSE(frame->setModalView(second));
    second->forget();
    EXPECT_TRUE(secondDeleted);
}

TEST_F(Frames, IdleRedrawsOnlyTheDirtyViews) {
    ProbeView* a = addProbe(CRect(0, 0, 40, 60));
    ProbeView* b = addProbe(CRect(60, 0, 100, 60), nullptr, kBlue);
    frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 1);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 10, 10), kGreen);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 50, 10), kWhite);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 70, 10), kBlue);

    frame->idle();
    a->setDirty();
    frame->idle();
    EXPECT_EQ(a->draws, 2);
    EXPECT_EQ(b->draws, 1);

    frame->setDirty(true);  // the whole frame
    frame->idle();
    EXPECT_EQ(a->draws, 3);
    EXPECT_EQ(b->draws, 2);
}

TEST_F(Frames, AnIdleInsideAnIdleDoesNothing) {
    ProbeView* view = addProbe(CRect(0, 0, 40, 60));
    view->onDraw = [this] {
        frame->setDirty(true);
        frame->idle();
    };
    frame->idle();
    EXPECT_EQ(view->draws, 1);
}

TEST_F(Frames, DrawingIsClippedToTheUpdateRectangle) {
    addProbe(CRect(0, 0, 100, 60));
    frame->idle();
    COffscreenContext* context = COffscreenContext::create(frame, 100, 60);
    frame->drawRect(context, CRect(10, 10, 20, 15));
    EXPECT_EQ(countNot(context->getPixels(), CRect(10, 10, 20, 15), kGreen), 0);
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 100, 60), 0u), 50);

    // The current clip of the context limits the update further.
    context->setClipRect(CRect(50, 0, 55, 60));
    frame->drawRect(context, CRect(0, 30, 100, 31));
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 100, 60), 0u), 55);
    frame->drawRect(context, CRect(5, 5, 5, 50));  // empty: nothing
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 100, 60), 0u), 55);
    context->forget();
}

TEST_F(Frames, AnInvalidAreaIsRedrawnAloneByTheNextIdle) {
    addProbe(CRect(0, 0, 40, 60));
    frame->idle();
    frame->takePresentRect();
    frame->setBackgroundColor(kRedCColor);
    frame->invalidRect(CRect(50, 10, 60, 20));
    frame->idle();
    EXPECT_EQ(countNot(frame->getBackBuffer(), CRect(50, 10, 60, 20), kRed), 0);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 49, 10), kWhite);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 60, 10), kWhite);
    EXPECT_EQ(frame->takePresentRect(), CRect(50, 10, 60, 20));
}

TEST_F(Frames, SeparateChangesArePresentedAsSeparateRectangles) {
    ProbeView* a = addProbe(CRect(0, 0, 10, 10));
    ProbeView* b = addProbe(CRect(80, 50, 100, 60));
    frame->idle();
    frame->takePresentRects();
    a->setDirty();
    b->setDirty();
    frame->idle();
    std::vector<CRect> rects = frame->takePresentRects();
    std::sort(rects.begin(), rects.end(), [](const CRect& l, const CRect& r) { return l.left < r.left; });
    EXPECT_EQ(rects, (std::vector<CRect>{CRect(0, 0, 10, 10), CRect(80, 50, 100, 60)}));
    EXPECT_TRUE(frame->takePresentRects().empty());
    a->setDirty();
    b->setDirty();
    frame->idle();
    EXPECT_EQ(frame->takePresentRect(), CRect(0, 0, 100, 60));
}

TEST_F(Frames, TheBackgroundBitmapLiesUnderTheViews) {
    Resources resources;
    resources.add(128, 100, 60, solid(kBlue));
    CBitmap* background = resources.bitmap(128);
    frame->setBackground(background);
    background->forget();
    addProbe(CRect(10, 10, 20, 20));
    frame->idle();
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 5, 5), kBlue);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 15, 15), kGreen);
}

TEST_F(Frames, TheBackgroundColourShowsWhereTheBitmapDoesNotCover) {
    // Black at half opacity (premultiplied) over red; a bitmap narrower than the frame.
    const struct {
        int width;
        uint32_t colour;
        uint32_t at5;
        uint32_t at95;
    } cases[] = {{100, kBlue, kBlue, kBlue}, {100, 0x80000000u, 0xff7f0000u, 0xff7f0000u},
                 {90, kBlue, kBlue, kRed}};
    for (const auto& c : cases) {
        Resources resources;
        resources.add(128, c.width, 60, solid(c.colour));
        CBitmap* background = resources.bitmap(128);
        frame->setBackground(background);
        background->forget();
        frame->setBackgroundColor(kRedCColor);
        frame->setDirty(true);
        frame->idle();
        EXPECT_EQ(pixelAt(frame->getBackBuffer(), 5, 5), c.at5) << c.width;
        EXPECT_EQ(pixelAt(frame->getBackBuffer(), 95, 5), c.at95) << c.width;
    }
}

TEST_F(Frames, ClosingReleasesEveryViewTheModalOneToo) {
    bool viewDeleted = false;
    bool modalDeleted = false;
    addProbe(CRect(0, 0, 10, 10), &viewDeleted);
    frame->setModalView(new ProbeView(CRect(0, 0, 10, 10), &modalDeleted));
    frame->close();
    frame = nullptr;
    EXPECT_TRUE(viewDeleted);
    EXPECT_TRUE(modalDeleted);
}

TEST_F(Frames, RemovingAViewWithoutForgettingHandsItsReferenceBack) {
    bool deleted = false;
    ProbeView* view = addProbe(CRect(0, 0, 10, 10), &deleted);
    move(frame, 5, 5);  // the frame now also tracks it as hovered
    EXPECT_TRUE(frame->removeView(view, false));
    EXPECT_FALSE(deleted);
    EXPECT_FALSE(view->isAttached());
    EXPECT_EQ(view->getNbReference(), 1);
    view->forget();
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(frame->removeView(view, false));
}

// --- the platform window -------------------------------------------------

namespace {

struct Presented {
    int x, y, width, height;
};

class FakeWindow : public gui::PlatformWindow {
public:
    explicit FakeWindow(std::vector<Presented>& log) : log_(log) {}
    ~FakeWindow() override {
        stop = true;
        if (thread.joinable()) thread.join();
    }
    void present(const gui::PixelView& image, int x, int y, int width, int height) override {
        EXPECT_NE(image.pixels, nullptr);
        log_.push_back({x, y, width, height});
    }
    bool isValid() const override { return true; }

    std::thread thread;  // stands for the window's own thread
    std::atomic<bool> stop{false};

private:
    std::vector<Presented>& log_;
};

class LockingEditor : public VSTGUIEditorInterface {
public:
    void doIdleStuff() override {
        ++idles;
        if (frame) frame->idle();
    }
    std::recursive_mutex* getGuiMutex() override { return &mutex; }
    void setFrame(CFrame* f) { frame = f; }

    std::recursive_mutex mutex;
    int idles = 0;
};

}  // namespace

TEST(FrameWindow, WindowEventsReachTheViewsAndChangesArePresented) {
    std::vector<Presented> presented;
    LockingEditor editor;
    CFrame* frame = makeFrame(100, 60, &editor);
    editor.setFrame(frame);
    RecordingListener listener;
    frame->addView(new COnOffButton(CRect(10, 10, 40, 24), &listener, 3, nullptr));
    frame->attachWindow(std::make_unique<FakeWindow>(presented));
    EXPECT_TRUE(frame->hasWindow());

    gui::PlatformWindowListener& window = frame->getWindowListener();
    window.onIdle();
    EXPECT_EQ(editor.idles, 1);
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0].width, 100);
    EXPECT_EQ(presented[0].height, 60);

    window.onMouseDown(20, 15, gui::kLeftButtonBit);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].tag, 3);
    ASSERT_EQ(presented.size(), 2u);
    EXPECT_EQ(presented[1].x, 10);
    EXPECT_EQ(presented[1].y, 10);
    EXPECT_EQ(presented[1].width, 30);
    EXPECT_EQ(presented[1].height, 14);

    window.onIdle();  // nothing changed: nothing presented
    EXPECT_EQ(presented.size(), 2u);
    window.onExposed(0, 0, 5, 5);
    ASSERT_EQ(presented.size(), 3u);
    EXPECT_EQ(presented[2].width, 5);
    frame->close();
}

TEST(FrameWindow, ClosingWhileHoldingTheLockDoesNotWaitForABlockedWindowThread) {
    std::vector<Presented> presented;
    LockingEditor editor;
    CFrame* frame = makeFrame(100, 60, &editor);
    editor.setFrame(frame);
    auto window = std::make_unique<FakeWindow>(presented);
    FakeWindow* fake = window.get();
    frame->attachWindow(std::move(window));

    std::atomic<bool> started{false};
    std::lock_guard<std::recursive_mutex> lock(editor.mutex);
    gui::PlatformWindowListener& events = frame->getWindowListener();
    fake->thread = std::thread([&] {
        while (!fake->stop) {
            started = true;
            events.onMouseMoved(5, 5, 0);  // waits for the lock held above
        }
    });
    while (!started) std::this_thread::yield();
    frame->close();  // joins the window's thread through the window's destructor
    SUCCEED();
}
