#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "gui_test_support.h"

using namespace guitest;

namespace {

class Text : public ::testing::Test {
protected:
    void SetUp() override {
        context = COffscreenContext::create(nullptr, 120, 40);
        clear();
    }
    void TearDown() override { context->forget(); }

    void clear() {
        context->resetClipRect();
        context->setFillColor(kWhiteCColor);
        context->drawRect(CRect(0, 0, 120, 40), kDrawFilled);
    }
    gui::PixelView pixels() { return context->getPixels(); }
    // The leftmost column with ink, or -1.
    int firstInkColumn() {
        for (int x = 0; x < 120; ++x)
            if (countNot(pixels(), CRect(x, 0, x + 1, 40), kWhite) > 0) return x;
        return -1;
    }

    COffscreenContext* context = nullptr;
};

}  // namespace

TEST_F(Text, AStringDrawsInkInsideItsRectangleOnly) {
    const CRect box(10, 10, 80, 27);
    context->setFont(kNormalFontSmall);
    context->setFontColor(kBlackCColor);
    context->drawString("width 100%", box, kLeftText);
    EXPECT_GT(countNot(pixels(), box, kWhite), 40);
    EXPECT_EQ(countNot(pixels(), CRect(0, 0, 120, 40), kWhite), countNot(pixels(), box, kWhite));
}

TEST_F(Text, ALongStringIsCutAtTheRectangle) {
    const CRect box(10, 10, 30, 27);
    context->setFont(kNormalFontSmall);
    context->drawString("a string far wider than its box", box, kLeftText);
    EXPECT_GT(countNot(pixels(), box, kWhite), 0);
    EXPECT_EQ(countNot(pixels(), CRect(30, 0, 120, 40), kWhite), 0);
}

TEST_F(Text, AlignmentMovesTheInk) {
    const CRect box(0, 0, 120, 40);
    context->setFont(kNormalFontSmall);
    context->drawString("M", box, kLeftText);
    const int left = firstInkColumn();
    clear();
    context->drawString("M", box, kCenterText);
    const int centre = firstInkColumn();
    clear();
    context->drawString("M", box, kRightText);
    const int right = firstInkColumn();
    EXPECT_LE(left, 2);
    EXPECT_NEAR(centre, 60 - context->getStringWidth("M") / 2, 2);
    EXPECT_GE(right, 110);
}

TEST_F(Text, TheStandardFontsResolveAndGrowWithTheirSize) {
    context->setFont(kNormalFontVerySmall);
    const CCoord nine = context->getStringWidth("stability");
    context->setFont(kNormalFontSmaller);
    const CCoord ten = context->getStringWidth("stability");
    context->setFont(kNormalFontSmall);
    const CCoord eleven = context->getStringWidth("stability");
    EXPECT_GT(nine, 20);
    EXPECT_LT(nine, ten);
    EXPECT_LT(ten, eleven);
    EXPECT_STREQ(kNormalFontSmall->getName(), "Arial");
    EXPECT_EQ(kNormalFontSmall->getSize(), 11);
    EXPECT_EQ(kNormalFontSmaller->getSize(), 10);
    EXPECT_EQ(kNormalFontVerySmall->getSize(), 9);
}

TEST(StandardFonts, AreNeverCountedNorChanged) {
    const int32_t before = kNormalFontSmall->getNbReference();
    for (int k = 0; k < 3; ++k) kNormalFontSmall->forget();  // must not delete a static font
    kNormalFontSmall->remember();
    EXPECT_EQ(kNormalFontSmall->getNbReference(), before);
    kNormalFontSmall->setSize(30);
    kNormalFontSmall->setName("Courier");
    EXPECT_EQ(kNormalFontSmall->getSize(), 11);
    EXPECT_STREQ(kNormalFontSmall->getName(), "Arial");

    // A copy is a font of its own.
    auto* copy = static_cast<CFontDesc*>(kNormalFontSmall->newCopy());
    copy->setSize(30);
    EXPECT_EQ(copy->getSize(), 30);
    EXPECT_FALSE(copy->isShared());
    copy->forget();
}

TEST(StandardFonts, TwoEditorThreadsDrawWithThemAtOnce) {
    // Each thread stands for one editor's window thread: its frame, texts and
    // menu pop-ups all use the standard fonts. Run under ThreadSanitizer.
    auto editorThread = [] {
        for (int round = 0; round < 20; ++round) {
            CFrame* frame = makeFrame(200, 200);
            frame->addView(new CParamDisplay(CRect(0, 0, 60, 16)));
            auto* menu = new COptionMenu(CRect(0, 20, 60, 36), nullptr, 1);
            for (const char* entry : {"one", "two", "three"}) menu->addEntry(entry);
            frame->addView(menu);
            frame->idle();
            press(frame, 10, 25);  // opens the pop-up
            frame->idle();
            press(frame, 190, 190);  // and closes it
            frame->close();
        }
    };
    std::thread other(editorThread);
    editorThread();
    other.join();
    EXPECT_EQ(kNormalFontSmall->getNbReference(), 1);
    EXPECT_EQ(kSystemFont->getNbReference(), 1);
}

TEST_F(Text, AntialiasingGivesGreyEdgesAndItsAbsenceTwoLevels) {
    const CRect box(0, 0, 120, 40);
    context->setFont(kNormalFontSmall);
    context->drawString("stereo", box, kCenterText, true);
    std::set<uint32_t> smooth;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) smooth.insert(pixelAt(pixels(), x, y));
    clear();
    context->drawString("stereo", box, kCenterText, false);
    std::set<uint32_t> sharp;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) sharp.insert(pixelAt(pixels(), x, y));
    EXPECT_GT(smooth.size(), 4u);
    EXPECT_EQ(sharp.size(), 2u);
}

TEST_F(Text, TheSameStringRendersTheSameEveryTime) {
    const CRect box(5, 5, 115, 35);
    context->setFont(kNormalFontSmaller);
    context->drawString("v.1.9.8", box);
    std::vector<uint32_t> first(pixels().pixels, pixels().pixels + 40 * pixels().stridePixels);
    clear();
    context->drawString("v.1.9.8", box);
    std::vector<uint32_t> second(pixels().pixels, pixels().pixels + 40 * pixels().stridePixels);
    EXPECT_EQ(first, second);
}
