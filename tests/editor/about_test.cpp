// The about screen on solvane's face: shown as the frame's modal view over
// the face, closed by a left click on it, and its text lines.
#include <cairo.h>

#include <cstdio>

#include "editor/about.h"
#include "plugins/solvane/solvane_editor.h"
#include "tests/editor/editor_test_support.h"
#include "tests/gui/gui_test_support.h"

using namespace edtest;
using guitest::click;
using guitest::press;
using guitest::release;

namespace {

const CRect kClickArea(70, 282, 225, 302);
const CRect kDisplayArea(41, 105.5, 261, 205.5);
const CPoint kOnImageAndBalanceSlider(150, 160);
// The rows and columns the image covers whole (its top and bottom rows are
// half pixels).
const CRect kWholeImagePixels(41, 106, 261, 205);

class AboutScreen : public SolvaneEditorTest {
protected:
    void SetUp() override {
        SolvaneEditorTest::SetUp();
        frame = openHeadless();
        ASSERT_NE(frame, nullptr);
    }

    // The shown image as the test expects it, with `title` as its first line.
    std::vector<uint32_t> expectedImage(const char* title) {
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kFaceWidth, kFaceHeight);
        auto* context = new CDrawContext(surface);
        cairo_surface_destroy(surface);
        auto* image = new CBitmap(solvaneResources(), 141);
        image->draw(context, kDisplayArea);
        CRect line(41, 113.5, 261, 128.5);  // text origin (0, 8), lines 15 high
        context->setFont(kNormalFontSmaller);
        context->setFontColor(MakeCColor(45, 45, 120));
        for (const char* text :
             {title, CSplashScreenMyView::kCreditLine, CSplashScreenMyView::kContactLine}) {
            context->drawString(text, line, kCenterText, true);
            line.offset(0, 17);
        }
        context->setFont(kNormalFontVerySmall);
        context->setFontColor(MakeCColor(60, 60, 60));
        context->drawString("VST PlugIn Technology by Steinberg", CRect(41, 184.5, 261, 199.5),
                            kCenterText, true);
        std::vector<uint32_t> pixels = pixelsOf(context->getPixels(), kWholeImagePixels);
        image->forget();
        context->forget();
        return pixels;
    }
    std::vector<uint32_t> shownImage() {
        editor->idle();
        return pixelsOf(frame->getBackBuffer(), kWholeImagePixels);
    }

    CFrame* frame = nullptr;
};

TEST_F(AboutScreen, ALeftClickShowsItAsTheModalViewAndOnlyALeftClickOnItHidesIt) {
    EXPECT_EQ(press(frame, 100, 290, kRButton), kMouseEventNotHandled);
    EXPECT_FALSE(editor->isAboutShown());
    EXPECT_EQ(frame->getModalView(), nullptr);

    click(frame, 100, 290);
    ASSERT_TRUE(editor->isAboutShown());
    CView* shown = frame->getModalView();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isTypeOf("CSplashScreenMyView"));
    EXPECT_EQ(shown->getViewSize(), kDisplayArea);

    // The face beneath does not react, whatever the button.
    host.calls.clear();
    CPoint where = kOnImageAndBalanceSlider;
    EXPECT_EQ(frame->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(editor->isAboutShown());
    click(frame, 100, 290);  // the click area lies outside the image: nothing
    EXPECT_TRUE(editor->isAboutShown());
    EXPECT_TRUE(callsOf(audioMasterAutomate).empty());

    click(frame, kOnImageAndBalanceSlider.x, kOnImageAndBalanceSlider.y);
    EXPECT_FALSE(editor->isAboutShown());
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_TRUE(callsOf(audioMasterAutomate).empty());
    // The second click reaches the face again.
    click(frame, kOnImageAndBalanceSlider.x, kOnImageAndBalanceSlider.y);
    EXPECT_EQ(callsOf(audioMasterAutomate).size(), 1u);
}

TEST_F(AboutScreen, ItShowsTheNameAndVersionWithThreeBlanksAndTheMakersLines) {
    char title[64];
    CSplashScreenMyView::titleLine("solvane", title, sizeof title);
    EXPECT_STREQ(title, "solvane   v.1.9.8");

    const std::vector<uint32_t> before = shownImage();
    click(frame, 100, 290);
    const std::vector<uint32_t> shown = shownImage();
    EXPECT_NE(shown, before);
    EXPECT_EQ(shown, expectedImage("solvane   v.1.9.8"));
    EXPECT_NE(shown, expectedImage("solvane  v.1.9.8"));
    EXPECT_NE(shown, expectedImage("solvane    v.1.9.8"));

    click(frame, 150, 150);
    EXPECT_EQ(shownImage(), before);  // the face is whole again
}

TEST_F(AboutScreen, ClosingTheEditorWhileShownTakesItDown) {
    click(frame, 100, 290);
    ASSERT_TRUE(editor->isAboutShown());
    editor->close();
    EXPECT_FALSE(editor->isAboutShown());
    frame = openHeadless();
    EXPECT_FALSE(editor->isAboutShown());
    EXPECT_EQ(frame->getModalView(), nullptr);
}

TEST_F(AboutScreen, UnsplashFromElsewhereAlsoTakesTheImageOff) {
    click(frame, 100, 290);
    auto* about = dynamic_cast<CAbout*>(controlWithTag(frame, "CAbout", 10));
    ASSERT_NE(about, nullptr);
    const int32_t views = frame->getNbViews();
    about->unSplash();
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(frame->getNbViews(), views - 1);
    EXPECT_FALSE(editor->isAboutShown());
}

}  // namespace
