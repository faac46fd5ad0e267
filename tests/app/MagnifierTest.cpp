// Tables magnified beside the drawing: which show, and where they stand in the strip.
#include "session/Magnifier.h"

#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {
struct Magnified : FormFixture {};
} // namespace

// At most two, a third choice pushing out the first; a second choice of one shrinks it back; a
// router the scenario hides is left out while hidden, and shows again with it.
TEST_F(Magnified, TheLatestTwoChosenThatShow) {
    Choose("Example 1");
    Magnifier magnifier;
    EXPECT_TRUE(magnifier.Toggle(0));
    EXPECT_TRUE(magnifier.Toggle(4));
    EXPECT_TRUE(magnifier.Toggle(1));
    EXPECT_EQ(magnifier.Shown(state), (std::vector<int>{4, 1}));
    EXPECT_FALSE(magnifier.Toggle(4));
    EXPECT_EQ(magnifier.Shown(state), (std::vector<int>{1}));
    EXPECT_TRUE(magnifier.Toggle(5));
    Choose("Three Routers");
    EXPECT_EQ(magnifier.Shown(state), (std::vector<int>{1})) << "F is hidden";
    EXPECT_TRUE(magnifier.Has(5));
    Choose("Example 1");
    EXPECT_EQ(magnifier.Shown(state), (std::vector<int>{1, 5}));
}

// Stacked from the top, as large as both the strip's width and height allow, never above four
// times; a strip too small for a table holds none.
TEST(Magnifier, TablesStandAsLargeAsTheStripAllows) {
    const struct {
        int width, height;
        std::vector<int> heights;
        double magnification;
        std::vector<Box> tables;
    } cases[] = {
        {3600, 8745, {2685}, 3360.0 / 1815, {{120, 120, 3360, 4970}}},
        {3600,
         8745,
         {2685, 2685},
         8385.0 / 5370,
         {{383, 120, 2834, 4192}, {383, 4432, 2834, 4192}}},
        {20000, 20000, {1605}, 4, {{6370, 120, 7260, 6420}}},
        {200, 8745, {2685}, 0, {}},
        {3600, 8745, {}, 0, {}},
    };
    for (const auto& c : cases) {
        const Magnifier::Arrangement got = Magnifier::Arrange(c.width, c.height, c.heights);
        EXPECT_DOUBLE_EQ(got.magnification, c.magnification) << c.width << "x" << c.height;
        ASSERT_EQ(got.tables.size(), c.tables.size());
        for (std::size_t i = 0; i < c.tables.size(); ++i) {
            EXPECT_EQ(got.tables[i].left, c.tables[i].left);
            EXPECT_EQ(got.tables[i].top, c.tables[i].top);
            EXPECT_EQ(got.tables[i].width, c.tables[i].width);
            EXPECT_EQ(got.tables[i].height, c.tables[i].height);
        }
    }
}
