// The faces of widmoor and duplimo on a headless frame: every view in its
// place, what a new instance and the programs show, the mode button, the
// meter driven by the real effect, and changes made by the host showing on
// the next idle.
#include <cmath>

#include "editor/face_controls.h"
#include "gui/option_menu_popup.h"
#include "plugins/duplimo/duplimo.h"
#include "plugins/duplimo/duplimo_editor.h"
#include "plugins/widmoor/widmoor.h"
#include "plugins/widmoor/widmoor_editor.h"
#include "tests/editor/editor_test_support.h"
#include "tests/gui/gui_test_support.h"

using namespace edtest;

namespace {

constexpr int kLeftTextStyle = 0, kRightTextStyle = 2;
const CRect kMeter(60, 25, 242, 40);
// The read-outs beside the three sliders, the same on both faces.
const CRect kReadOuts[] = {CRect(258, 54, 322, 71), CRect(258, 86, 322, 103),
                           CRect(258, 118, 322, 135)};
const CPoint kReadOutBacks[] = {CPoint(258, 59), CPoint(258, 91), CPoint(258, 123)};
const CRect kThirdCaption(2, 118, 42, 135);

// One view of a face as the layout places it. Displays: back offset and
// alignment; sliders: tag, default value and handle at the given value's
// place; buttons: tag and image.
struct ViewPlace {
    const char* type;
    CRect rect;
    int32_t tag = -1;
    CPoint back;
    CHoriTxtAlign align = kLeftText;
    int bitmapId = 0;
    float sliderDefault = 0;
};
ViewPlace display(CRect rect, CPoint back, CHoriTxtAlign align) {
    return {"CParamDisplay", rect, -1, back, align};
}
ViewPlace slider(CRect rect, int32_t tag, float defaultValue) {
    return {"CHorizontalSlider", rect, tag, rect.getTopLeft(), kLeftText, 134, defaultValue};
}
ViewPlace button(const char* type, CRect rect, int32_t tag, int bitmapId) {
    return {type, rect, tag, {}, kLeftText, bitmapId};
}

bool sameImage(CBitmap* shown, CBitmap* expected) {
    if (!shown || shown->getWidth() != expected->getWidth() ||
        shown->getHeight() != expected->getHeight())
        return false;
    const CRect all(0, 0, expected->getWidth(), expected->getHeight());
    return pixelsOf(shown->getPixels(), all) == pixelsOf(expected->getPixels(), all);
}

template <class Effect>
class SliderFace : public EffectEditorTest<Effect> {
protected:
    SliderFace(const gui::ResourceTable& resources) : resources(resources) {}

    void SetUp() override {
        EffectEditorTest<Effect>::SetUp();
        frame = this->openHeadless();
        ASSERT_NE(frame, nullptr);
        background = new CBitmap(resources, 128);
        lit = new CBitmap(resources, 135);
        unlit = new CBitmap(resources, 136);
    }
    void TearDown() override {
        for (CBitmap* bitmap : {background, lit, unlit}) bitmap->forget();
        EffectEditorTest<Effect>::TearDown();
    }

    // Views 0.. of the frame against `expected`, in order; the about control follows.
    void expectLayout(const std::vector<ViewPlace>& expected) {
        ASSERT_EQ(frame->getNbViews(), static_cast<int32_t>(expected.size()) + 1 + 13);
        for (size_t k = 0; k < expected.size(); ++k) {
            const ViewPlace& want = expected[k];
            SCOPED_TRACE(testing::Message() << "view " << k << " " << want.type);
            CView* view = frame->getView(static_cast<int32_t>(k));
            ASSERT_TRUE(view->isTypeOf(want.type));
            EXPECT_EQ(view->getViewSize(), want.rect);
            if (auto* text = dynamic_cast<CParamDisplay*>(view)) {
                EXPECT_EQ(text->getBackOffset(), want.back);
                EXPECT_EQ(text->getHoriAlign(), want.align);
                EXPECT_EQ(text->getStyle(),
                          want.align == kRightText ? kRightTextStyle : kLeftTextStyle);
                EXPECT_EQ(text->getBackground(), frame->getBackground());
                EXPECT_EQ(text->getFontColor(), kBlackCColor);
                EXPECT_EQ(text->getFont()->getSize(), kNormalFontSmall->getSize());
            }
            if (auto* control = dynamic_cast<CControl*>(view); control && want.tag >= 0) {
                EXPECT_EQ(control->getTag(), want.tag);
            }
            if (auto* handled = dynamic_cast<CSlider*>(view)) {
                EXPECT_EQ(handled->getOffset(), want.back);
                EXPECT_TRUE(handled->getStyle() & kRight);
                EXPECT_EQ(handled->getDefaultValue(), want.sliderDefault);
                expectImage(handled->getHandle(), want.bitmapId);
                // Value 1 at the left end, 0 at the right end less the handle.
                const CCoord along = 160 * (1 - handled->getValue());
                EXPECT_EQ(handled->getHandleRect().left, 63 + std::round(along));
            }
            if (auto* on = dynamic_cast<COnOffButton*>(view))
                expectImage(on->getBackground(), want.bitmapId);
            if (auto* states = dynamic_cast<CClickButton*>(view)) {
                expectImage(states->getStateBitmap(), want.bitmapId);
                EXPECT_EQ(states->getStateCount(), 3);
            }
        }
    }
    void expectImage(CBitmap* shown, int bitmapId) {
        auto* expected = new CBitmap(resources, bitmapId);
        EXPECT_TRUE(sameImage(shown, expected)) << "bitmap " << bitmapId;
        expected->forget();
    }
    void expectAbout(const CRect& clickArea, int32_t tag, const CRect& displayArea,
                     const CPoint& textOrigin, int bitmapId) {
        auto* about = dynamic_cast<CAbout*>(frame->getView(frame->getNbViews() - 14));
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->getViewSize(), clickArea);
        EXPECT_EQ(about->getTag(), tag);
        CRect shownArea;
        EXPECT_EQ(about->getDisplayArea(shownArea), displayArea);
        EXPECT_EQ(about->getTextOrigin(), textOrigin);
        expectImage(about->getBackground(), bitmapId);
    }

    std::string shown(const CRect& rect) { return textOf(viewWithRect(frame, rect)); }
    // Whether the face now shows `text` in read-out `row`, pixel for pixel.
    bool readOutShows(int row, const char* text) {
        this->editor->idle();
        CRect inside = kReadOuts[row];
        inside.bound(CRect(0, 0, kFaceWidth, kFaceHeight));
        return pixelsOf(frame->getBackBuffer(), inside) ==
               expectedText(background, kReadOuts[row], kReadOutBacks[row], text, kLeftText,
                            kNormalFontSmall, kBlackCColor);
    }
    // The meter's lit columns after the idle: 91 at rest, 182 at "M", 0 at "S".
    int meterLit() {
        this->editor->idle();
        return litColumns(frame->getBackBuffer(), kMeter, lit, unlit);
    }
    CControl* control(const char* type, int32_t tag) { return controlWithTag(frame, type, tag); }

    const gui::ResourceTable& resources;
    CFrame* frame = nullptr;
    CBitmap* background = nullptr;
    CBitmap* lit = nullptr;
    CBitmap* unlit = nullptr;
};

class WidmoorFace : public SliderFace<AComb> {
protected:
    WidmoorFace() : SliderFace(widmoorResources()) {}
};

class DuplimoFace : public SliderFace<Duplimo> {
protected:
    DuplimoFace() : SliderFace(duplimoResources()) {}
};

TEST_F(WidmoorFace, EveryViewStandsInLayoutOrder) {
    expectLayout({
        {"CVuMeter1", kMeter, -1, {}},
        display({2, 24, 42, 41}, {2, 27}, kRightText),
        display({258, 24, 298, 41}, {258, 27}, kRightText),
        slider({63, 51, 239, 75}, 0, 0.f),
        display(kReadOuts[0], kReadOutBacks[0], kLeftText),
        display({2, 54, 42, 71}, {2, 59}, kRightText),
        slider({63, 83, 239, 107}, 1, 0.5f),
        display(kReadOuts[1], kReadOutBacks[1], kLeftText),
        display({2, 86, 42, 103}, {2, 91}, kRightText),
        slider({63, 115, 239, 139}, 2, 0.f),
        display(kReadOuts[2], kReadOutBacks[2], kLeftText),
        display(kThirdCaption, {2, 123}, kRightText),
        button("COnOffButton", {70, 151, 115, 165}, 3, 137),
        button("CClickButton", {130, 151, 175, 165}, 5, 139),
        button("COnOffButton", {190, 151, 235, 165}, 4, 138),
    });
    expectAbout({70, 184, 225, 204}, 7, {41, 57, 261, 157}, {0, 12}, 140);
    auto* meter = dynamic_cast<CVuMeter1*>(frame->getView(0));
    EXPECT_EQ(meter->getDecreaseStepValue(), 0.5f);
    EXPECT_EQ(meter->getNbLed(), 182);
    EXPECT_EQ(dynamic_cast<CControl*>(viewWithRect(frame, kReadOuts[1]))->getMax(), 20000.f);
    EXPECT_EQ(dynamic_cast<CControl*>(viewWithRect(frame, kReadOuts[2]))->getMax(), 4.f);
}

TEST_F(DuplimoFace, EveryViewStandsInLayoutOrder) {
    expectLayout({
        display({2, 24, 42, 41}, {2, 27}, kRightText),
        display({258, 24, 298, 41}, {258, 27}, kLeftText),
        display({2, 54, 42, 71}, {2, 59}, kRightText),
        display({2, 86, 42, 103}, {2, 91}, kRightText),
        display(kThirdCaption, {2, 123}, kRightText),
        {"CVuMeter1", kMeter, -1, {}},
        slider({63, 51, 239, 75}, 0, 0.5f),
        display(kReadOuts[0], kReadOutBacks[0], kLeftText),
        slider({63, 83, 239, 107}, 1, 0.5f),
        display(kReadOuts[1], kReadOutBacks[1], kLeftText),
        slider({63, 115, 239, 139}, 2, 0.5f),
        display(kReadOuts[2], kReadOutBacks[2], kLeftText),
        button("COnOffButton", {90, 151, 135, 165}, 3, 137),
        button("COnOffButton", {170, 151, 215, 165}, 4, 138),
    });
    expectAbout({70, 182, 225, 202}, 6, {41, 57, 261, 157}, {0, 8}, 139);
    EXPECT_EQ(dynamic_cast<CVuMeter1*>(frame->getView(5))->getDecreaseStepValue(), 1.f);
    EXPECT_EQ(dynamic_cast<CControl*>(viewWithRect(frame, kReadOuts[1]))->getMax(), 20000.f);
}

TEST_F(WidmoorFace, ANewInstanceShowsInit) {
    const char* words[][2] = {{"S", "M"}, {"depth", "0%"}, {"freq", "265Hz"}, {"width", "100%"}};
    EXPECT_EQ(shown(CRect(2, 24, 42, 41)), words[0][0]);
    EXPECT_EQ(shown(CRect(258, 24, 298, 41)), words[0][1]);
    const CRect captions[] = {{2, 54, 42, 71}, {2, 86, 42, 103}, kThirdCaption};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(shown(captions[row]), words[row + 1][0]);
        EXPECT_TRUE(readOutShows(row, words[row + 1][1])) << words[row + 1][1];
    }
    EXPECT_FALSE(readOutShows(0, "1%"));  // the comparison tells texts apart
    EXPECT_EQ(control("CClickButton", 5)->getValue(), 0.f);
    EXPECT_EQ(control("COnOffButton", 3)->getValue(), 1.f);
    EXPECT_EQ(control("COnOffButton", 4)->getValue(), 0.f);
    EXPECT_EQ(meterLit(), 91);
}

TEST_F(DuplimoFace, ANewInstanceShowsInit) {
    const std::pair<CRect, const char*> captions[] = {{{2, 24, 42, 41}, "S"},
                                                      {{258, 24, 298, 41}, "M"},
                                                      {{2, 54, 42, 71}, "depth"},
                                                      {{2, 86, 42, 103}, "freq"},
                                                      {kThirdCaption, "emph"}};
    for (const auto& [rect, word] : captions) EXPECT_EQ(shown(rect), word);
    const char* readOuts[] = {"0%", "265Hz", "0%"};
    for (int row = 0; row < 3; ++row) EXPECT_TRUE(readOutShows(row, readOuts[row]));
    EXPECT_EQ(control("COnOffButton", 3)->getValue(), 1.f);
    EXPECT_EQ(control("COnOffButton", 4)->getValue(), 0.f);
    EXPECT_EQ(meterLit(), 91);
}

TEST_F(WidmoorFace, EnhancedMixTwoReadsDepthTruncatedUnlikeTheHost) {
    effect->selectProgram(2);  // "enhanced mix 2": depth 0.35, base frequency 0.75
    EXPECT_TRUE(readOutShows(0, "34%"));
    char host[64] = "";
    effect->getParameterDisplay(0, host);
    EXPECT_STREQ(host, "35.00");
    EXPECT_TRUE(readOutShows(1, "571Hz"));  // 980 * 0.5625 + 20 = 571.25
}

// Base frequency at its ends, and duplimo's width and emphasis in percent.
TEST_F(WidmoorFace, BaseFrequencyAtItsEnds) {
    effect->setParameter(1, 1.f);
    EXPECT_TRUE(readOutShows(1, "1.0kHz"));
    effect->setParameter(1, 0.f);
    EXPECT_TRUE(readOutShows(1, "20Hz"));
}

TEST_F(DuplimoFace, ReadOutsOfTheHostsChanges) {
    const struct {
        int parameter;
        float value;
        const char* text;
    } cases[] = {{1, 1.f, "1.0kHz"}, {1, 0.f, "20Hz"}, {0, 0.755f, "75%"},
                 {0, 1.f, "100%"},   {2, 0.5f, "50%"}};
    for (const auto& c : cases) {
        effect->setParameter(c.parameter, c.value);
        EXPECT_TRUE(readOutShows(c.parameter, c.text)) << c.text;
    }
}

TEST_F(WidmoorFace, TheModeButtonCyclesTheModeWithCaptionAndReadOut) {
    using namespace guitest;
    effect->setParameter(2, 0.5f);
    const struct {
        float mode;
        const char* caption;
        const char* readOut;
    } steps[] = {{0.5f, "width", "250%"}, {1.f, "emph", "50%"}, {0.f, "width", "250%"}};
    for (const auto& step : steps) {
        host.calls.clear();
        click(frame, 152, 158);
        const std::vector<HostCall> automated = callsOf(audioMasterAutomate);
        ASSERT_EQ(automated.size(), 1u);
        EXPECT_EQ(automated[0].index, 5);
        EXPECT_EQ(automated[0].opt, step.mode);
        EXPECT_EQ(effect->getParameter(5), step.mode);
        EXPECT_TRUE(readOutShows(2, step.readOut)) << step.readOut;
        EXPECT_EQ(shown(kThirdCaption), step.caption);
        EXPECT_EQ(control("CClickButton", 5)->getValue(), step.mode);
    }
    // A program of the third mode, set from elsewhere at the mode thresholds.
    const struct {
        float mode;
        float button;
        const char* caption;
    } thresholds[] = {{0.329f, 0.f, "width"}, {0.33f, 0.5f, "width"}, {0.669f, 0.5f, "width"},
                      {0.67f, 1.f, "emph"}};
    for (const auto& t : thresholds) {
        effect->setParameter(5, t.mode);
        editor->idle();
        EXPECT_EQ(control("CClickButton", 5)->getValue(), t.button) << t.mode;
        EXPECT_EQ(shown(kThirdCaption), t.caption) << t.mode;
    }
}

// The meter follows the effect's reading through the editor's idle: a mono
// input drives it to "M", an input whose right channel is inverted to "S".
TEST_F(WidmoorFace, TheMeterShowsMonoAtMAndOppositeChannelsAtS) {
    using namespace guitest;
    process(0.25f, 0.25f);
    EXPECT_EQ(meterLit(), 182);
    process(0.25f, -0.25f);
    EXPECT_EQ(meterLit(), 91);  // the bar falls by at most half its length per redraw
    EXPECT_EQ(meterLit(), 0);
    click(frame, 100, 194);  // the about screen keeps the reading off the meter
    editor->resetMeters();
    EXPECT_EQ(meterLit(), 91);
}

// duplimo measures what it makes of the mono sum: without width only mono,
// at full width a side signal twice the mono (log16 of 1/2 below the centre).
TEST_F(DuplimoFace, TheMeterShowsMonoAtMAndMovesTowardsSWithTheSideSignal) {
    process(0.25f, 0.25f);
    EXPECT_EQ(meterLit(), 182);
    effect->setParameter(0, 1.f);
    process(0.25f, 0.25f);
    EXPECT_EQ(meterLit(), 46);
    guitest::click(frame, 100, 192);  // the about screen keeps the reading off the meter
    editor->resetMeters();
    EXPECT_EQ(meterLit(), 91);
}

// Host automation marks nothing itself: the changed controls are redrawn on
// the next idle because their values changed.
TEST_F(DuplimoFace, HostAutomationMovesTheSliderAndReadOutOnTheNextIdle) {
    auto* frequency = dynamic_cast<CSlider*>(control("CHorizontalSlider", 1));
    editor->idle();
    const CRect travel(63, 83, 239, 107);
    const std::vector<uint32_t> before = pixelsOf(frame->getBackBuffer(), travel);
    effect->setParameter(1, 1.f);
    EXPECT_TRUE(readOutShows(1, "1.0kHz"));
    EXPECT_EQ(frequency->getValue(), 1.f);
    EXPECT_EQ(frequency->getHandleRect().left, 63);
    EXPECT_NE(pixelsOf(frame->getBackBuffer(), travel), before);

    editor->close();
    effect->setParameter(1, 0.f);  // closed: nothing to show, read again on open
    frame = openHeadless();
    EXPECT_TRUE(readOutShows(1, "20Hz"));
}

// The 30 programs in columns of at most 16 (fewer rows here, where the list
// has only the face's 246 pixels of height), one chosen by a click.
TEST_F(WidmoorFace, TheProgramMenuListsThirtyProgramsInTwoColumns) {
    using namespace guitest;
    auto* menu = dynamic_cast<COptionMenu*>(control("COptionMenu", 1012));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->getNbEntries(), 30);
    EXPECT_EQ(menu->getNbItemsPerColumn(), 16);
    click(frame, 212, 215 + 14);
    auto* list = dynamic_cast<COptionMenuPopup*>(frame->getModalView());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->itemRect(29).left, list->itemRect(0).right);  // the second column
    EXPECT_LE(list->getBox().bottom, frame->getViewSize().bottom);

    const CRect entry = list->itemRect(29);  // "over heads"
    click(frame, (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 29);
    EXPECT_TRUE(readOutShows(0, "80%"));
}

}  // namespace
