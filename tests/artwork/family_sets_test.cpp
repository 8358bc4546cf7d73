// The images kv_artwork draws for widmoor, duplimo and scopra: the sizes
// their editors need, plain panel under their texts, and the analyser's own
// pieces (screen, level groove, graticule, meter strips, pens).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "face_checks.h"
#include "family_faces.h"
#include "generated_set.h"

namespace arttest {
namespace {

const GeneratedSet& generated(const std::string& plugin) {
    static std::map<std::string, std::unique_ptr<GeneratedSet>> sets;
    auto& set = sets[plugin];
    if (!set) set = std::make_unique<GeneratedSet>(plugin);
    return *set;
}

class FamilySet : public testing::TestWithParam<FaceNeeds> {
protected:
    const GeneratedSet& set() const { return generated(GetParam().plugin); }
    Pixels background() const { return set().image(128); }
};

TEST_P(FamilySet, HoldsEveryImageAtTheSizeItsEditorNeeds) {
    ASSERT_TRUE(set().ok());
    EXPECT_EQ(set().files().size(), GetParam().images.size());
    for (const auto& need : GetParam().images) {
        SCOPED_TRACE(need.id);
        Pixels image = set().image(need.id);
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(image.width(), need.width);
        EXPECT_EQ(image.height(), need.height);
    }
}

TEST_P(FamilySet, TextsSitOnPlainPanelWithoutSeams) {
    Pixels bg = background();
    expectTextsOnPlainPanel(bg, GetParam().texts);
    expectSeamlessCopies(bg, GetParam().texts);
}

TEST_P(FamilySet, NameFieldIsPlain) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    for (Area field : GetParam().nameField) EXPECT_TRUE(bg.uniform(field));
}

INSTANTIATE_TEST_SUITE_P(Plugins, FamilySet, testing::Values(kWidmoor, kDuplimo, kScopra),
                         [](const auto& info) { return info.param.plugin; });

TEST(WidmoorSet, ModeSwitchShowsThreeDifferentStates) {
    Pixels p = generated("widmoor").image(139);
    ASSERT_EQ(p.height(), 42);
    Pixels a = p.crop({0, 0, 45, 14}), b = p.crop({0, 14, 45, 28}), c = p.crop({0, 28, 45, 42});
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(b == c);
    EXPECT_FALSE(a == c);
}

TEST(ScopraSet, ScreenUnderTheGoniometerIsBlack) {
    Pixels bg = generated("scopra").image(128);
    ASSERT_FALSE(bg.empty());
    EXPECT_TRUE(bg.uniform(scopra::kScreen));
    EXPECT_EQ(bg.at(scopra::kScreen.left, scopra::kScreen.top), (Rgba{0, 0, 0, 255}));
}

TEST(ScopraSet, LevelGrooveRunsUnderEveryHandlePosition) {
    Pixels bg = generated("scopra").image(128);
    ASSERT_FALSE(bg.empty());
    double panel = bg.at(250, 100).luminance();
    int centre = (scopra::kLevelSlider.left + scopra::kLevelSlider.right) / 2;
    for (int top = scopra::kLevelHandleFirstTop; top <= scopra::kLevelHandleLastTop; ++top)
        for (int row : {top + 7, top + 8})
            for (int x : {centre - 1, centre})
                ASSERT_LT(bg.at(x, row + scopra::kLevelSliderBackShift).luminance(), panel - 60)
                    << "handle top " << top;
}

TEST(ScopraSet, GraticuleWashesAndDrawsOpaqueAxes) {
    Pixels g = generated("scopra").image(141);
    ASSERT_FALSE(g.empty());
    EXPECT_EQ(generated("scopra").files().at(141), "bmp00141.png");
    Rgba wash = g.at(60, 100);
    EXPECT_GE(wash.a, 26);
    EXPECT_LE(wash.a, 39);
    const int cx = scopra::kGraticuleCentreX, cy = scopra::kGraticuleCentreY;
    for (auto [x, y] : {std::pair{cx, cy}, {cx, cy - 60}, {cx, cy + 60}, {cx - 60, cy},
                        {cx + 60, cy}, {cx - 30, cy - 30}, {cx + 30, cy + 30}})
        EXPECT_EQ(g.at(x, y).a, 255) << x << "," << y;
}

int expectedMarkRow(double decibels) {
    long lit = std::lround(scopra::kMeterHeight * std::pow(10.0, decibels / 40.0));
    return scopra::kMeterHeight - static_cast<int>(std::max(1L, lit));
}

std::vector<int> rowsUnlike(const Pixels& p, int referenceRow) {
    std::vector<int> rows;
    for (int y = 0; y < p.height(); ++y)
        if (p.at(2, y) != p.at(2, referenceRow)) rows.push_back(y);
    return rows;
}

TEST(ScopraSet, MeterTracksMarkTheScaleLevels) {
    std::vector<int> expected;
    for (double db : scopra::kScaleDecibels) expected.push_back(expectedMarkRow(db));
    expected.push_back(scopra::kMeterHeight - 1);  // -oo
    std::sort(expected.begin(), expected.end());
    for (int id : {134, 135, 136, 137}) {
        Pixels track = generated("scopra").image(id);
        ASSERT_FALSE(track.empty()) << id;
        EXPECT_EQ(rowsUnlike(track, 1), expected) << id;
    }
}

TEST(ScopraSet, LitBarIsGreenAndPeakYellow) {
    Pixels lit = generated("scopra").image(134), peak = generated("scopra").image(138);
    ASSERT_FALSE(lit.empty());
    ASSERT_FALSE(peak.empty());
    Rgba bar = lit.at(2, 1), yellow = peak.at(2, 50);
    EXPECT_GT(bar.g, bar.r + 60);
    EXPECT_GT(bar.g, bar.b + 60);
    EXPECT_GT(yellow.r, 200);
    EXPECT_GT(yellow.g, 200);
    EXPECT_LT(yellow.b, 100);
}

TEST(ScopraSet, PensHaveTheGoniometersColours) {
    EXPECT_EQ(generated("scopra").image(142).at(0, 0), (Rgba{8, 255, 49, 255}));
    EXPECT_EQ(generated("scopra").image(143).at(0, 0), (Rgba{8, 132, 25, 255}));
}

TEST(ScopraSet, ModeKeyLightsLeftRightAboveAndSideMidBelow) {
    Pixels p = generated("scopra").image(133);
    ASSERT_EQ(p.height(), 20);
    int half = p.width() / 2;
    const Area topLeft{0, 0, half, 10}, topRight{half + 1, 0, p.width(), 10};
    const Area bottomLeft{0, 10, half, 20}, bottomRight{half + 1, 10, p.width(), 20};
    EXPECT_GT(p.meanSaturation(topLeft), p.meanSaturation(topRight) + 60);
    EXPECT_GT(p.meanSaturation(bottomRight), p.meanSaturation(bottomLeft) + 60);
}

TEST(ScopraSet, AutoAndHoldLightWhenOn) {
    for (int id : {131, 132}) {
        Pixels p = generated("scopra").image(id);
        ASSERT_EQ(p.height(), 20) << id;
        const Area on{0, 10, p.width(), 20}, off{0, 0, p.width(), 10};
        EXPECT_GT(p.meanSaturation(on), p.meanSaturation(off) + 60) << id;
    }
}

}  // namespace
}  // namespace arttest
