#include "face_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace arttest {

namespace {

constexpr int kPanelEdge = 2;  // outline and bevel columns at the face's right edge

Area clipped(Area a, int width, int height) {
    return {std::max(a.left, 0), std::max(a.top, 0), std::min(a.right, width),
            std::min(a.bottom, height)};
}

Area moved(Area a, int x, int y) { return {x, y, x + (a.right - a.left), y + (a.bottom - a.top)}; }

testing::Message where(const TextDisplay& text) {
    return testing::Message() << "text at " << text.rect.left << "," << text.rect.top;
}

}  // namespace

void expectTextsOnPlainPanel(const Pixels& background, const std::vector<TextDisplay>& texts) {
    ASSERT_FALSE(background.empty());
    ASSERT_FALSE(texts.empty());
    Area first = texts.front().rect;
    Rgba panel = background.at(first.left, first.top);
    for (const auto& text : texts) {
        SCOPED_TRACE(where(text));
        Area inner = clipped(text.rect, background.width() - kPanelEdge, background.height());
        EXPECT_TRUE(background.uniform(inner));
        EXPECT_EQ(background.at(inner.left, inner.top), panel);
    }
}

void expectSeamlessCopies(const Pixels& background, const std::vector<TextDisplay>& texts) {
    ASSERT_FALSE(background.empty());
    for (const auto& text : texts) {
        SCOPED_TRACE(where(text));
        Area shown = clipped(text.rect, background.width(), background.height());
        Area copied = moved(shown, text.backX, text.backY);
        ASSERT_LE(copied.bottom, background.height());
        ASSERT_LE(copied.right, background.width());
        EXPECT_TRUE(background.crop(shown) == background.crop(copied));
    }
}

}  // namespace arttest
