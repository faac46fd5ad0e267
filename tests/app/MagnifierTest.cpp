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
        // Wide and low, as beside a 4K drawing over the docked log: side by side is larger.
        {8000,
         7000,
         {2685, 2685},
         7640.0 / 3630,
         {{120, 120, 3820, 5651}, {4060, 120, 3820, 5651}}},
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

// A magnified table stands down to the last row it shows: "Three Routers" shows a, b and c.
TEST_F(Magnified, ATableTakesOnlyTheRoomOfItsRows) {
    const auto rounds = [&](int count) {
        for (int round = 0; round < count; ++round) {
            form.Command4_Click();
            for (int t = 0; t < 26; ++t) {
                form.MoveTimer_Timer();
            }
        }
    };
    Choose("Three Routers");
    EXPECT_EQ(Magnifier::Height(state.RouterTable[0]), 885) << "a alone";
    // A row asked of a learner takes its room before its route arrives: its cells stand there.
    state.RouterTable[0].prediction[2] = RouterPanel::Prediction::Asked;
    EXPECT_EQ(Magnifier::Height(state.RouterTable[0]), 1605) << "c asked, not yet there";
    state.RouterTable[0].prediction[2] = RouterPanel::Prediction::None;
    rounds(2);
    EXPECT_EQ(state.RouterTable[0].Height(), 2685);
    EXPECT_EQ(Magnifier::Height(state.RouterTable[0]), 1605);
    Choose("Example 1");
    rounds(1);
    EXPECT_EQ(Magnifier::Height(state.RouterTable[5]), 2685) << "F shows f, its last row";
}

// Full screen at 4K (3840 x 2160 pixels, the drawing as large as the window's height allows, at
// 0.2172 pixels a twip): two six-row tables over the docked log would stand at a third of the
// drawing's size again; the drawing makes room until they stand 1.9 times as large as its own
// would at its largest. Where the strip is roomy the drawing keeps its size.
TEST_F(Magnified, TheDrawingMakesRoomForTablesTwiceItsOwn) {
    Choose("Example 1");
    for (int round = 0; round < 4; ++round) {
        form.Command4_Click();
        for (int t = 0; t < 26; ++t) {
            form.MoveTimer_Timer();
        }
    }
    Magnifier magnifier;
    magnifier.Toggle(0);
    magnifier.Toggle(1);
    const double fit = 2160.0 / 9945;
    const double scale = magnifier.DrawingScale(state, 12330, fit, 3840, 2160 * 2 / 3);
    EXPECT_LT(scale, fit * 0.9);
    EXPECT_GT(scale, fit * 0.8);
    const auto stood = magnifier.Stand(state, static_cast<int>((3840 - 12330 * scale) / scale),
                                       static_cast<int>(2160 * 2 / 3 / scale));
    ASSERT_EQ(stood.size(), 2U);
    EXPECT_GE(stood[0].magnification * scale, 1.9 * fit);
    EXPECT_EQ(stood[0].place.top, stood[1].place.top) << "side by side";

    Magnifier one;
    one.Toggle(2);
    EXPECT_DOUBLE_EQ(one.DrawingScale(state, 12330, fit, 3840, 2160), fit);
}
