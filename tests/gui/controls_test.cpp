#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "gui/option_menu_popup.h"
#include "gui_test_support.h"

using namespace guitest;

namespace {

constexpr int kImageHeight = 10;

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        frame = makeFrame(320, 300);
        resources.add(128, 320, 300, solid(kGrey));
        resources.add(134, 16, 24, solid(kRed));
        resources.add(130, 24, 16, solid(kRed));
        resources.add(137, 45, 28, bands(14, {kRed, kGreen}));
        resources.add(140, 20, 30, bands(kImageHeight, {kRed, kGreen, kBlue}));
        resources.add(135, 182, 15, solid(kGreen));
        resources.add(136, 182, 15, solid(kRed));
        resources.add(145, 5, 114, solid(kGreen));
        resources.add(146, 5, 114, solid(kRed));
    }
    void TearDown() override { frame->close(); }

    // Adds the control; the frame takes over its reference.
    template <class T>
    T* add(T* control) {
        frame->addView(control);
        return control;
    }
    // A bitmap the fixture holds for the whole test; controls take their own references.
    CBitmap* image(int id) {
        CBitmap* bitmap = resources.bitmap(id);
        bitmaps.emplace_back(bitmap);
        bitmap->forget();
        return bitmap;
    }
    uint32_t at(int x, int y) {
        frame->idle();
        return pixelAt(frame->getBackBuffer(), x, y);
    }

    Resources resources;
    std::vector<SharedPointer<CBitmap>> bitmaps;
    CFrame* frame = nullptr;
    RecordingListener listener;
};

}  // namespace

// --- sliders ---------------------------------------------------------------

TEST_F(Controls, AHorizontalSliderOfStyleRightPutsTheMinimumAtTheRightEnd) {
    auto* slider = add(new CHorizontalSlider(CRect(63, 51, 239, 76), &listener, 0, 63, 223,
                                             image(134), image(128), CPoint(63, 51), kRight));
    slider->setOffsetHandle(CPoint(0, 1));
    const int row = 60;
    for (auto [value, left] : {std::pair{0.f, 223}, {0.5f, 143}, {1.f, 63}}) {
        slider->setValue(value);
        EXPECT_EQ(slider->getHandleRect(), CRect(left, 52, left + 16, 76)) << value;
        frame->idle();
        EXPECT_EQ(countInRow(frame->getBackBuffer(), row, 63, 239, kRed), 16) << value;
        EXPECT_EQ(pixelAt(frame->getBackBuffer(), left, row), kRed) << value;
        EXPECT_EQ(pixelAt(frame->getBackBuffer(), left + 15, row), kRed) << value;
    }
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 70, 51), kGrey);  // the handle offset of one row
}

TEST_F(Controls, AVerticalSliderOfStyleBottomPutsTheMinimumAtTheBottom) {
    auto* slider = add(new CVerticalSlider(CRect(259, 22, 283, 132), &listener, 0, 24, 117,
                                           image(130), image(128), CPoint(259, 23), kBottom));
    slider->setValue(0.f);
    EXPECT_EQ(slider->getHandleRect(), CRect(259, 117, 283, 133));
    slider->setValue(1.f);
    EXPECT_EQ(slider->getHandleRect().top, 24);
    slider->setValue(0.5f);
    EXPECT_EQ(slider->getHandleRect().top, 24 + 46);
    EXPECT_EQ(at(270, 70), kRed);
    EXPECT_EQ(at(270, 69), kGrey);
    EXPECT_TRUE(slider->isTypeOf("CSlider"));
}

TEST_F(Controls, DraggingASliderFollowsThePointerAsOneGesture) {
    auto* slider = add(new CHorizontalSlider(CRect(63, 51, 239, 76), &listener, 4, 63, 223,
                                             image(134), image(128), CPoint(63, 51), kRight));
    slider->setValue(0.5f);
    EXPECT_EQ(press(frame, 63 + 8, 60), kMouseEventHandled);  // handle centre at the left end
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    move(frame, 223 + 8, 60, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.f);
    move(frame, 400, 60, kLButton);  // beyond the end: stays at the limit
    EXPECT_FLOAT_EQ(slider->getValue(), 0.f);
    move(frame, 143 + 8, 60, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    release(frame, 143 + 8, 60);
    ASSERT_EQ(listener.heard.size(), 3u);  // 1, 0, 0.5: the repeated 0 is not sent again
    EXPECT_EQ(listener.heard[0].tag, 4);
    EXPECT_EQ(listener.begins, 1);
    EXPECT_EQ(listener.ends, 1);
}

TEST_F(Controls, CtrlClickAloneSetsTheDefaultValue) {
    auto* slider = add(new CHorizontalSlider(CRect(63, 51, 239, 76), &listener, 1, 63, 223,
                                             image(134), image(128)));
    slider->setDefaultValue(0.5f);
    slider->setValue(0.2f);
    EXPECT_EQ(press(frame, 80, 60, kLButton | kControl),
              kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    slider->setValue(0.2f);
    press(frame, 80, 60, kLButton | kControl | kDoubleClick);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_FLOAT_EQ(listener.heard[1].value, 0.5f);
    EXPECT_EQ(listener.begins, 2);
    EXPECT_EQ(listener.ends, 2);
    EXPECT_EQ(press(frame, 80, 60, kRButton), kMouseEventNotHandled);

    // A quick second click is an ordinary press: the value goes where the
    // pointer is, not back to the default.
    const CCoord handleCentre = 63 + 8;
    click(frame, handleCentre + 40, 60);
    click(frame, handleCentre + 40, 60, kLButton | kDoubleClick);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.75f);  // style kRight: the minimum at the right
    EXPECT_EQ(listener.begins, listener.ends);
}

TEST_F(Controls, TheWheelStepsTheSliderWithinItsRange) {
    auto* slider = add(new CHorizontalSlider(CRect(63, 51, 239, 76), &listener, 1, 63, 223,
                                             image(134), image(128)));
    slider->setValue(0.85f);
    EXPECT_TRUE(frame->onWheel(CPoint(100, 60), 1.f, 0));
    EXPECT_FLOAT_EQ(slider->getValue(), 0.95f);
    frame->onWheel(CPoint(100, 60), 1.f, 0);
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    frame->onWheel(CPoint(100, 60), 1.f, 0);  // at the limit: nothing more to tell
    EXPECT_EQ(listener.heard.size(), 2u);
}

TEST_F(Controls, ShiftMakesDragAndWheelTenTimesFiner) {
    // Style kLeft: the value grows to the right over 160 pixels of travel.
    auto* slider = add(new CHorizontalSlider(CRect(63, 51, 239, 76), &listener, 1, 63, 223,
                                             image(134), image(128), CPoint(0, 0), kLeft));
    const CCoord centreAtHalf = 63 + 80 + 8;

    // Wheel: a tenth of the 10 % step with Shift.
    slider->setValue(0.5f);
    frame->onWheel(CPoint(100, 60), 1.f, kShift);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.51f);
    frame->onWheel(CPoint(100, 60), -1.f, 0);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.41f);

    // Drag: a Shift press away from the handle leaves it where it is; each
    // pixel then moves a tenth of a pixel's worth.
    slider->setValue(0.5f);
    press(frame, centreAtHalf + 40, 60, kLButton | kShift);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    move(frame, centreAtHalf + 56, 60, kLButton | kShift);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.51f);
    // Shift let go mid-drag: the drag goes on at full speed from there.
    move(frame, centreAtHalf + 72, 60, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.61f);
    // And fine again from there.
    move(frame, centreAtHalf + 32, 60, kLButton | kShift);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.585f);
    release(frame, centreAtHalf + 32, 60, kLButton | kShift);
    EXPECT_EQ(listener.begins, listener.ends);
}

// --- buttons -------------------------------------------------------------------

TEST_F(Controls, AnOnOffButtonShowsTheLowerHalfOfItsImageWhenOn) {
    auto* button = add(new COnOffButton(CRect(10, 10, 55, 24), &listener, 5, image(137)));
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(10, 10, 55, 24), kRed), 0);
    button->setValue(1.f);
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(10, 10, 55, 24), kGreen), 0);
    click(frame, 30, 15);
    EXPECT_EQ(button->getValue(), 0.f);
    EXPECT_EQ(at(30, 15), kRed);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].tag, 5);
    EXPECT_EQ(press(frame, 30, 15, kRButton), kMouseEventNotHandled);
}

TEST_F(Controls, AKickButtonShowsThePressedImageWhilePressedInside) {
    auto* kick = add(new CKickButton(CRect(10, 40, 30, 50), &listener, 9, kImageHeight,
                                     image(140), CPoint(0, 0)));
    EXPECT_EQ(at(15, 45), kRed);
    press(frame, 15, 45);
    EXPECT_EQ(kick->getValue(), 1.f);
    EXPECT_EQ(at(15, 45), kGreen);
    move(frame, 100, 100, kLButton);
    EXPECT_EQ(kick->getValue(), 0.f);
    EXPECT_EQ(at(15, 45), kRed);
    release(frame, 100, 100);
    ASSERT_EQ(listener.heard.size(), 1u);  // released outside: only the return to 0
    EXPECT_EQ(listener.heard[0].value, 0.f);

    listener.heard.clear();
    click(frame, 15, 45);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].value, 1.f);
    EXPECT_EQ(listener.heard[1].value, 0.f);
}

TEST_F(Controls, ARockerSwitchPicksItsSideAndSpringsBack) {
    auto* rocker = add(new CRockerSwitch(CRect(10, 40, 30, 50), &listener, 1001, kImageHeight,
                                         image(140)));
    EXPECT_EQ(at(15, 45), kGreen);  // middle image at rest
    press(frame, 12, 45);
    EXPECT_EQ(rocker->getValue(), -1.f);
    EXPECT_EQ(at(15, 45), kRed);
    release(frame, 12, 45);
    EXPECT_EQ(rocker->getValue(), 0.f);
    press(frame, 20, 45);  // the centre line belongs to the right half
    EXPECT_EQ(rocker->getValue(), 1.f);
    EXPECT_EQ(at(15, 45), kBlue);
    release(frame, 20, 45);
    ASSERT_EQ(listener.heard.size(), 4u);
    EXPECT_EQ(listener.heard[0].value, -1.f);
    EXPECT_EQ(listener.heard[1].value, 0.f);
    EXPECT_EQ(listener.heard[2].value, 1.f);
}

// --- meters ----------------------------------------------------------------

TEST_F(Controls, AHorizontalMeterLightsItsShareFromItsOwnLeftEdge) {
    auto* meter = add(new CVuMeter(CRect(60, 25, 242, 40), image(135), image(136), 182,
                                   kHorizontal));
    auto* shifted = add(new CVuMeter(CRect(100, 60, 282, 75), image(135), image(136), 182,
                                     kHorizontal));
    meter->setDecreaseStepValue(1.f);
    meter->setValue(0.5f);
    shifted->setValue(0.5f);
    frame->idle();
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kGreen), 91);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 150, 30), kGreen);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 151, 30), kRed);
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 65, 100, 282, kGreen), 91);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 190, 65), kGreen);

    meter->setValue(0.f);
    frame->idle();
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kRed), 182);
}

TEST_F(Controls, AMeterFallsByItsDecreaseValuePerRedraw) {
    auto* meter = add(new CVuMeter(CRect(60, 25, 242, 40), image(135), image(136), 182,
                                   kHorizontal));
    meter->setDecreaseStepValue(0.5f);
    meter->setValue(1.f);
    frame->idle();
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kGreen), 182);
    meter->setValue(0.f);
    frame->idle();
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kGreen), 91);
    EXPECT_TRUE(meter->isDirty());  // still falling: the next idle redraws it
    frame->idle();
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kGreen), 0);
    EXPECT_FALSE(meter->isDirty());
}

TEST_F(Controls, AMeterGivenNaNKeepsFallingFromWhatItShowed) {
    auto* meter = add(new CVuMeter(CRect(60, 25, 242, 40), image(135), image(136), 182,
                                   kHorizontal));
    meter->setDecreaseStepValue(0.5f);
    meter->setValue(1.f);
    frame->idle();
    meter->setValue(std::numeric_limits<float>::quiet_NaN());
    frame->idle();
    EXPECT_EQ(meter->getShownValue(), 0.5f);
    EXPECT_EQ(countInRow(frame->getBackBuffer(), 30, 60, 242, kGreen), 91);
}

TEST_F(Controls, AVerticalMeterLightsFromTheBottom) {
    auto* meter = add(new CVuMeter(CRect(15, 20, 20, 134), image(145), image(146), 114));
    meter->setDecreaseStepValue(1.f);
    meter->setValue(0.25f);
    frame->idle();
    int lit = 0;
    for (int y = 20; y < 134; ++y) lit += pixelAt(frame->getBackBuffer(), 17, y) == kGreen;
    EXPECT_EQ(lit, 28);  // 114 - trunc(114 * 0.75 + 0.5)
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 17, 133), kGreen);
    EXPECT_EQ(pixelAt(frame->getBackBuffer(), 17, 20), kRed);
}

// --- text displays ---------------------------------------------------------------

namespace {

bool percentText(float value, char text[256], void*) {
    std::snprintf(text, 256, "%d%%", static_cast<int>(value * 100));
    return true;
}

bool declines(float, char text[256], void*) {
    std::strcpy(text, "ignored");
    return false;
}

}  // namespace

TEST_F(Controls, AParamDisplayShowsTheTextOfItsValueProcedure) {
    auto* display = add(new CParamDisplay(CRect(10, 10, 74, 27)));
    display->setFont(kNormalFontSmall);
    display->setFontColor(kBlackCColor);
    display->setBackColor(kWhiteCColor);
    display->setStyle(kNoFrame);
    display->setHoriAlign(kLeftText);
    display->setValueToStringProc(percentText);
    display->setValue(1.56f);
    char text[256];
    display->valueToText(1.56f, text);
    EXPECT_STREQ(text, "156%");

    frame->idle();
    COffscreenContext* expected = COffscreenContext::create(nullptr, 320, 300);
    expected->setFillColor(kWhiteCColor);
    expected->drawRect(CRect(0, 0, 320, 300), kDrawFilled);
    expected->setFont(kNormalFontSmall);
    expected->setFontColor(kBlackCColor);
    expected->drawString("156%", CRect(10, 10, 74, 27), kLeftText);
    const gui::PixelView want = expected->getPixels();
    const gui::PixelView got = frame->getBackBuffer();
    int differing = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 320; ++x) differing += pixelAt(want, x, y) != pixelAt(got, x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(countNot(got, CRect(10, 10, 74, 27), kWhite), 20);
    expected->forget();

    display->setValueToStringProc(declines);
    display->valueToText(0.5f, text);
    EXPECT_STREQ(text, "0.50");
}

TEST_F(Controls, AParamDisplayRedrawsWhenItsTextOrItsLookChanges) {
    auto* display = add(new CParamDisplay(CRect(10, 10, 74, 27)));
    display->setValueToStringProc(percentText);
    display->setValue(0.5f);
    frame->idle();
    EXPECT_FALSE(display->isDirty());
    display->setValue(0.501f);  // still "50%"
    EXPECT_FALSE(display->isDirty());
    display->setValue(0.6f);
    EXPECT_TRUE(display->isDirty());
    frame->idle();
    display->setFontColor(kRedCColor);
    EXPECT_TRUE(display->isDirty());
    frame->idle();
    display->setDirty(true);
    EXPECT_TRUE(display->isDirty());
}

TEST_F(Controls, AParamDisplayDrawsItsBackgroundFromTheBackOffset) {
    auto* display = add(new CParamDisplay(CRect(10, 10, 30, 20), image(140), kNoTextStyle));
    display->setBackOffset(CPoint(0, 20));
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(10, 10, 30, 20), kBlue), 0);
    auto* hidden = add(new CParamDisplay(CRect(40, 10, 60, 20), image(140), kNoDrawStyle));
    hidden->setValue(3.f);
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(40, 10, 60, 20), kWhite), 0);
}

TEST_F(Controls, ATextEditCommitsOnReturnAndOnAClickElsewhere) {
    auto* edit = add(new CTextEdit(CRect(91, 10, 201, 26), &listener, 1000, "init"));
    EXPECT_STREQ(edit->getText(), "init");
    press(frame, 100, 15);
    ASSERT_TRUE(edit->isEditing());
    EXPECT_EQ(frame->getFocusView(), edit);
    auto key = [this](int32_t character, unsigned char virt = 0) {
        VstKeyCode code{character, virt, 0};
        return frame->onKeyDown(code);
    };
    EXPECT_EQ(key('X'), 1);
    EXPECT_EQ(key(0, kVirtualKeyBack), 1);
    EXPECT_EQ(key(0, kVirtualKeyHome), 1);
    EXPECT_EQ(key('>'), 1);
    EXPECT_EQ(key(0xe9), 1);  // two bytes in UTF-8
    EXPECT_STREQ(edit->getText(), "init");  // not stored while editing
    EXPECT_EQ(key(0, kVirtualKeyReturn), 1);
    EXPECT_FALSE(edit->isEditing());
    EXPECT_STREQ(edit->getText(), ">\xc3\xa9init");
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].tag, 1000);

    press(frame, 100, 15);
    key('!');
    press(frame, 10, 100);  // elsewhere: the focus leaves and the edit is kept
    EXPECT_FALSE(edit->isEditing());
    EXPECT_STREQ(edit->getText(), ">\xc3\xa9init!");
    EXPECT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(key('a'), -1);  // nobody has the focus
}

TEST_F(Controls, KeysAHostSendsAsVirtualKeysAloneTypeTheirCharacters) {
    auto* edit = add(new CTextEdit(CRect(91, 10, 201, 26), &listener, 1000, ""));
    press(frame, 100, 15);
    const unsigned char virtualKeys[] = {kVirtualKeySpace, kVirtualKeyNumpad0 + 7,
                                         kVirtualKeyEquals, kVirtualKeyAdd, kVirtualKeyDecimal};
    for (unsigned char virt : virtualKeys) {
        VstKeyCode key{0, virt, 0};
        EXPECT_EQ(frame->onKeyDown(key), 1) << int{virt};
    }
    VstKeyCode unknown{0, 40, 0};  // F1 types nothing
    EXPECT_EQ(frame->onKeyDown(unknown), -1);
    VstKeyCode enter{0, kVirtualKeyReturn, 0};
    frame->onKeyDown(enter);
    EXPECT_STREQ(edit->getText(), " 7=+.");
}

TEST_F(Controls, EscapeDropsTheEditAndTextIsLimitedInLength) {
    auto* edit = add(new CTextEdit(CRect(91, 10, 201, 26), &listener, 1000, "name"));
    press(frame, 100, 15);
    VstKeyCode x{'x', 0, 0};
    frame->onKeyDown(x);
    VstKeyCode escape{0, kVirtualKeyEscape, 0};
    frame->onKeyDown(escape);
    EXPECT_STREQ(edit->getText(), "name");
    EXPECT_TRUE(listener.heard.empty());

    edit->setText(std::string(300, 'a').c_str());
    EXPECT_EQ(std::strlen(edit->getText()), CTextEdit::kMaxTextBytes);
}

// --- option menu -----------------------------------------------------------------

TEST_F(Controls, AnOptionMenuOffersItsEntriesInAPopupAndReportsTheChoice) {
    auto* menu = add(new COptionMenu(CRect(207, 10, 217, 24), &listener, 1012, image(128),
                                     nullptr, kPopupStyle | kCheckStyle | kNoTextStyle |
                                                  kNoDrawStyle));
    menu->setNbItemsPerColumn(16);
    for (int i = 0; i < 24; ++i) menu->addEntry(("program " + std::to_string(i)).c_str());
    menu->setCurrent(3);
    EXPECT_EQ(menu->getCurrentIndex(), 3);
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(207, 10, 217, 24), kWhite), 0);

    press(frame, 210, 15);
    auto* popup = dynamic_cast<COptionMenuPopup*>(frame->getModalView());
    ASSERT_NE(popup, nullptr);
    CRect box = popup->getBox();
    EXPECT_GE(box.left, 0);
    EXPECT_LE(box.right, 320);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.bottom, 300);
    EXPECT_EQ(popup->itemRect(16).left, popup->itemRect(0).right);  // second column
    frame->idle();
    EXPECT_GT(countNot(frame->getBackBuffer(), box, kWhite), 100);

    const CRect entry = popup->itemRect(17);
    click(frame, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(menu->getCurrentIndex(), 17);
    EXPECT_STREQ(menu->getCurrent()->getTitle(), "program 17");
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].tag, 1012);
    EXPECT_EQ(listener.heard[0].value, 17.f);
}

TEST_F(Controls, AClickBesideTheMenuPopupOrEscapeChoosesNothing) {
    auto* menu = add(new COptionMenu(CRect(10, 10, 60, 24), &listener, 1012));
    menu->addEntry("one");
    menu->addEntry("-");
    menu->addEntry("two");
    press(frame, 20, 15);
    ASSERT_NE(frame->getModalView(), nullptr);
    auto* popup = static_cast<COptionMenuPopup*>(frame->getModalView());
    const CRect separator = popup->itemRect(1);
    press(frame, separator.left + 5, separator.top + 5);  // not selectable: stays open
    EXPECT_NE(frame->getModalView(), nullptr);
    press(frame, 300, 290);
    EXPECT_EQ(frame->getModalView(), nullptr);

    press(frame, 20, 15);
    VstKeyCode escape{0, kVirtualKeyEscape, 0};
    EXPECT_EQ(frame->onKeyDown(escape), 1);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_EQ(menu->getCurrentIndex(), -1);
}

// --- splash screen ----------------------------------------------------------

TEST_F(Controls, ASplashScreenShowsItsImageAsTheModalViewUntilClicked) {
    auto* splash = add(new CSplashScreen(CRect(70, 120, 225, 140), &listener, 10, image(140),
                                         CRect(100, 20, 120, 30), CPoint(0, 20)));
    EXPECT_EQ(press(frame, 80, 130, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->getModalView(), nullptr);
    press(frame, 80, 130);
    EXPECT_EQ(splash->getValue(), 1.f);
    ASSERT_NE(frame->getModalView(), nullptr);
    EXPECT_EQ(countNot((at(0, 0), frame->getBackBuffer()), CRect(100, 20, 120, 30), kBlue), 0);

    press(frame, 80, 130);  // the face beneath does not react
    EXPECT_EQ(splash->getValue(), 1.f);
    press(frame, 110, 25);
    EXPECT_EQ(splash->getValue(), 0.f);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(at(110, 25), kWhite);
    EXPECT_TRUE(listener.heard.empty());
}
