// The program's own controls on a headless frame: which stacked image each
// draws, what the listener hears, and where the meter splits its strips.
#include <gtest/gtest.h>

#include "editor/face_controls.h"
#include "presets/save_load_button.h"
#include "tests/gui/gui_test_support.h"

using namespace guitest;

namespace {

constexpr uint32_t kYellow = opaque(255, 255, 0);
constexpr uint32_t kCyan = opaque(0, 255, 255);
constexpr int kImageHeight = 10;
constexpr int kStrip = 182;

enum Bitmap { kThreeImages = 1, kFiveImages, kFourImages, kLitStrip, kUnlitStrip, kTallLit,
              kTallUnlit };

class CustomControls : public ::testing::Test {
protected:
    void SetUp() override {
        resources.add(kThreeImages, 20, 3 * kImageHeight,
                      bands(kImageHeight, {kRed, kGreen, kBlue}));
        resources.add(kFourImages, 20, 4 * kImageHeight,
                      bands(kImageHeight, {kBlack, kRed, kGreen, kBlue}));
        resources.add(kFiveImages, 20, 5 * kImageHeight,
                      bands(kImageHeight, {kRed, kGreen, kBlue, kYellow, kCyan}));
        resources.add(kLitStrip, kStrip, 15, solid(kGreen));
        resources.add(kUnlitStrip, kStrip, 15, solid(kGrey));
        resources.add(kTallLit, 10, 40, solid(kGreen));
        resources.add(kTallUnlit, 10, 40, solid(kGrey));
        frame = makeFrame(300, 60);
    }
    void TearDown() override {
        frame->close();
        for (CBitmap* bitmap : bitmaps) bitmap->forget();
    }

    CBitmap* bitmap(int id) {
        bitmaps.push_back(resources.bitmap(id));
        return bitmaps.back();
    }
    template <class Control>
    Control* add(Control* control) {
        frame->addView(control);
        return control;
    }
    uint32_t shownAt(int x, int y) {
        frame->idle();
        return pixelAt(frame->getBackBuffer(), x, y);
    }
    int litInRow(int y, int x0, int x1) {
        frame->idle();
        return countInRow(frame->getBackBuffer(), y, x0, x1, kGreen);
    }

    Resources resources;
    std::vector<CBitmap*> bitmaps;
    CFrame* frame = nullptr;
    RecordingListener listener;
};

// --- CKVKickButton ---------------------------------------------------------

TEST_F(CustomControls, KickButtonShowsIdleHoverAndPressedImages) {
    add(new CKVKickButton(CRect(10, 10, 30, 20), &listener, 1000, kImageHeight,
                          bitmap(kThreeImages), CPoint(0, 0), false));
    // The source origin shifts every image: with y0 = 10 the idle image is band 1.
    add(new CKVKickButton(CRect(40, 10, 60, 20), &listener, 1001, kImageHeight,
                          bitmap(kFourImages), CPoint(0, 10), false));
    EXPECT_EQ(shownAt(15, 15), kRed);
    EXPECT_EQ(shownAt(45, 15), kRed);

    move(frame, 15, 15);
    EXPECT_EQ(shownAt(15, 15), kGreen);
    press(frame, 15, 15);
    EXPECT_EQ(shownAt(15, 15), kBlue);
    move(frame, 100, 50, kLButton);  // dragged out: still pressed until the release
    EXPECT_EQ(shownAt(15, 15), kBlue);
    release(frame, 100, 50);
    EXPECT_EQ(shownAt(15, 15), kRed);  // released outside: no longer hovered

    move(frame, 45, 15);
    EXPECT_EQ(shownAt(45, 15), kGreen);
    press(frame, 45, 15);
    EXPECT_EQ(shownAt(45, 15), kBlue);
}

TEST_F(CustomControls, KickButtonTellsThePressOnlyAndIgnoresOtherButtons) {
    auto* button = add(new CKVKickButton(CRect(10, 10, 30, 20), &listener, 1017, kImageHeight,
                                         bitmap(kThreeImages), CPoint(0, 0), false));
    EXPECT_EQ(press(frame, 12, 12, kRButton), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_FALSE(button->isPressed());

    EXPECT_EQ(press(frame, 12, 12), kMouseEventHandled);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].tag, 1017);
    EXPECT_EQ(listener.heard[0].value, 1.f);

    move(frame, 200, 40, kLButton);  // moves change the value but tell nobody
    EXPECT_EQ(button->getValue(), button->getMin());
    move(frame, 20, 15, kLButton);
    EXPECT_EQ(button->getValue(), button->getMax());
    release(frame, 20, 15);
    EXPECT_EQ(button->getValue(), 0.f);
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(listener.heard.size(), 1u);
}

TEST_F(CustomControls, DoubleClickOnlyKickButtonNeedsADoubleClickAndKnowsCtrl) {
    auto* button = add(new CKVKickButton(CRect(10, 10, 30, 20), &listener, 1014, kImageHeight,
                                         bitmap(kThreeImages), CPoint(0, 0), true));
    EXPECT_EQ(press(frame, 12, 12), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    release(frame, 12, 12);
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_FALSE(button->isPressed());

    press(frame, 12, 12, kLButton | kDoubleClick);
    EXPECT_TRUE(button->isPressed());
    release(frame, 12, 12);
    press(frame, 12, 12, kLButton | kDoubleClick | kControl);
    release(frame, 12, 12);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].value, 1.f);
    EXPECT_EQ(listener.heard[1].value, 0.5f);
    EXPECT_EQ(button->getValue(), 0.f);
    EXPECT_FALSE(button->isPressed());
}

TEST_F(CustomControls, KickButtonWithoutListenerOrBitmapStillWorks) {
    auto* silent = add(new CKVKickButton(CRect(10, 10, 30, 20), nullptr, 1015, kImageHeight,
                                         bitmap(kThreeImages), CPoint(0, 0), false));
    add(new CKVKickButton(CRect(40, 10, 60, 20), &listener, 1016, kImageHeight, nullptr,
                          CPoint(0, 0), false));
    press(frame, 12, 12);
    EXPECT_EQ(silent->getValue(), 1.f);
    EXPECT_EQ(shownAt(15, 15), kBlue);
    release(frame, 12, 12);
    press(frame, 45, 15);
    EXPECT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(shownAt(45, 15), kWhite);  // nothing drawn over the frame
}

// --- CSaveLoadButton --------------------------------------------------------

TEST_F(CustomControls, SaveLoadButtonTellsAPlainRightPressApartAndShowsItsStates) {
    auto* button = add(new CSaveLoadButton(CRect(10, 10, 30, 20), &listener, 1004,
                                           kImageHeight, bitmap(kThreeImages), CPoint(0, 0)));
    const struct {
        int32_t buttons;
        CMouseEventResult result;
        float heard;  // -1: nothing
    } presses[] = {
        {kRButton, kMouseDownEventHandledButDontNeedMovedOrUpEvents, 0.5f},
        {kRButton | kShift, kMouseDownEventHandledButDontNeedMovedOrUpEvents, 1.f},
        {kRButton | kDoubleClick, kMouseDownEventHandledButDontNeedMovedOrUpEvents, 1.f},
        {kLButton, kMouseDownEventHandledButDontNeedMovedOrUpEvents, 1.f},
        {kLButton | kRButton, kMouseDownEventHandledButDontNeedMovedOrUpEvents, 1.f},
        {kMButton, kMouseEventNotHandled, -1.f},
    };
    for (const auto& p : presses) {
        listener.heard.clear();
        EXPECT_EQ(press(frame, 12, 12, p.buttons), p.result) << p.buttons;
        if (p.heard < 0) {
            EXPECT_TRUE(listener.heard.empty());
        } else {
            ASSERT_EQ(listener.heard.size(), 1u);
            EXPECT_EQ(listener.heard[0].value, p.heard) << p.buttons;
        }
        EXPECT_EQ(button->getValue(), 0.f);
    }

    EXPECT_EQ(shownAt(15, 15), kRed);  // the press shows nothing once told
    move(frame, 15, 15);
    EXPECT_EQ(shownAt(15, 15), kGreen);
    move(frame, 100, 50);
    EXPECT_EQ(shownAt(15, 15), kRed);
    button->setHeld(true);  // its dialog is open
    EXPECT_EQ(shownAt(15, 15), kBlue);
    button->setHeld(false);
    EXPECT_EQ(shownAt(15, 15), kRed);

    auto* deaf = add(new CSaveLoadButton(CRect(40, 10, 60, 20), nullptr, 1005, kImageHeight,
                                         bitmap(kThreeImages), CPoint(0, 0)));
    EXPECT_EQ(press(frame, 45, 15), kMouseEventNotHandled);
    EXPECT_EQ(deaf->getValue(), 0.f);
}

// --- CKVRockerSwitch -------------------------------------------------------

TEST_F(CustomControls, RockerShowsHoverAndPressedSidesFromTheBitmapsLeftEdge) {
    // The source origin (5, 5) is not applied: images start at (0, 0).
    add(new CKVRockerSwitch(CRect(10, 10, 30, 20), &listener, 1001, kImageHeight,
                            bitmap(kFiveImages), CPoint(5, 5), kHorizontal));
    EXPECT_EQ(shownAt(12, 12), kRed);
    move(frame, 12, 15);
    EXPECT_EQ(shownAt(12, 12), kGreen);
    move(frame, 25, 15);
    EXPECT_EQ(shownAt(12, 12), kBlue);
    press(frame, 12, 15);
    EXPECT_EQ(shownAt(12, 12), kYellow);
    release(frame, 12, 15);
    press(frame, 25, 15);
    EXPECT_EQ(shownAt(12, 12), kCyan);
    release(frame, 25, 15);
    move(frame, 150, 40);
    EXPECT_EQ(shownAt(12, 12), kRed);
}

TEST_F(CustomControls, RockerSendsOneSidePerPressAndTheCentreLineIsRight) {
    auto* rocker = add(new CKVRockerSwitch(CRect(10, 10, 30, 20), &listener, 1001, kImageHeight,
                                           bitmap(kFiveImages), CPoint(0, 0), kHorizontal));
    EXPECT_EQ(press(frame, 12, 15, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(listener.heard.empty());

    move(frame, 12, 15);
    EXPECT_EQ(press(frame, 19.9, 15), kMouseEventHandled);
    move(frame, 28, 15, kLButton);  // dragging across the centre keeps the side
    EXPECT_EQ(rocker->getValue(), -1.f);
    EXPECT_EQ(rocker->getHoverSide(), -1);
    release(frame, 28, 15);
    EXPECT_EQ(rocker->getValue(), 0.f);

    press(frame, 20, 15);  // exactly on the centre line
    release(frame, 20, 15);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].value, -1.f);
    EXPECT_EQ(listener.heard[1].value, 1.f);
}

// --- CVuMeter1 -------------------------------------------------------------

TEST_F(CustomControls, MeterSplitsItsStripsFromItsOwnLeftEdgeWhereverItStands) {
    auto* atOrigin = add(new CVuMeter1(CRect(0, 0, kStrip, 15), bitmap(kLitStrip),
                                       bitmap(kUnlitStrip), kStrip, kHorizontal));
    auto* moved = add(new CVuMeter1(CRect(57, 30, 57 + kStrip, 45), bitmap(kLitStrip),
                                    bitmap(kUnlitStrip), kStrip, kHorizontal));
    for (CVuMeter1* meter : {atOrigin, moved}) {
        meter->setDecreaseStepValue(1.f);
        meter->setValue(0.5f);
    }
    EXPECT_EQ(litInRow(7, 0, kStrip), 91);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 90, 7), kGreen);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 91, 7), kGrey);
    EXPECT_EQ(litInRow(37, 57, 57 + kStrip), 91);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 57 + 90, 37), kGreen);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 57 + 91, 37), kGrey);

    moved->setValue(0.f);
    EXPECT_EQ(litInRow(37, 57, 57 + kStrip), 0);
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 37, 57, 57 + kStrip, kGrey), kStrip);
    moved->setValue(1.f);
    EXPECT_EQ(litInRow(37, 57, 57 + kStrip), kStrip);
}

TEST_F(CustomControls, MeterFallsByItsDecreaseStepPerRedraw) {
    auto* meter = add(new CVuMeter1(CRect(0, 0, kStrip, 15), bitmap(kLitStrip),
                                    bitmap(kUnlitStrip), kStrip, kHorizontal));
    meter->setDecreaseStepValue(0.5f);
    meter->setValue(1.f);
    EXPECT_EQ(litInRow(7, 0, kStrip), kStrip);
    meter->setValue(0.f);
    EXPECT_EQ(litInRow(7, 0, kStrip), 91);  // no new value needed: still dirty
    EXPECT_EQ(meter->getShownValue(), 0.5f);
    EXPECT_EQ(litInRow(7, 0, kStrip), 0);
    meter->setValue(0.75f);  // rising is immediate
    EXPECT_EQ(litInRow(7, 0, kStrip), 137);
}

TEST_F(CustomControls, VerticalMeterLightsFromTheBottomOfItsOwnRect) {
    auto* meter = add(new CVuMeter1(CRect(100, 10, 110, 50), bitmap(kTallLit),
                                    bitmap(kTallUnlit), 40, kVertical));
    meter->setDecreaseStepValue(1.f);
    meter->setValue(0.25f);
    frame->idle();
    const gui::PixelView image = frame->getBackBuffer();
    int lit = 0;
    for (int y = 10; y < 50; ++y) lit += pixelAt(image, 105, y) == kGreen;
    EXPECT_EQ(lit, 10);
    EXPECT_EQ(pixelAt(image, 105, 49), kGreen);
    EXPECT_EQ(pixelAt(image, 105, 39), kGrey);
}

TEST_F(CustomControls, MeterWithoutLitStripDrawsNothing) {
    auto* meter = add(new CVuMeter1(CRect(0, 0, kStrip, 15), nullptr, bitmap(kUnlitStrip),
                                    kStrip, kHorizontal));
    meter->setValue(0.5f);
    frame->idle();
    EXPECT_EQ(countNot(frame->getBackBuffer(), CRect(0, 0, kStrip, 15), kWhite), 0);
}

// --- CClickButton ----------------------------------------------------------

TEST_F(CustomControls, ClickButtonCyclesThroughItsStatesAndShowsEach) {
    auto* button = add(new CClickButton(CRect(10, 10, 30, 20), &listener, 2, bitmap(kThreeImages),
                                        3));
    EXPECT_EQ(shownAt(15, 15), kRed);
    EXPECT_EQ(press(frame, 15, 15), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_EQ(shownAt(15, 15), kGreen);
    click(frame, 15, 15);
    EXPECT_EQ(shownAt(15, 15), kBlue);
    click(frame, 15, 15);
    EXPECT_EQ(shownAt(15, 15), kRed);
    EXPECT_EQ(press(frame, 15, 15, kRButton), kMouseDownEventHandledButDontNeedMovedOrUpEvents);

    ASSERT_EQ(listener.heard.size(), 3u);
    EXPECT_EQ(listener.heard[0].value, 0.5f);
    EXPECT_EQ(listener.heard[1].value, 1.f);
    EXPECT_EQ(listener.heard[2].value, 0.f);
    EXPECT_EQ(button->getValue(), 0.f);
}

TEST_F(CustomControls, ClickButtonWithFourStatesStepsInThirds) {
    auto* button = add(new CClickButton(CRect(10, 10, 30, 20), &listener, 2, bitmap(kFourImages),
                                        4));
    const float expected[] = {1.f / 3.f, 2.f / 3.f, 1.f, 0.f};
    const uint32_t shown[] = {kRed, kGreen, kBlue, kBlack};
    for (int k = 0; k < 4; ++k) {
        click(frame, 15, 15);
        EXPECT_FLOAT_EQ(button->getValue(), expected[k]) << "click " << k;
        EXPECT_EQ(shownAt(15, 15), shown[k]) << "click " << k;
    }
}

TEST_F(CustomControls, ClickButtonStepsThroughEveryStateForAnyCount) {
    constexpr int kBandHeight = 2;
    constexpr int kFirstId = 100;
    for (int count = 2; count <= 64; ++count) {
        // Band k of the bitmap has a colour of its own.
        std::vector<uint32_t> colours;
        for (int k = 0; k < count; ++k)
            colours.push_back(opaque(static_cast<uint8_t>(4 * k), 0, 255));
        resources.add(kFirstId + count, 20, kBandHeight * count, bands(kBandHeight, colours));
        auto* button = add(new CClickButton(CRect(10, 10, 30, 10 + kBandHeight), &listener, 2,
                                            bitmap(kFirstId + count), count));
        for (int click = 1; click <= count; ++click) {
            const int state = click % count;
            guitest::click(frame, 15, 10);
            ASSERT_EQ(button->getValue(), static_cast<float>(state) / static_cast<float>(count - 1))
                << count << " states, click " << click;
            ASSERT_EQ(shownAt(15, 10), colours[static_cast<size_t>(state)])
                << count << " states, click " << click;
        }
        frame->removeView(button);
    }
}

TEST_F(CustomControls, ClickButtonCopiesKeepTheirStatesAndHoldTheBitmap) {
    CBitmap* states = bitmap(kThreeImages);
    auto* button = new CClickButton(CRect(10, 10, 30, 20), &listener, 2, states, 1);
    EXPECT_EQ(button->getStateCount(), CClickButton::kMinStates);
    EXPECT_EQ(states->getNbReference(), 2);
    EXPECT_TRUE(button->isTypeOf("CClickButton"));
    EXPECT_TRUE(button->isTypeOf("CControl"));

    auto* copy = static_cast<CClickButton*>(button->newCopy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getStateCount(), CClickButton::kMinStates);
    EXPECT_EQ(copy->getStateBitmap(), states);
    EXPECT_EQ(states->getNbReference(), 3);
    copy->forget();
    button->forget();
    EXPECT_EQ(states->getNbReference(), 1);
}

}  // namespace
