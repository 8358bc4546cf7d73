// Helpers of the editor tests: an effect with its editor on a headless
// face, finding the face's views, reading what the face shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/ad_editor_base.h"
#include "gui/widgets.h"
#include "plugins/solvane/solvane.h"
#include "tests/support/test_host.h"

namespace edtest {

constexpr int kFaceWidth = 302;
constexpr int kFaceHeight = 343;

// An effect with its editor made in the test process (the test links the
// plug-in's code), answered by a recording TestHost.
class EditorTestBase : public ::testing::Test {
protected:
    // Takes the editor `effect` made for itself.
    void attach(AudioEffect* effect);
    // Opens the editor without a parent window and returns its frame.
    CFrame* openHeadless();
    std::vector<HostCall> callsOf(VstInt32 opcode) const;
    // Runs `blocks` blocks of constant levels, about three seconds by default,
    // long enough for the level followers to settle.
    void process(float left, float right, int blocks = 32);

    TestHost host;
    ADEditorBase* editor = nullptr;

private:
    AudioEffect* processed_ = nullptr;
};

template <class Effect>
class EffectEditorTest : public EditorTestBase {
protected:
    void SetUp() override {
        TestHost::current = &host;
        effect = std::make_unique<Effect>(&TestHost::callback);
        attach(effect.get());
    }
    void TearDown() override {
        effect.reset();
        TestHost::current = nullptr;
    }

    std::unique_ptr<Effect> effect;
};

using SolvaneEditorTest = EffectEditorTest<Solvane>;

// The controls of `frame` that are of class `type` (or derive from it), in
// the order they were added.
std::vector<CControl*> controlsOfType(CFrame* frame, const char* type);
// The control of class `type` with `tag`, or null.
CControl* controlWithTag(CFrame* frame, const char* type, int32_t tag);
// The view whose rectangle is `rect`, or null.
CView* viewWithRect(CFrame* frame, const CRect& rect);
// The text a parameter display shows now.
std::string textOf(CView* display);

// Pixels of `area` of an image, row by row.
std::vector<uint32_t> pixelsOf(const gui::PixelView& image, const CRect& area);
// What `area` shows when `text` is drawn over the piece of `background`
// at `backOffset`, as a parameter display of the face draws it.
std::vector<uint32_t> expectedText(CBitmap* background, const CRect& area,
                                   const CPoint& backOffset, const char* text,
                                   CHoriTxtAlign align, CFontRef font, const CColor& colour);

// How many columns of the meter at `area` show the lit strip, with the rest
// showing the unlit strip; -1 when the meter shows neither that way.
int litColumns(const gui::PixelView& face, const CRect& area, CBitmap* lit, CBitmap* unlit);

}  // namespace edtest
