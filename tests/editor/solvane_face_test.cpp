// solvane's face on a headless frame: what it shows, where everything
// stands, how gestures reach the effect and host, and how changes made
// elsewhere and the meter readings come back to the face.
#include <cmath>

#include "editor/face_controls.h"
#include "plugins/solvane/solvane_editor.h"
#include "tests/editor/editor_test_support.h"
#include "tests/gui/gui_test_support.h"

using namespace edtest;

namespace {

const CRect kReadOuts[] = {CRect(258, 55, 322, 72), CRect(258, 86, 322, 103),
                           CRect(258, 150, 322, 167), CRect(258, 181, 322, 198),
                           CRect(258, 212, 322, 229)};
const CPoint kReadOutBackOffsets[] = {CPoint(258, 60), CPoint(258, 91), CPoint(258, 155),
                                      CPoint(258, 187), CPoint(258, 219)};
const CRect kMidSideMeter(60, 25, 242, 40);
const CRect kLeftRightMeter(60, 121, 242, 136);

class SolvaneFace : public SolvaneEditorTest {
protected:
    void SetUp() override {
        SolvaneEditorTest::SetUp();
        frame = openHeadless();
        ASSERT_NE(frame, nullptr);
        background = new CBitmap(solvaneResources(), 128);
        lit = new CBitmap(solvaneResources(), 135);
        unlit = new CBitmap(solvaneResources(), 136);
    }
    void TearDown() override {
        for (CBitmap* bitmap : {background, lit, unlit}) bitmap->forget();
        SolvaneEditorTest::TearDown();
    }

    std::string readOut(int parameter) {
        return textOf(viewWithRect(frame, kReadOuts[parameter]));
    }
    CControl* slider(int tag) { return controlWithTag(frame, "CHorizontalSlider", tag); }
    CControl* switchOf(int tag) { return controlWithTag(frame, "COnOffButton", tag); }
    // Whether the face now shows `text` in read-out `parameter`, pixel for pixel.
    bool readOutShows(int parameter, const char* text) {
        editor->idle();
        const CRect area = kReadOuts[parameter];
        CRect inside = area;
        inside.bound(CRect(0, 0, kFaceWidth, kFaceHeight));
        return pixelsOf(frame->getBackBuffer(), inside) ==
               expectedText(background, area, kReadOutBackOffsets[parameter], text, kLeftText,
                            kNormalFontSmall, kBlackCColor);
    }
    int litOf(const CRect& meter) {
        editor->idle();
        return litColumns(frame->getBackBuffer(), meter, lit, unlit);
    }

    CFrame* frame = nullptr;
    CBitmap* background = nullptr;
    CBitmap* lit = nullptr;
    CBitmap* unlit = nullptr;
};

TEST_F(SolvaneFace, IsBuiltInLayoutOrderWithTheAboutControlOnTop) {
    // The face's 26 views, the about control last of them, then the preset bar.
    ASSERT_EQ(frame->getNbViews(), 26 + 13);
    auto* about = dynamic_cast<CControl*>(frame->getView(25));
    ASSERT_TRUE(about && about->isTypeOf("CAbout"));
    EXPECT_EQ(about->getTag(), 10);
    EXPECT_EQ(about->getViewSize(), CRect(70, 282, 225, 302));

    std::vector<int32_t> sliderTags, switchTags;
    for (CControl* control : controlsOfType(frame, "CHorizontalSlider"))
        sliderTags.push_back(control->getTag());
    for (CControl* control : controlsOfType(frame, "COnOffButton"))
        switchTags.push_back(control->getTag());
    EXPECT_EQ(sliderTags, (std::vector<int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(switchTags, (std::vector<int32_t>{5, 7, 8, 6}));
    // The meters come after the labels: the first right after the nine labels.
    EXPECT_TRUE(frame->getView(9)->isTypeOf("CVuMeter1"));
    EXPECT_EQ(frame->getView(9)->getViewSize(), kMidSideMeter);

    auto* width = dynamic_cast<CSlider*>(slider(0));
    EXPECT_EQ(width->getOffsetHandle(), CPoint(0, 1));
    EXPECT_EQ(width->getOffset(), CPoint(63, 51));  // the face behind it, from its corner
    EXPECT_EQ(width->getDefaultValue(), 0.5f);
}

TEST_F(SolvaneFace, AFreshFaceShowsTheNeutralSettings) {
    const char* expected[] = {"100%", "0 dB", "C", "C", "C"};
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(readOut(p), expected[p]);
        EXPECT_TRUE(readOutShows(p, expected[p])) << expected[p];
        EXPECT_EQ(slider(p)->getValue(), 0.5f);
        // Value 1 at the left end: the middle leaves the handle 80 of 160 pixels along.
        EXPECT_EQ(dynamic_cast<CSlider*>(slider(p))->getHandleRect().left, 63 + 80);
    }
    EXPECT_FALSE(readOutShows(0, "99%"));  // the comparison tells texts apart
    EXPECT_TRUE(dynamic_cast<COnOffButton*>(switchOf(5))->isOn());
    for (int p = 6; p <= 8; ++p) EXPECT_FALSE(dynamic_cast<COnOffButton*>(switchOf(p))->isOn());
}

TEST_F(SolvaneFace, LabelsShowTheirWordsOverTheBackground) {
    const char* words[] = {"S", "M", "width", "gain", "L", "R", "balan", "stabil", "center"};
    const std::vector<CControl*> displays = controlsOfType(frame, "CParamDisplay");
    ASSERT_GE(displays.size(), std::size(words));
    for (size_t k = 0; k < std::size(words); ++k) EXPECT_EQ(textOf(displays[k]), words[k]);

    editor->idle();
    const gui::PixelView face = frame->getBackBuffer();
    EXPECT_EQ(pixelsOf(face, CRect(2, 55, 42, 72)),
              expectedText(background, CRect(2, 55, 42, 72), CPoint(2, 60), "width", kRightText,
                           kNormalFontSmall, kBlackCColor));
    EXPECT_EQ(pixelsOf(face, CRect(258, 25, 298, 42)),
              expectedText(background, CRect(258, 25, 298, 42), CPoint(258, 28), "M", kLeftText,
                           kNormalFontSmall, kBlackCColor));
}

TEST_F(SolvaneFace, DraggingASliderAutomatesItsParameterAsOneGesture) {
    using namespace guitest;
    host.calls.clear();
    press(frame, 151, 60);  // the width handle's centre
    move(frame, 111, 60, kLButton);
    release(frame, 111, 60);

    const std::vector<HostCall> automated = callsOf(audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].index, 0);
    EXPECT_FLOAT_EQ(automated[0].opt, 0.75f);
    EXPECT_FLOAT_EQ(effect->getParameter(0), 0.75f);
    ASSERT_EQ(callsOf(audioMasterBeginEdit).size(), 1u);
    ASSERT_EQ(callsOf(audioMasterEndEdit).size(), 1u);
    EXPECT_EQ(callsOf(audioMasterBeginEdit)[0].index, 0);
    EXPECT_EQ(callsOf(audioMasterEndEdit)[0].index, 0);

    EXPECT_TRUE(readOutShows(0, "225%"));  // 4 v^2 = 2.25
}

TEST_F(SolvaneFace, ClickingASwitchTogglesItsParameter) {
    using namespace guitest;
    host.calls.clear();
    click(frame, 90, 254);   // "process", on at first
    click(frame, 134, 254);  // "-L", off at first
    const std::vector<HostCall> automated = callsOf(audioMasterAutomate);
    ASSERT_EQ(automated.size(), 2u);
    EXPECT_EQ(automated[0].index, 5);
    EXPECT_EQ(automated[0].opt, 0.f);
    EXPECT_EQ(automated[1].index, 7);
    EXPECT_EQ(automated[1].opt, 1.f);
    EXPECT_EQ(effect->getParameter(5), 0.f);
    EXPECT_EQ(effect->getParameter(7), 1.f);
}

TEST_F(SolvaneFace, ControlsWhoseTagIsNoParameterNeverReachTheEffect) {
    using namespace guitest;
    host.calls.clear();
    click(frame, 100, 290);  // the about control, tag 10
    for (int32_t tag : {9, 10, 1000, -1, 8}) {
        auto* stray = new CKickButton(CRect(0, 0, 1, 1), editor, tag, nullptr);
        stray->setValue(1.f);
        editor->valueChanged(stray);
        stray->forget();
    }
    const std::vector<HostCall> automated = callsOf(audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u);  // tag 8 only
    EXPECT_EQ(automated[0].index, 8);
}

TEST_F(SolvaneFace, ChangesFromElsewhereShowAfterTheNextIdle) {
    effect->setParameter(0, 0.625f);
    EXPECT_EQ(slider(0)->getValue(), 0.5f);  // recorded only, nothing touched yet
    EXPECT_TRUE(readOutShows(0, "156%"));
    EXPECT_EQ(slider(0)->getValue(), 0.625f);
    effect->setParameter(0, 1.f);
    EXPECT_TRUE(readOutShows(0, "400%"));

    effect->setParameter(2, 0.7f);
    EXPECT_TRUE(readOutShows(2, "L20"));
    effect->setParameter(2, 0.5005f);
    EXPECT_TRUE(readOutShows(2, "C"));
    effect->setParameter(1, 0.52f);
    EXPECT_TRUE(readOutShows(1, "0 dB"));
    effect->setParameter(1, 0.4f);
    EXPECT_TRUE(readOutShows(1, "-2 dB"));
    EXPECT_EQ(slider(1)->getValue(), 0.4f);

    effect->setParameter(6, 0.7f);
    effect->setParameter(5, 0.49f);
    editor->idle();
    EXPECT_EQ(switchOf(6)->getValue(), 1.f);
    EXPECT_EQ(switchOf(5)->getValue(), 0.f);
}

// One step below one half the host already reads the switch as on (its state
// rounds), while the face turns it on only from exactly one half.
TEST_F(SolvaneFace, ASwitchJustBelowOneHalfReadsOnForTheHostButOffOnTheFace) {
    effect->setParameter(7, std::nextafter(0.5f, 0.f));
    editor->idle();
    EXPECT_EQ(switchOf(7)->getValue(), 0.f);
    char text[64] = "";
    effect->getParameterDisplay(7, text);
    EXPECT_STREQ(text, "-L");
    effect->setParameter(7, 0.5f);
    editor->idle();
    EXPECT_EQ(switchOf(7)->getValue(), 1.f);
}

TEST_F(SolvaneFace, ChangesWhileClosedAreReadAfreshOnTheNextOpen) {
    editor->close();
    EXPECT_EQ(editor->getFrame(), nullptr);
    effect->setParameter(3, 0.2f);
    effect->setParameter(8, 1.f);
    frame = openHeadless();
    EXPECT_EQ(slider(3)->getValue(), 0.2f);
    EXPECT_EQ(readOut(3), "R30");
    EXPECT_EQ(switchOf(8)->getValue(), 1.f);
}

TEST_F(SolvaneFace, MetersFollowTheReadingsExceptWhileTheAboutScreenIsShown) {
    using namespace guitest;
    EXPECT_EQ(litOf(kMidSideMeter), 91);  // readings 0 before any audio: the centre
    process(0.5f, 0.f);                   // left only: left/right -0.5, mid/side 0
    EXPECT_EQ(litOf(kLeftRightMeter), 0);
    process(0.5f, 0.5f);  // mono: mid/side +0.5
    EXPECT_EQ(litOf(kMidSideMeter), 182);

    click(frame, 100, 290);
    ASSERT_TRUE(editor->isAboutShown());
    auto* leftRight = dynamic_cast<CVuMeter1*>(viewWithRect(frame, kLeftRightMeter));
    const float held = leftRight->getValue();
    process(0.f, 0.5f);  // right only
    editor->idle();
    EXPECT_EQ(leftRight->getValue(), held);
    EXPECT_EQ(litOf(kMidSideMeter), 182);

    click(frame, 150, 150);  // on the about image: hides it
    ASSERT_FALSE(editor->isAboutShown());
    editor->idle();
    EXPECT_EQ(leftRight->getValue(), 1.f);
}

TEST_F(SolvaneFace, ResetMetersPutsTheMetersAtRestOnTheNextIdle) {
    using namespace guitest;
    process(0.5f, 0.5f);
    EXPECT_EQ(litOf(kMidSideMeter), 182);
    click(frame, 100, 290);  // keeps the readings off the meters
    editor->resetMeters();
    EXPECT_EQ(litOf(kMidSideMeter), 91);
    EXPECT_EQ(dynamic_cast<CControl*>(viewWithRect(frame, kLeftRightMeter))->getValue(), 0.5f);
}

}  // namespace
