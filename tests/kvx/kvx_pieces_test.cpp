// The host's pieces on their own: the callback's answers, command-line
// parsing, level measurement, the demo signal, channel mapping and progress.
#include <cmath>
#include <cstdio>
#include <limits>

#include <gtest/gtest.h>

#include "tools/kvx/demo_signal.h"
#include "tools/kvx/info_printer.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/options.h"
#include "tools/kvx/plugin_instance.h"
#include "tools/kvx/renderer.h"

using namespace kvx;

namespace {

VstIntPtr ask(VstInt32 opcode, void* ptr = nullptr, AEffect* effect = nullptr) {
    return hostCallback(effect, opcode, 0, 0, ptr, 0.0f);
}

TEST(HostCallback, AnswersBeforeAnyEffectOrStateExists) {
    setActiveHostState(nullptr);
    EXPECT_EQ(ask(audioMasterVersion), 2400);
    EXPECT_EQ(ask(audioMasterGetSampleRate), 44100);
    EXPECT_EQ(ask(audioMasterGetBlockSize), 512);
}

TEST(HostCallback, ReportsTheCurrentRateAndBlockSize) {
    HostState state;
    setActiveHostState(&state);
    AEffect effect{};
    state.sampleRateHz = 96000.0f;
    state.blockFrames = 64;
    EXPECT_EQ(ask(audioMasterGetSampleRate, nullptr, &effect), 96000);
    EXPECT_EQ(ask(audioMasterGetBlockSize, nullptr, &effect), 64);
    setActiveHostState(nullptr);
}

TEST(HostCallback, NamesItselfAndOffersNothingElse) {
    char text[64] = "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx";
    EXPECT_EQ(ask(audioMasterGetVendorString, text), 1);
    EXPECT_STREQ(text, "Kavexsound");
    EXPECT_EQ(ask(audioMasterGetProductString, text), 1);
    EXPECT_STREQ(text, "kvx");
    EXPECT_EQ(ask(audioMasterGetVendorString, nullptr), 0);
    char capability[] = "sendVstTimeInfo";
    EXPECT_EQ(ask(audioMasterCanDo, capability), 0);
    EXPECT_EQ(ask(audioMasterGetTime), 0);
    EXPECT_EQ(ask(audioMasterAutomate), 0);
    EXPECT_EQ(ask(audioMasterGetOutputLatency), 0);
}

TEST(RenderOptionsParsing, DefaultsAndBothOptionForms) {
    const RenderOptions plain = parseRenderOptions({"p.so", "out.wav"});
    EXPECT_EQ(plain.settings.blockFrames, 512);
    EXPECT_FALSE(plain.settings.doublePrecision);
    EXPECT_TRUE(plain.inputPath.empty());
    EXPECT_EQ(plain.outputPath, "out.wav");

    const RenderOptions full = parseRenderOptions(
        {"--block=64", "p.so", "--double", "in.flac", "--set", "-L=1", "--set=a=b=0.25",
         "--program", "3", "--", "-out.wav"});
    EXPECT_EQ(full.settings.blockFrames, 64);
    EXPECT_TRUE(full.settings.doublePrecision);
    EXPECT_EQ(full.inputPath, "in.flac");
    EXPECT_EQ(full.outputPath, "-out.wav");
    ASSERT_EQ(full.assignments.size(), 2u);
    EXPECT_EQ(full.assignments[0].target, "-L");
    EXPECT_EQ(full.assignments[0].value, 1.0f);
    EXPECT_EQ(full.assignments[1].target, "a=b");
    EXPECT_EQ(full.assignments[1].value, 0.25f);
    EXPECT_EQ(full.program, 3);
}

TEST(RenderOptionsParsing, RefusesMalformedValues) {
    for (const Arguments& args : std::vector<Arguments>{
             {"--block", "12x", "p", "o.wav"}, {"--block", "65537", "p", "o.wav"},
             {"--set", "=1", "p", "o.wav"}, {"--set", "w=", "p", "o.wav"},
             {"--set", "w=nan", "p", "o.wav"}, {"--set", "w=-0.1", "p", "o.wav"},
             {"--program", "-1", "p", "o.wav"}, {"--double=yes", "p", "o.wav"},
             {"p", "i", "o.wav", "extra"}})
        EXPECT_THROW(parseRenderOptions(args), KvxError) << args[0] << " " << args[1];
}

TEST(RenderOptionsParsing, HelpIsFoundBeforeTheEndOfOptionsOnly) {
    EXPECT_TRUE(asksForHelp({"render", "p.so", "-h"}));
    EXPECT_FALSE(asksForHelp({"render", "p.so", "--", "--help"}));
}

TEST(LevelMeter, MeasuresPeakAndRmsInDbfs) {
    LevelMeter meter;
    EXPECT_EQ(meter.rmsDbfs(), -std::numeric_limits<double>::infinity());
    std::vector<double> sine(4800), silence(4800, 0.0);
    for (size_t i = 0; i < sine.size(); ++i) sine[i] = std::sin(2.0 * M_PI * i / 48.0);
    meter.add(sine.data(), sine.data(), sine.size());
    EXPECT_NEAR(meter.peakDbfs(), 0.0, 1e-9);
    EXPECT_NEAR(meter.rmsDbfs(), -3.0103, 1e-3);
    meter.add(silence.data(), silence.data(), silence.size());  // half the energy per sample
    EXPECT_NEAR(meter.rmsDbfs(), -6.0206, 1e-3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    meter.add(&nan, sine.data(), 1);
    EXPECT_TRUE(std::isnan(meter.peakDbfs())) << "a broken output must show";
}

TEST(DemoSignal, SixSecondsOfRepeatableFloatExactStereoAtMinusOneDbfs) {
    const StereoSignal demo = makeDemoSignal(8000);
    ASSERT_EQ(demo.left.size(), 48000u);
    ASSERT_EQ(demo.right.size(), 48000u);
    double peak = 0.0, product = 0.0, leftEnergy = 0.0, rightEnergy = 0.0;
    for (size_t i = 0; i < demo.left.size(); ++i) {
        ASSERT_EQ(demo.left[i], static_cast<float>(demo.left[i]));
        ASSERT_EQ(demo.right[i], static_cast<float>(demo.right[i]));
        peak = std::fmax(peak, std::fmax(std::fabs(demo.left[i]), std::fabs(demo.right[i])));
        product += demo.left[i] * demo.right[i];
        leftEnergy += demo.left[i] * demo.left[i];
        rightEnergy += demo.right[i] * demo.right[i];
    }
    EXPECT_NEAR(20.0 * std::log10(peak), -1.0, 1e-5);
    const double correlation = product / std::sqrt(leftEnergy * rightEnergy);
    EXPECT_GT(correlation, 0.0) << "mostly a shared image";
    EXPECT_LT(correlation, 0.9) << "with width and an out-of-phase part";
    EXPECT_EQ(makeDemoSignal(8000).left, demo.left);
}

TEST(ProcessBuffers, FeedInputsInTurnAndDuplicateASingleOutput) {
    const double left[] = {1.0, 2.0}, right[] = {-1.0, -2.0};
    ProcessBuffers<float> wide(3, 1, 2);
    wide.outputs()[0][0] = 9.0f;
    wide.load(left, right, 2);
    EXPECT_EQ(wide.inputs()[0][1], 2.0f);
    EXPECT_EQ(wide.inputs()[1][1], -2.0f);
    EXPECT_EQ(wide.inputs()[2][1], 2.0f);
    EXPECT_EQ(wide.outputs()[0][0], 0.0f) << "outputs start cleared";
    wide.outputs()[0][1] = 0.5f;
    double outLeft[2], outRight[2];
    wide.store(outLeft, outRight, 2);
    EXPECT_EQ(outLeft[1], 0.5);
    EXPECT_EQ(outRight[1], 0.5);
}

TEST(ProgressReporter, RewritesOneLineAndEndsAtAHundredPercent) {
    EXPECT_TRUE(shouldShowProgress(true, false, 1.0));
    EXPECT_FALSE(shouldShowProgress(false, true, kLongInputSeconds - 1.0));
    EXPECT_TRUE(shouldShowProgress(false, true, kLongInputSeconds));
    FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ProgressReporter progress(true, 200, out);
    for (int done = 50; done <= 200; done += 50) progress.update(done);
    progress.update(200);
    progress.finish();
    ProgressReporter(false, 200, out).finish();
    std::rewind(out);
    char text[256] = {};
    const size_t length = std::fread(text, 1, sizeof text - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(text, length),
              "\rkvx: rendering  25%\rkvx: rendering  50%\rkvx: rendering  75%"
              "\rkvx: rendering 100%\n");
}

TEST(EffectLabels, ShowUnknownBitsAndUnprintableCodes) {
    EXPECT_EQ(fourCharText(fourCharCode('K', 'q', 'L', 'v')), "KqLv");
    EXPECT_EQ(fourCharText(0x41000142), "A??B");
    EXPECT_EQ(effectFlagNames(effFlagsHasEditor | (1 << 30)), "HasEditor 0x40000000");
    EXPECT_EQ(effectFlagNames(0), "none");
    EXPECT_EQ(categoryName(kPlugCategMastering), "mastering");
    EXPECT_EQ(categoryName(99), "category 99");
}

}  // namespace
