// scopra's goniometer view on its own: which pixels a batch of points
// lights, the fade, the hold layer and when a clear takes effect.
#include <gtest/gtest.h>

#include <array>

#include "gui/widgets.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "plugins/scopra/scopra_oscilloscope.h"
#include "plugins/scopra/scopra_editor.h"
#include "tests/editor/scopra_test_support.h"

using namespace scopra::face;
using scopra::ScopePoint;
using scopratest::kBrightPen;

namespace {

constexpr int kWhite = 0xffffffff;
// Points away from the graticule's lines and labels, as offsets from the centre.
constexpr ScopePoint kA{-40, 20}, kB{-30, 45}, kC{40, -15}, kD{-65, -20}, kE{25, 50};

class ScopeView : public ::testing::Test {
protected:
    void SetUp() override {
        const gui::ResourceTable& art = scopraResources();
        auto* size = new CBitmap(art, kScopeSizeBitmap);
        auto* overlay = new CBitmap(art, kGraticuleName);
        auto* bright = new CBitmap(art, kBrightPenBitmap);
        auto* dark = new CBitmap(art, kDarkPenBitmap);
        scope = new COsciloscope(kScope.rect(), nullptr, size, overlay, bright, dark);
        for (CBitmap* bitmap : {size, overlay, bright, dark}) bitmap->forget();
        face = COffscreenContext::create(nullptr, kFaceWidth, kFaceHeight);
    }
    void TearDown() override {
        scope->forget();
        face->forget();
    }
    // A fresh view for the next case of a table.
    void renew() {
        TearDown();
        SetUp();
    }

    // Draws a batch whose point in position 1 is `p`, the rest at the centre,
    // over a white face.
    void drawWith(const ScopePoint& p, const ScopePoint& first = {0, 0}) {
        std::array<ScopePoint, 512> batch{};
        batch[0] = first;
        batch[1] = p;
        scope->setPoints(batch.data(), static_cast<int>(batch.size()));
        face->setFillColor(kWhiteCColor);
        face->drawRect(CRect(0, 0, kFaceWidth, kFaceHeight), kDrawFilled);
        scope->draw(face);
    }
    uint32_t pixelOf(const ScopePoint& p) {
        const gui::PixelView shown = face->getPixels();
        const int x = static_cast<int>(kScope.left) + kScopeCentreX + static_cast<int>(p.x);
        const int y = static_cast<int>(kScope.top) + kScopeCentreY + static_cast<int>(p.y);
        return shown.pixels[y * shown.stridePixels + x];
    }
    bool bright(const ScopePoint& p) { return pixelOf(p) == kBrightPen; }
    // Dark green from the hold layer (seen through the graticule's wash).
    bool held(const ScopePoint& p) {
        const uint32_t v = pixelOf(p);
        const int r = (v >> 16) & 0xff, g = (v >> 8) & 0xff;
        return v != kBrightPen && g > 90 && g > r + 60;
    }
    int brightCount() {
        const gui::PixelView shown = face->getPixels();
        int n = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) n += shown.pixels[y * shown.stridePixels + x] == kBrightPen;
        return n;
    }

    COsciloscope* scope = nullptr;
    COffscreenContext* face = nullptr;
};

TEST_F(ScopeView, PointsAtTheCentreLightOnePixelAndPositionZeroIsNeverPlotted) {
    drawWith({0, 0}, kA);
    EXPECT_EQ(brightCount(), 1);
    EXPECT_TRUE(bright({0, 0}));  // layer pixel (88, 80)
    EXPECT_FALSE(bright(kA));
    drawWith(kB);
    EXPECT_TRUE(bright(kB));
    EXPECT_EQ(brightCount(), 2);
}

TEST_F(ScopeView, FirstDrawFadesInOverTheFaceWithHoldOffAndStartsFromBlackWithHoldOn) {
    const ScopePoint empty{-20, 60};
    for (int hold : {0, 1}) {
        SCOPED_TRACE(hold);
        renew();
        scope->setHold(static_cast<float>(hold));
        drawWith(kA);
        const uint32_t shown = pixelOf(empty);
        if (hold) {
            EXPECT_EQ(shown & 0xffffff, 0u);
        } else {
            EXPECT_GT(shown & 0xff, 200u) << std::hex << shown;  // white through one wash
            EXPECT_LT(shown & 0xff, 255u);
        }
    }
}

TEST_F(ScopeView, HeldPointsStayDarkUntilAClearAndShowOnceMoreAfterIt) {
    scope->setHold(1.f);
    drawWith(kA);  // the view starts with a clear request: kA goes at once
    drawWith(kB);
    EXPECT_FALSE(held(kA));
    EXPECT_TRUE(bright(kB));
    drawWith(kC);
    EXPECT_TRUE(held(kB));
    EXPECT_TRUE(bright(kC));
    CPoint where(100, 100);
    EXPECT_EQ(scope->onMouseDown(where, CButtonState(kLButton)),
              kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    drawWith(kD);
    EXPECT_TRUE(held(kB));
    EXPECT_TRUE(held(kC));
    EXPECT_TRUE(bright(kD));
    drawWith(kE);
    EXPECT_FALSE(held(kB));
    EXPECT_FALSE(held(kC));
    EXPECT_FALSE(held(kD));
    EXPECT_TRUE(bright(kE));
}

TEST_F(ScopeView, ClearsWaitForHoldAndOnlyTheLeftButtonAsksForOne) {
    struct Case {
        const char* name;
        bool holdOffWhileAsked;
        int32_t button;
        bool keptAfterwards;
    } cases[] = {
        {"left click with hold on", false, kLButton, false},
        {"right click with hold on", false, kRButton, true},
        {"left click with hold off", true, kLButton, false},
        {"no click with hold off", true, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        renew();
        scope->setHold(1.f);
        drawWith(kA);
        drawWith(kB);
        if (c.holdOffWhileAsked) {
            scope->setHold(0.f);
            drawWith(kC);
        }
        CPoint where(100, 100);
        if (c.button) {
            EXPECT_EQ(scope->onMouseDown(where, CButtonState(c.button)),
                      kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        }
        if (c.holdOffWhileAsked) {
            drawWith(kC);  // the request waits through draws without hold
            scope->setHold(1.f);
        }
        drawWith(kD);
        drawWith(kE);
        EXPECT_EQ(held(kD), c.keptAfterwards);
    }
}

}  // namespace
