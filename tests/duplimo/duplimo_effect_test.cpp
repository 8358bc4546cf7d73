// The Duplimo effect class: parameter traffic, programs, resets and the
// engine behind it, driven as the host and the editor drive it.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "host/aeff_editor.h"
#include "plugins/duplimo/duplimo.h"
#include "tests/duplimo/duplimo_test_signal.h"
#include "tests/support/test_host.h"

namespace {

using namespace duplimo;

struct Change {
    VstInt32 index;
    float value;
};

class RecordingEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    void parameterChanged(VstInt32 index, float value) override {
        changes.push_back({index, value});
    }
    std::vector<Change> changes;
};

class DuplimoEffect : public ::testing::Test {
protected:
    void SetUp() override {
        TestHost::current = &host;
        effect = std::make_unique<Duplimo>(&TestHost::callback);
    }
    void TearDown() override { TestHost::current = nullptr; }

    RecordingEditor* attachEditor() {
        delete effect->getEditor();  // the face makes way for the recording editor
        auto* editor = new RecordingEditor(effect.get());  // owned by the effect
        effect->setEditor(editor);
        return editor;
    }

    std::string display(VstInt32 index) {
        char text[64] = "untouched";
        effect->getParameterDisplay(index, text);
        return text;
    }

    template <typename Sample>
    Stereo<Sample> process(Stereo<Sample> io) {
        Sample* channels[2] = {io.left.data(), io.right.data()};
        if constexpr (sizeof(Sample) == sizeof(float))
            effect->processReplacing(channels, channels, static_cast<VstInt32>(io.size()));
        else
            effect->processDoubleReplacing(channels, channels, static_cast<VstInt32>(io.size()));
        return io;
    }

    std::vector<uint8_t> bank() const {
        const ProgramStore& store = effect->programStore();
        return std::vector<uint8_t>(store.data(), store.data() + store.bankBytes());
    }

    TestHost host;
    std::unique_ptr<Duplimo> effect;
};

TEST_F(DuplimoEffect, NewInstanceStartsWithInit) {
    const float values[] = {0.0f, 0.5f, 0.0f, 1.0f, 0.0f};
    const char* texts[] = {"0.00", "265.00", "0.00", "On", "Off"};
    for (VstInt32 k = 0; k < 5; ++k) {
        EXPECT_EQ(effect->getParameter(k), values[k]) << k;
        EXPECT_EQ(display(k), texts[k]) << k;
    }
    EXPECT_EQ(effect->getParameter(6), 0.0f);
    EXPECT_EQ(effect->getDerivedValue(kWidth), 0.0f);
    EXPECT_EQ(effect->getDerivedValue(kBaseFreq), 265.0f);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 0);
    EXPECT_EQ(effect->delaySamples(), 167);  // 44100 / 265 = 166.4 rounded up
}

TEST_F(DuplimoEffect, ParametersGoIntoTheCurrentProgramOnly) {
    effect->setParameter(kWidth, 0.3f);
    EXPECT_EQ(effect->programStore().value(0, kWidth), 0.3f);
    EXPECT_EQ(effect->getParameter(kWidth), 0.3f);

    const std::vector<uint8_t> before = bank();
    effect->setParameter(6, 1.0f);  // the extra value is never part of a program
    effect->setParameter(5, 0.7f);
    effect->setParameter(7, 0.7f);
    EXPECT_EQ(bank(), before);
    EXPECT_EQ(effect->getParameter(6), 1.0f);
    EXPECT_EQ(effect->getDerivedValue(6), 1.0f);
    EXPECT_EQ(effect->getParameter(5), 0.0f);
    EXPECT_EQ(effect->getParameter(7), 0.0f);
    EXPECT_EQ(effect->getDerivedValue(5), 0.0f);
    EXPECT_EQ(display(6), "");
    EXPECT_EQ(display(5), "untouched");
}

TEST_F(DuplimoEffect, SelectingAProgramSetsTheEngineWithoutWritingBack) {
    RecordingEditor* editor = attachEditor();
    const std::vector<uint8_t> before = bank();
    const int displaysBefore = host.count(audioMasterUpdateDisplay);
    effect->selectProgram(14);  // "guitar 3"
    EXPECT_EQ(bank(), before);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 14);
    EXPECT_EQ(effect->getDerivedValue(kWidth), 2.0f);
    EXPECT_NEAR(effect->getDerivedValue(kBaseFreq), 980.0L * 0.44L * 0.44L + 20.0L, 1e-4);
    EXPECT_EQ(effect->getDerivedValue(kEmphasis), 0.5f);
    EXPECT_EQ(effect->getDerivedValue(kProcess), 1.0f);
    EXPECT_EQ(effect->getDerivedValue(kPhase), 0.0f);
    for (VstInt32 k = 0; k < 5; ++k)
        EXPECT_EQ(effect->getParameter(k), effect->programStore().value(14, k)) << k;
    ASSERT_EQ(editor->changes.size(), 5u);  // the editor hears every value, in order
    for (VstInt32 k = 0; k < 5; ++k) EXPECT_EQ(editor->changes[k].index, k);
    EXPECT_EQ(host.count(audioMasterUpdateDisplay), displaysBefore + 1);
}

TEST_F(DuplimoEffect, EditorHearsEveryIndex) {
    RecordingEditor* editor = attachEditor();
    for (VstInt32 index : {0, 4, 5, 6, 99}) effect->setParameter(index, 0.25f);
    ASSERT_EQ(editor->changes.size(), 5u);
    EXPECT_EQ(editor->changes[2].index, 5);
    EXPECT_EQ(editor->changes[4].index, 99);
    EXPECT_EQ(editor->changes[4].value, 0.25f);
}

TEST_F(DuplimoEffect, SwitchesTurnOnAtOneHalf) {
    effect->setParameter(kProcess, 0.49f);
    EXPECT_EQ(effect->getDerivedValue(kProcess), 0.0f);
    EXPECT_EQ(display(kProcess), "Off");
    effect->setParameter(kProcess, 0.5f);
    EXPECT_EQ(effect->getDerivedValue(kProcess), 1.0f);
    effect->setParameter(kPhase, 1.7f);  // not clamped
    EXPECT_EQ(effect->getDerivedValue(kPhase), 2.0f);
    EXPECT_EQ(display(kPhase), "On");
}

TEST_F(DuplimoEffect, SuspendAndResumeClearTheExtraValueAndAskTheBlockSize) {
    const int asked = host.count(audioMasterGetBlockSize);
    effect->setParameter(6, 0.9f);
    effect->suspend();
    EXPECT_EQ(effect->getParameter(6), 0.0f);
    effect->setParameter(6, 0.9f);
    effect->resume();
    EXPECT_EQ(effect->getParameter(6), 0.0f);
    EXPECT_EQ(host.count(audioMasterGetBlockSize), asked + 2);
}

TEST_F(DuplimoEffect, DelayFollowsTheHostSampleRate) {
    effect->setSampleRate(48000.0f);
    effect->resume();
    effect->setParameter(kWidth, 1.0f);
    effect->setParameter(kBaseFreq, 0.0f);
    EXPECT_EQ(effect->delaySamples(), 2400);
    const Stereo<float> out = process(impulse<float>(2500));
    for (size_t n = 1; n < out.size(); ++n)
        ASSERT_EQ(out.left[n], n == 2400 ? 2.0f : 0.0f) << n;

    effect->setSampleRate(0.0f);  // a host that does not know its rate yet
    effect->suspend();
    EXPECT_EQ(effect->delaySamples(), 2205);
}

TEST_F(DuplimoEffect, ProcessOffPassesDenormalsAndEverythingElseUntouched) {
    effect->selectProgram(23);
    effect->setParameter(kProcess, 0.0f);
    Stereo<float> in = noise<float>(1000, 4);
    Stereo<double> inDouble = noise<double>(1000, 4);
    in.left[3] = std::numeric_limits<float>::denorm_min();
    inDouble.right[3] = std::numeric_limits<double>::denorm_min();
    const Stereo<float> out = process(in);
    const Stereo<double> outDouble = process(inDouble);
    EXPECT_EQ(0, std::memcmp(out.left.data(), in.left.data(), in.size() * sizeof(float)));
    EXPECT_EQ(0, std::memcmp(out.right.data(), in.right.data(), in.size() * sizeof(float)));
    EXPECT_EQ(0, std::memcmp(outDouble.left.data(), inDouble.left.data(),
                             in.size() * sizeof(double)));
    EXPECT_EQ(0, std::memcmp(outDouble.right.data(), inDouble.right.data(),
                             in.size() * sizeof(double)));
}

TEST_F(DuplimoEffect, ParameterPropertiesThroughTheDispatcher) {
    VstParameterProperties props;
    std::memset(&props, 0, sizeof props);
    ASSERT_EQ(effect->dispatcher(effGetParameterProperties, 1, 0, &props, 0.0f), 1);
    EXPECT_STREQ(props.label, "baseFreq");
    EXPECT_STREQ(props.shortLabel, "baseFre");
    EXPECT_EQ(props.flags, kVstParameterUsesFloatStep);
    EXPECT_EQ(props.stepFloat, 0.00390625f);
    ASSERT_EQ(effect->dispatcher(effGetParameterProperties, 2, 0, &props, 0.0f), 1);
    EXPECT_EQ(props.flags, kVstParameterUsesFloatStep);
    for (VstInt32 k : {3, 4}) {
        ASSERT_EQ(effect->dispatcher(effGetParameterProperties, k, 0, &props, 0.0f), 1);
        EXPECT_EQ(props.flags, kVstParameterIsSwitch | kVstParameterUsesFloatStep);
        EXPECT_EQ(props.smallStepFloat, 1.0f);
    }
    EXPECT_EQ(effect->dispatcher(effGetParameterProperties, 5, 0, &props, 0.0f), 0);
    EXPECT_EQ(effect->dispatcher(effGetParameterProperties, 6, 0, &props, 0.0f), 0);
}

}  // namespace
