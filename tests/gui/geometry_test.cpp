#include <gtest/gtest.h>

#include "gui/geometry.h"

TEST(Rect, RightAndBottomEdgesAreOutside) {
    const CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.pointInside(CPoint(10, 20)));
    EXPECT_TRUE(r.pointInside(CPoint(29.5, 39.5)));
    EXPECT_FALSE(r.pointInside(CPoint(30, 25)));
    EXPECT_FALSE(r.pointInside(CPoint(15, 40)));
    EXPECT_FALSE(r.pointInside(CPoint(9.9, 25)));
    EXPECT_DOUBLE_EQ(r.width(), 20);
    EXPECT_DOUBLE_EQ(r.height(), 20);
}

TEST(Rect, OffsetInsetAndMoveKeepOrChangeTheSizeAsNamed) {
    CRect r(0, 0, 10, 8);
    r.offset(5, -2);
    EXPECT_EQ(r, CRect(5, -2, 15, 6));
    r.inset(2, 1);
    EXPECT_EQ(r, CRect(7, -1, 13, 5));
    r.moveTo(100, 50);
    EXPECT_EQ(r, CRect(100, 50, 106, 56));
    EXPECT_EQ(CRect(CPoint(3, 4), CPoint(10, 20)), CRect(3, 4, 13, 24));
}

TEST(Rect, BoundIsTheIntersectionAndEmptyWhenDisjoint) {
    CRect r(0, 0, 100, 100);
    r.bound(CRect(50, -10, 150, 60));
    EXPECT_EQ(r, CRect(50, 0, 100, 60));

    CRect apart(0, 0, 10, 10);
    apart.bound(CRect(20, 20, 30, 30));
    EXPECT_TRUE(apart.isEmpty());
    EXPECT_FALSE(CRect(0, 0, 10, 10).rectOverlap(CRect(10, 0, 20, 10)));
    EXPECT_TRUE(CRect(0, 0, 10, 10).rectOverlap(CRect(9, 9, 20, 20)));
}

TEST(Rect, UniteIgnoresEmptyRectangles) {
    CRect r;
    r.unite(CRect(5, 5, 10, 10));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    r.unite(CRect(50, 50, 50, 60));  // zero width
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    r.unite(CRect(0, 8, 6, 20));
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
}

TEST(UpdateRegion, MergesTouchingRectanglesAndKeepsSeparateOnes) {
    UpdateRegion region;
    region.add(CRect(0, 0, 10, 10));
    region.add(CRect(10, 0, 20, 10));  // touches: merges
    region.add(CRect(100, 100, 110, 110));
    region.add(CRect(0, 0, 0, 5));  // empty: ignored
    std::vector<CRect> rects = region.take();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], CRect(0, 0, 20, 10));
    EXPECT_EQ(rects[1], CRect(100, 100, 110, 110));
    EXPECT_TRUE(region.empty());
}

TEST(UpdateRegion, ABridgingRectangleJoinsEverythingItTouches) {
    UpdateRegion region;
    region.add(CRect(0, 0, 10, 10));
    region.add(CRect(30, 0, 40, 10));
    region.add(CRect(5, 5, 35, 8));
    std::vector<CRect> rects = region.take();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], CRect(0, 0, 40, 10));
}

TEST(UpdateRegion, ManyScatteredRectanglesCollapseIntoTheirBounds) {
    UpdateRegion region;
    for (int i = 0; i < 40; ++i) region.add(CRect(i * 10, i * 10, i * 10 + 5, i * 10 + 5));
    std::vector<CRect> rects = region.take();
    ASSERT_LE(rects.size(), 17u);
    CRect all;
    for (const CRect& r : rects) all.unite(r);
    EXPECT_EQ(all, CRect(0, 0, 395, 395));
}
