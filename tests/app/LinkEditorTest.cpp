#include "support/DesignValues.h"
#include "support/FormFixture.h"

#include "form/Layout.h"

using LinkBreaking = FormFixture;

TEST_F(LinkBreaking, BreakTellsLowerRouterFirstAndMendingSendsNothing) {
    form.cmdBreak_Click(7);
    EXPECT_EQ(sent, (std::vector<std::string>{"C|B:D", "D|B:C"}));
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed);
    sent.clear();
    form.cmdBreak_Click(7);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(state.Link(2, 3).colour, Design::kGrey);
    form.cmdBreak_Click(9);
    EXPECT_EQ(sent, (std::vector<std::string>{"E|B:F", "F|B:E"}));
    EXPECT_TRUE(state.Link(4, 5).visible) << "breaking leaves visibility alone";
}

TEST_F(LinkBreaking, EveryButtonBreaksItsOwnLink) {
    const char* const links[] = {"AB", "AC", "AD", "BC", "BD", "BE", "BF", "CD", "DF", "EF"};
    for (int b = 0; b < 10; ++b) {
        sent.clear();
        form.cmdBreak_Click(b);
        const char lo = links[b][0];
        const char hi = links[b][1];
        EXPECT_EQ(sent, (std::vector<std::string>{std::string(1, lo) + "|B:" + hi,
                                                  std::string(1, hi) + "|B:" + lo}));
        EXPECT_EQ(state.Link(lo - 'A', hi - 'A').colour, Design::kRed);
    }
}

TEST_F(LinkBreaking, BreakForgetsRoutesAtBothEnds) {
    Choose("Example 1");
    runtime.WriteTable(2, "R:0:D:inf:inf:inf: 2:inf: 9");
    form.cmdBreak_Click(7);
    EXPECT_EQ(Row(2, 3).cost, "inf");
    EXPECT_EQ(Row(2, 3).nextHop, "-");
    EXPECT_EQ(Row(2, 2).nextHop, "L");
}

using CostEditing = FormFixture;

TEST_F(CostEditing, LeftStepsUpAndShowsOtherStepsDownQuietly) {
    Choose("Example 1");
    ASSERT_EQ(state.lblCost[4].caption, "2");
    sent.clear();
    state.lblCost[4].caption = "3";
    form.lblCost_MouseDown(4, 1);
    EXPECT_EQ(state.lblCost[4].caption, " 4");
    EXPECT_EQ(state.Label2.caption, " 4");
    form.lblCost_MouseDown(4, 2);
    EXPECT_EQ(state.lblCost[4].caption, " 3");
    EXPECT_EQ(state.Label2.caption, " 4");
    form.lblCost_MouseDown(4, 4);
    EXPECT_EQ(state.lblCost[4].caption, " 2") << "any button but the left steps down";
    EXPECT_TRUE(sent.empty()) << "a cost change tells no router";
}

TEST_F(CostEditing, LimitsAndBlankLabels) {
    state.lblCost[0].caption = "9";
    state.Label2.caption = "before";
    form.lblCost_MouseDown(0, 1);
    EXPECT_EQ(state.lblCost[0].caption, "9");
    EXPECT_EQ(state.Label2.caption, "before");
    state.lblCost[1].caption = " 0";
    form.lblCost_MouseDown(1, 2);
    EXPECT_EQ(state.lblCost[1].caption, " 0");
    ASSERT_EQ(state.lblCost[2].caption, "");
    form.lblCost_MouseDown(2, 2);
    EXPECT_EQ(state.lblCost[2].caption, "") << "blank reads as 0 and stays blank";
    form.lblCost_MouseDown(2, 1);
    EXPECT_EQ(state.lblCost[2].caption, " 1");
    for (int i = 0; i < 12; ++i) {
        form.lblCost_MouseDown(2, 1);
    }
    EXPECT_EQ(state.lblCost[2].caption, " 9");
    EXPECT_EQ(state.Label2.caption, " 9");
}
