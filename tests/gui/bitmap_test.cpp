#include <gtest/gtest.h>

#include "gui_test_support.h"

using namespace guitest;

namespace {

class Bitmaps : public ::testing::Test {
protected:
    void SetUp() override {
        // 4 x 4 quadrants: red, green above; blue, white below.
        resources.add(128, 4, 4, [](int x, int y) {
            if (y < 2) return x < 2 ? kRed : kGreen;
            return x < 2 ? kBlue : kWhite;
        });
        resources.add(7, "rgb.png", makePng(3, 2, solid(kGrey), false));
        context = COffscreenContext::create(nullptr, 10, 10);
        context->setFillColor(kBlackCColor);
        context->drawRect(CRect(0, 0, 10, 10), kDrawFilled);
    }
    void TearDown() override { context->forget(); }

    uint32_t at(int x, int y) { return pixelAt(context->getPixels(), x, y); }

    Resources resources;
    COffscreenContext* context = nullptr;
};

}  // namespace

TEST_F(Bitmaps, ResourcesAreFoundByNumberAndByName) {
    const gui::ResourceTable table = resources.table();
    ASSERT_NE(gui::findResource(table, 128), nullptr);
    EXPECT_EQ(gui::findResource(table, 128)->id, 128);
    ASSERT_NE(gui::findResource(table, "rgb.png"), nullptr);
    EXPECT_EQ(gui::findResource(table, "rgb.png")->id, 7);
    EXPECT_EQ(gui::findResource(table, 129), nullptr);
    EXPECT_EQ(gui::findResource(table, "missing.png"), nullptr);
    EXPECT_EQ(gui::findResource(table, static_cast<const char*>(nullptr)), nullptr);
}

TEST_F(Bitmaps, LoadedBitmapsHaveTheImageSizeAndMissingOnesAreEmpty) {
    CBitmap* loaded = resources.bitmap(128);
    EXPECT_TRUE(loaded->isLoaded());
    EXPECT_EQ(loaded->getWidth(), 4);
    EXPECT_EQ(loaded->getHeight(), 4);

    CBitmap* missing = resources.bitmap(999);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    missing->draw(context, CRect(0, 0, 10, 10));
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 10, 10), kBlack), 0);

    const unsigned char garbage[] = {1, 2, 3, 4};
    const gui::EmbeddedResource broken{5, "broken.png", garbage, sizeof garbage};
    CBitmap undecodable(gui::ResourceTable{&broken, 1}, 5);
    EXPECT_FALSE(undecodable.isLoaded());
    loaded->forget();
    missing->forget();
}

TEST_F(Bitmaps, AnImageWithoutAlphaBecomesOpaque) {
    CBitmap* rgb = new CBitmap(resources.table(), "rgb.png");
    ASSERT_TRUE(rgb->isLoaded());
    EXPECT_EQ(pixelAt(rgb->getPixels(), 2, 1), kGrey);
    rgb->forget();
}

TEST_F(Bitmaps, OnlyLoadedImagesWithoutAnyTranslucentPixelAreOpaque) {
    resources.add(2, 2, 2, [](int x, int y) { return x == 1 && y == 1 ? 0x80000000u : kRed; });
    CBitmap blank(4, 4);
    const struct {
        CBitmap* bitmap;
        bool opaque;
    } cases[] = {{resources.bitmap(128), true},
                 {new CBitmap(resources.table(), "rgb.png"), true},
                 {resources.bitmap(2), false},
                 {resources.bitmap(999), false},
                 {&blank, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.bitmap->isOpaque(), c.opaque);
        if (c.bitmap != &blank) c.bitmap->forget();
    }
}

TEST_F(Bitmaps, AnOpaqueImageReplacesTranslucentPixelsOnlyWhereItHasPixels) {
    COffscreenContext* layer = COffscreenContext::create(nullptr, 10, 10);
    layer->setFillColor(MakeCColor(0x40, 0x80, 0xc0, 0x40));
    layer->drawRect(CRect(0, 0, 10, 10), kDrawFilled);
    const uint32_t before = pixelAt(layer->getPixels(), 0, 0);
    ASSERT_NE(before >> 24, 0xffu);
    CBitmap* image = resources.bitmap(128);
    image->draw(layer, CRect(1, 1, 9, 9), CPoint(1, 0));  // 3 x 4 of the image remain
    const gui::PixelView pixels = layer->getPixels();
    EXPECT_EQ(pixelAt(pixels, 1, 1), kRed);
    EXPECT_EQ(pixelAt(pixels, 3, 4), kWhite);
    EXPECT_EQ(countNot(pixels, CRect(1, 1, 4, 5), before), 12);
    EXPECT_EQ(countNot(pixels, CRect(0, 0, 10, 10), before), 12);
    image->forget();
    layer->forget();
}

TEST_F(Bitmaps, DrawingStartsAtTheSourceOffsetAndStaysInsideTheRectangle) {
    CBitmap* image = resources.bitmap(128);
    // Source (2, 0): the green quadrant above the white one, at (5, 5).
    image->draw(context, CRect(5, 5, 7, 9), CPoint(2, 0));
    EXPECT_EQ(at(5, 5), kGreen);
    EXPECT_EQ(at(6, 6), kGreen);
    EXPECT_EQ(at(5, 7), kWhite);
    EXPECT_EQ(at(6, 8), kWhite);
    EXPECT_EQ(at(7, 5), kBlack);  // right of the rectangle
    EXPECT_EQ(at(4, 5), kBlack);
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 10, 10), kBlack), 8);

    // A rectangle larger than what remains of the image draws only the image.
    image->draw(context, CRect(0, 0, 5, 5), CPoint(3, 3));
    EXPECT_EQ(at(0, 0), kWhite);
    EXPECT_EQ(at(1, 0), kBlack);
    EXPECT_EQ(at(0, 1), kBlack);
    image->forget();
}

TEST_F(Bitmaps, OpacityBlendsOverWhatIsThere) {
    CBitmap* image = resources.bitmap(128);
    image->draw(context, CRect(0, 0, 1, 1), CPoint(3, 3), 0.5f);  // white at half
    image->draw(context, CRect(1, 0, 3, 2), CPoint(2, 2), 0.5f);  // larger area too
    for (uint32_t pixel : {at(0, 0), at(2, 1)}) {
        EXPECT_EQ(pixel >> 24, 0xffu);
        EXPECT_NEAR(static_cast<int>((pixel >> 16) & 0xff), 128, 1);
        EXPECT_NEAR(static_cast<int>(pixel & 0xff), 128, 1);
    }
    image->forget();
}

TEST_F(Bitmaps, TheClipRectangleLimitsEveryKindOfDrawing) {
    CBitmap* image = resources.bitmap(128);
    context->setClipRect(CRect(2, 2, 4, 4));
    image->draw(context, CRect(0, 0, 10, 10), CPoint(0, 0));
    context->drawPoint(CPoint(8, 8), kWhiteCColor);
    image->draw(context, CRect(9, 9, 10, 10), CPoint(3, 3));  // one-pixel path
    context->setFillColor(kWhiteCColor);
    context->drawRect(CRect(0, 6, 10, 10), kDrawFilled);
    const CPixelPosition plotted[] = {{3, 3}, {1, 3}, {4, 2}, {5, 5}};  // only (3, 3) is inside
    context->drawPenPixels(image, plotted, 4);  // the image's top-left pixel: red
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 10, 10), kBlack), 4);
    EXPECT_EQ(at(2, 2), kWhite);  // the lower right quadrant of the image
    EXPECT_EQ(at(3, 3), kRed);
    image->forget();
}

TEST_F(Bitmaps, OnePixelDrawsMatchTheGeneralPath) {
    resources.add(3, 1, 1, solid(0x80400000u));  // half-transparent dark red, premultiplied
    CBitmap* pen = resources.bitmap(3);
    context->drawBitmap(pen, CRect(1, 1, 2, 2));           // direct pixel write
    context->drawBitmap(pen, CRect(3, 1, 4, 2), CPoint(), 0.999f);  // through Cairo
    const CPixelPosition plotted[] = {{5, 1}};
    context->drawPenPixels(pen, plotted, 1);  // in place, many at once
    const uint32_t direct = at(1, 1);
    const uint32_t general = at(3, 1);
    EXPECT_EQ(at(5, 1), direct);
    EXPECT_NEAR(static_cast<int>((direct >> 16) & 0xff), static_cast<int>((general >> 16) & 0xff), 1);
    EXPECT_EQ(direct >> 24, 0xffu);
    EXPECT_EQ(direct & 0xffff, 0u);
    EXPECT_NEAR(static_cast<int>((direct >> 16) & 0xff), 0x40, 1);
    pen->forget();
}

TEST_F(Bitmaps, AnOffscreenImageStartsTransparentAndCopiesOver) {
    COffscreenContext* layer = COffscreenContext::create(nullptr, 4, 4);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(countNot(layer->getPixels(), CRect(0, 0, 4, 4), 0u), 0);
    layer->drawPoint(CPoint(1, 2), kRedCColor);
    layer->copyFrom(context, CRect(5, 5, 9, 9));
    EXPECT_EQ(at(6, 7), kRed);
    EXPECT_EQ(countNot(context->getPixels(), CRect(0, 0, 10, 10), kBlack), 1);
    EXPECT_EQ(COffscreenContext::create(nullptr, 0, 4), nullptr);
    layer->forget();
}

namespace {

class Counted : public CBaseObject {
public:
    explicit Counted(bool& deleted) : deleted_(deleted) { deleted_ = false; }
    ~Counted() override { deleted_ = true; }

private:
    bool& deleted_;
};

}  // namespace

TEST(ReferenceCounting, TheLastForgetDeletes) {
    bool deleted = false;
    auto* object = new Counted(deleted);
    EXPECT_EQ(object->getNbReference(), 1);
    object->remember();
    object->forget();
    EXPECT_FALSE(deleted);
    object->forget();
    EXPECT_TRUE(deleted);
}

TEST(ReferenceCounting, SharedPointersHoldOneReferenceEach) {
    bool deleted = false;
    auto* object = new Counted(deleted);
    {
        SharedPointer<Counted> a(object);
        SharedPointer<Counted> b = a;
        EXPECT_EQ(object->getNbReference(), 3);
        SharedPointer<Counted> c = std::move(b);
        EXPECT_EQ(object->getNbReference(), 3);
        a = nullptr;
        EXPECT_EQ(object->getNbReference(), 2);
    }
    EXPECT_EQ(object->getNbReference(), 1);
    object->forget();
    EXPECT_TRUE(deleted);
}

TEST(ReferenceCounting, ACopiedViewSharesItsBackgroundAndStartsDetached) {
    Resources resources;
    resources.add(1, 2, 2, solid(kRed));
    CBitmap* image = resources.bitmap(1);
    auto* view = new CView(CRect(0, 0, 2, 2));
    view->setBackground(image);
    auto* copy = static_cast<CView*>(view->newCopy());
    EXPECT_EQ(image->getNbReference(), 3);
    EXPECT_EQ(copy->getNbReference(), 1);
    EXPECT_EQ(copy->getBackground(), image);
    EXPECT_TRUE(copy->isTypeOf("CView"));
    EXPECT_FALSE(copy->isTypeOf("CControl"));
    view->forget();
    copy->forget();
    EXPECT_EQ(image->getNbReference(), 1);
    image->forget();
}
