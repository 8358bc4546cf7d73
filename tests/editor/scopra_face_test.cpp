// scopra's face on a headless frame: what the meters, readouts and labels
// show for a measured signal, how the goniometer takes its bursts, the
// level slider following the automatic level, and the about screen.
#include <atomic>
#include <cmath>
#include <thread>

#include "gui/widgets.h"
#include "plugins/scopra/scopra_level_meter.h"
#include "plugins/scopra/scopra_oscilloscope.h"
#include "tests/editor/scopra_test_support.h"

using namespace scopratest;
using namespace scopra::face;

namespace {

std::string textOf(CParamDisplay* display) {
    if (!display) return "<none>";
    char text[CParamDisplay::kTextCapacity];
    display->valueToText(display->getValue(), text);
    return text;
}

// The first row of `rows` showing `what` at or below `from`; -1 when none.
int firstRow(const std::string& rows, char what, size_t from = 0) {
    const size_t at = rows.find(what, from);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

// Where a display value stands, in rows from the meter's top.
int rowOf(double shown) { return static_cast<int>(std::trunc((1 - shown) * kMeterLeds)); }

class ScopraFace : public ScopraFaceTest {};

TEST_F(ScopraFace, ViewsStandWhereTheLayoutSaysInItsOrder) {
    const char* types[] = {"COsciloscope",  "CVu2Meter",     "CVu2Meter",     "CVerticalSlider",
                           "CParamDisplay", "CParamDisplay", "CParamDisplay", "CParamDisplay",
                           "CParamDisplay", "CParamDisplay", "COnOffButton",  "COnOffButton",
                           "COnOffButton",  "CAbout"};
    const FaceRect rects[] = {kScope,
                              kMeters[0],
                              kMeters[1],
                              kLevelSlider,
                              kGainDisplay.rect,
                              kChannelLabels[0].rect,
                              kChannelLabels[1].rect,
                              kPeakReadouts[1].rect,
                              kPeakReadouts[0].rect,
                              kLevelCaption.rect,
                              kAutoButton.rect,
                              kHoldButton.rect,
                              kModeButton.rect,
                              kAboutClickArea};
    ASSERT_EQ(frame->getNbViews(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_TRUE(frame->getView(i)->isTypeOf(types[i])) << i;
        EXPECT_EQ(frame->getView(i)->getViewSize(), rects[i].rect()) << i;
    }
    EXPECT_EQ(textOf(displayAt(kLevelCaption.rect)), "level");
    EXPECT_EQ(textOf(displayAt(kGainDisplay.rect)), "0 dB");  // level 0.12: -0.41 dB
    EXPECT_EQ(textOf(displayAt(kChannelLabels[0].rect)), "L");
    EXPECT_EQ(textOf(displayAt(kChannelLabels[1].rect)), "R");
}

TEST_F(ScopraFace, FullScaleSineOnLeftFillsMeterOneWithTheHoldLineOnTop) {
    play(quarterSine(1.f, 0), 2.0);
    measuringIdle();
    const Picture shown = picture();
    EXPECT_EQ(meterRows(shown, 0), std::string(2, 'p') + std::string(kMeterLeds - 2, 'l'));
    EXPECT_EQ(meterRows(shown, 1), std::string(kMeterLeds, 'u'));
    EXPECT_EQ(textOf(displayAt(kPeakReadouts[0].rect)), "0");
    EXPECT_EQ(displayAt(kChannelLabels[0].rect)->getFontColor(), kCaptionColour);
}

TEST_F(ScopraFace, HeldPeakReadoutsAndOverloadColour) {
    const struct {
        float level;
        const char* text;
        bool overload;
    } cases[] = {{1.f / 65536, "-oo", false}, {1.f / 32768, "-90", false},
                 {0.5f, "-6", false},         {1.f, "0", false},
                 {1.2f, "1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        effect->suspend();
        play(constant(c.level, c.level), 0.1);
        measuringIdle();
        for (int meter = 0; meter < 2; ++meter) {
            EXPECT_EQ(textOf(displayAt(kPeakReadouts[meter].rect)), c.text);
            EXPECT_EQ(displayAt(kChannelLabels[meter].rect)->getFontColor(),
                      c.overload ? kOverloadColour : kCaptionColour);
        }
    }
}

TEST_F(ScopraFace, SideMidModeWithAMonoSignalLeavesSideEmptyAndShowsMidAsTheChannel) {
    effect->setParameter(scopra::kParamMode, 1.f);
    editor->close();
    editor->open(nullptr);
    frame = editor->getFrame();
    editor->idle();
    EXPECT_EQ(textOf(displayAt(kChannelLabels[0].rect)), "S");
    EXPECT_EQ(textOf(displayAt(kChannelLabels[1].rect)), "M");
    EXPECT_EQ(control("COnOffButton", scopra::kParamMode)->getValue(), 1.f);

    play(monoQuarterSine(0.5f), 1.0);
    measuringIdle();
    const Picture shown = picture();
    EXPECT_EQ(meterRows(shown, 0), std::string(kMeterLeds, 'u'));
    // M's mean square is halved before its roots, its peak as an amplitude:
    // the bar of a mono sine stands 3 dB above its peak and the hold line
    // rides on the bar.
    const int barTop = rowOf(std::sqrt(1.4142 * std::sqrt(0.5 * 0.5)));
    EXPECT_EQ(meterRows(shown, 1).substr(barTop), "pp" + std::string(kMeterLeds - barTop - 2, 'l'));
    EXPECT_EQ(textOf(displayAt(kPeakReadouts[0].rect)), "-oo");
    EXPECT_EQ(textOf(displayAt(kPeakReadouts[1].rect)), "-6");
}

TEST_F(ScopraFace, AfterALoudPassageThePeakShrinksAndTheHoldLineJumpsAfterFourSeconds) {
    play(quarterSine(0.5f, 0), 1.0);
    const int holdRow = rowOf(std::sqrt(0.5));
    auto look = [&] {
        measuringIdle();
        return meterRows(picture(), 0);
    };
    play(silence(), 0.3);
    const std::string early = look();
    play(silence(), 1.0);
    const std::string later = look();
    for (const std::string& rows : {early, later}) {
        EXPECT_EQ(firstRow(rows, 'p'), holdRow);
        EXPECT_EQ(rows.substr(holdRow, 2), "pp");
    }
    // The peak segment is the yellow below the hold line.
    const int earlyPeak = firstRow(early, 'p', holdRow + 2);
    const int laterPeak = firstRow(later, 'p', holdRow + 2);
    EXPECT_GT(earlyPeak, holdRow + 2);
    EXPECT_GT(laterPeak, earlyPeak + 10);
    // Four seconds after the held peak was set it drops to the follower.
    play(silence(), 2.0);
    const std::string dropped = look();
    EXPECT_GT(firstRow(dropped, 'p'), 100);
}

TEST_F(ScopraFace, IdlesWithinTheGateOnlyRedraw) {
    play(quarterSine(0.5f, 0), 0.2);
    measuringIdle();
    ASSERT_GE(effect->measurement().scopeWriteIndex(), 0);
    play(quarterSine(0.5f, 0), 0.1);  // the next burst is full again
    ASSERT_EQ(effect->measurement().scopeWriteIndex(), -1);
    editor->idle();  // well within 35 ms of the last pass
    EXPECT_EQ(effect->measurement().scopeWriteIndex(), -1);
    measuringIdle();
    EXPECT_EQ(effect->measurement().scopeWriteIndex(), scopra::kFirstScopeIndex);
}

TEST_F(ScopraFace, AboutScreenFreezesScopeAndMetersWhileTheSliderFollows) {
    auto* about = control("CAbout", kAboutTag);
    ASSERT_NE(about, nullptr);
    CPoint where(100, 190);
    about->onMouseDown(where, CButtonState(kLButton));
    ASSERT_TRUE(editor->isAboutShown());

    play(quarterSine(1.f, 0), 0.5);
    effect->setParameter(scopra::kParamLevel, 0.9f);
    measuringIdle();
    EXPECT_EQ(control("CVerticalSlider", scopra::kParamLevel)->getValue(), 0.9f);
    EXPECT_EQ(textOf(displayAt(kGainDisplay.rect)), "28 dB");
    auto* meter = static_cast<CVu2Meter*>(frame->getView(1));
    EXPECT_LT(meter->getValue(), 0.01f);
    EXPECT_EQ(effect->measurement().scopeWriteIndex(), -1);  // the burst waits

    CView* shownAbout = frame->getModalView();
    ASSERT_NE(shownAbout, nullptr);
    shownAbout->onMouseDown(where, CButtonState(kLButton));
    measuringIdle();
    EXPECT_GT(meter->getValue(), 0.9f);
    EXPECT_EQ(effect->measurement().scopeWriteIndex(), scopra::kFirstScopeIndex);
}

TEST_F(ScopraFace, LevelSliderFollowsTheAutomaticLevel) {
    effect->setParameter(scopra::kParamAuto, 1.f);
    play(monoQuarterSine(1.f), 1.0);  // a full-scale mono peak settles near 0.034
    measuringIdle();
    const float level = effect->getParameter(scopra::kParamLevel);
    EXPECT_LT(level, 0.05f);
    EXPECT_EQ(control("CVerticalSlider", scopra::kParamLevel)->getValue(), level);
    EXPECT_EQ(control("COnOffButton", scopra::kParamAuto)->getValue(), 1.f);
    EXPECT_EQ(textOf(displayAt(kGainDisplay.rect)), "-5 dB");

    // A user's move is recorded by the host, then the automatic level wins.
    auto* slider = control("CVerticalSlider", scopra::kParamLevel);
    slider->setValue(0.8f);
    editor->valueChanged(slider);
    const HostCall& recorded = host.calls.back();
    EXPECT_EQ(recorded.opcode, audioMasterAutomate);
    EXPECT_EQ(recorded.index, scopra::kParamLevel);
    EXPECT_EQ(recorded.opt, 0.8f);
    play(monoQuarterSine(1.f), 0.05);
    measuringIdle();
    EXPECT_LT(slider->getValue(), 0.05f);
}

TEST_F(ScopraFace, HoldButtonEmptiesTheScopeAtOnce) {
    play(quarterSine(0.8f, 0), 0.2);
    measuringIdle();
    Picture shown = picture();
    int lit = 0;
    for (uint32_t pixel : shown.pixels) lit += pixel == kBrightPen;
    ASSERT_GT(lit, 1);

    auto* hold = control("COnOffButton", scopra::kParamHold);
    CPoint where(260, 168);
    hold->onMouseDown(where, CButtonState(kLButton));
    hold->onMouseUp(where, CButtonState(kLButton));
    EXPECT_EQ(effect->getParameter(scopra::kParamHold), 1.f);
    shown = picture();
    lit = 0;
    for (uint32_t pixel : shown.pixels) lit += pixel == kBrightPen;
    EXPECT_EQ(lit, 1);
    EXPECT_EQ(shown.at(static_cast<int>(kScope.left) + kScopeCentreX,
                       static_cast<int>(kScope.top) + kScopeCentreY),
              kBrightPen);
}

TEST_F(ScopraFace, OpeningAndClosingWhileAudioAndAutomationRun) {
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<float> left(256, 0.5f), right(256, -0.25f);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {left.data(), right.data()};
        while (!stop) effect->processReplacing(inputs, outputs, 256);
    });
    std::thread automation([&] {
        for (int step = 0; !stop; ++step)
            effect->setParameter(step % scopra::kNumParams, static_cast<float>((step / 4) % 2));
    });
    for (int round = 0; round < 10; ++round) {
        editor->open(nullptr);
        measuringIdle();
        effect->suspend();
        editor->idle();
        editor->close();
    }
    stop = true;
    audio.join();
    automation.join();
    editor->open(nullptr);
    frame = editor->getFrame();
    editor->idle();
    EXPECT_EQ(control("COnOffButton", scopra::kParamMode)->getValue(),
              effect->getParameter(scopra::kParamMode));
    EXPECT_EQ(control("CVerticalSlider", scopra::kParamLevel)->getValue(),
              effect->getParameter(scopra::kParamLevel));
}

}  // namespace
