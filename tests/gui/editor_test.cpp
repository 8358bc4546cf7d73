#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "host/audio_effect.h"
#include "tests/support/test_host.h"

using namespace guitest;

namespace {

constexpr VstInt32 kParams = 3;
constexpr int32_t kPresetBarTag = 1000;

class SilentEffect : public AudioEffect {
public:
    SilentEffect() : AudioEffect(&TestHost::callback, 1, kParams) {}
    void processReplacing(float**, float**, VstInt32) override {}
    void processDoubleReplacing(double**, double**, VstInt32) override {}
};

// An editor whose face is one slider (parameter 1), one kick button with a
// tag that is not a parameter, a text field and a probe.
class FaceEditor : public AEffGUIEditor, public CControlListener {
public:
    explicit FaceEditor(AudioEffect* effect) : AEffGUIEditor(effect) {}

    bool open(void* parent) override {
        AEffGUIEditor::open(parent);
        GuiLock lock(guiMutex());
        frame = makeFrame(200, 100, this);
        frame->addView(new CHorizontalSlider(CRect(0, 0, 100, 20), this, 1, 0, 84, nullptr,
                                             nullptr, CPoint(0, 0), kLeft));
        frame->addView(new CKickButton(CRect(0, 30, 20, 40), this, kPresetBarTag, nullptr));
        text = new CTextEdit(CRect(0, 50, 100, 66), this, kPresetBarTag + 1, "abc");
        frame->addView(text);
        probe = new ProbeView(CRect(150, 0, 200, 100), &probeDeleted);
        frame->addView(probe);
        return true;
    }
    void idle() override {
        ++idles;
        AEffGUIEditor::idle();
    }
    void valueChanged(CControl* control) override { changedTags.push_back(control->getTag()); }

    CTextEdit* text = nullptr;
    ProbeView* probe = nullptr;
    bool probeDeleted = false;
    int idles = 0;
    std::vector<int32_t> changedTags;
};

class Editor : public ::testing::Test {
protected:
    void SetUp() override { TestHost::current = &host; }
    void TearDown() override { TestHost::current = nullptr; }

    std::vector<HostCall> editCalls() const {
        std::vector<HostCall> out;
        for (const HostCall& call : host.calls)
            if (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterEndEdit)
                out.push_back(call);
        return out;
    }

    TestHost host;
    SilentEffect effect;
};

}  // namespace

TEST_F(Editor, AGestureOnAParameterControlIsBracketedForTheHost) {
    FaceEditor editor(&effect);
    editor.open(nullptr);
    CFrame* frame = editor.getFrame();
    press(frame, 10, 10);
    move(frame, 50, 10, kLButton);
    release(frame, 50, 10);
    const std::vector<HostCall> calls = editCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[0].index, 1);
    EXPECT_EQ(calls[1].opcode, audioMasterEndEdit);
    EXPECT_EQ(calls[1].index, 1);
    EXPECT_EQ(editor.changedTags.front(), 1);
}

TEST_F(Editor, ControlsWhoseTagIsNoParameterDoNotReachTheHost) {
    FaceEditor editor(&effect);
    editor.open(nullptr);
    click(editor.getFrame(), 10, 35);
    EXPECT_TRUE(editCalls().empty());
    EXPECT_EQ(editor.changedTags, (std::vector<int32_t>{kPresetBarTag, kPresetBarTag}));
}

TEST_F(Editor, IdleRedrawsTheFrameAndTheWindowTickIdlesTheEditor) {
    FaceEditor editor(&effect);
    editor.open(nullptr);
    editor.idle();
    EXPECT_EQ(editor.probe->draws, 1);
    editor.probe->setDirty();
    editor.getFrame()->getWindowListener().onIdle();
    EXPECT_EQ(editor.idles, 2);
    EXPECT_EQ(editor.probe->draws, 2);
    EXPECT_NE(editor.getGuiMutex(), nullptr);
}

TEST_F(Editor, KeysGoToTheFocusedTextField) {
    FaceEditor editor(&effect);
    editor.open(nullptr);
    VstKeyCode key{'d', 0, 0};
    EXPECT_FALSE(editor.onKeyDown(key));  // no focus yet
    click(editor.getFrame(), 50, 55);
    EXPECT_TRUE(editor.onKeyDown(key));
    VstKeyCode enter{0, kVirtualKeyReturn, 0};
    EXPECT_TRUE(editor.onKeyDown(enter));
    EXPECT_STREQ(editor.text->getText(), "abcd");
}

TEST_F(Editor, DestroyingTheEditorClosesAFrameLeftOpen) {
    bool deleted = false;
    {
        FaceEditor editor(&effect);
        editor.open(nullptr);
        editor.getFrame()->addView(new ProbeView(CRect(0, 0, 1, 1), &deleted));
    }
    EXPECT_TRUE(deleted);
}

TEST_F(Editor, TheKnobModeIsSharedByAllEditors) {
    FaceEditor first(&effect);
    FaceEditor second(&effect);
    EXPECT_TRUE(first.setKnobMode(2));
    EXPECT_EQ(second.getKnobMode(), 2);
    first.setKnobMode(0);
}
