#include "support/FormFixture.h"

#include "form/Layout.h"

namespace {

struct UserCommands : FormFixture {
    // The table requests written to routers, in order.
    std::vector<std::string> Requests() const {
        std::vector<std::string> requests;
        for (const std::string& s : sent) {
            if (s.compare(2, 2, "Z:") == 0) {
                requests.push_back(s);
            }
        }
        return requests;
    }
};

} // namespace

TEST_F(UserCommands, UpdateSendsBothWaysOverEveryUpLinkInItsOrder) {
    Choose("Example 1");
    Choose("Everything");
    sent.clear();
    form.Command4_Click();
    const std::vector<std::string> expected{
        "E|Z: 1:E", "F|Z: 1:F", "D|Z: 8:D", "F|Z: 8:F", "C|Z: 1:C", "D|Z: 1:D", "B|Z: 2:B",
        "F|Z: 2:F", "B|Z: 1:B", "E|Z: 1:E", "B|Z: 7:B", "D|Z: 7:D", "B|Z: 2:B", "C|Z: 2:C",
        "A|Z: 5:A", "D|Z: 5:D", "A|Z: 1:A", "C|Z: 1:C", "A|Z: 3:A", "B|Z: 3:B"};
    EXPECT_EQ(Requests(), expected);
    EXPECT_EQ(Busy(), 20);
    EXPECT_EQ(Slot(0).tag, "0:T:F:F:E:-15: 60");
    EXPECT_EQ(state.Label2.caption, "R:0:B:inf: 4:inf:inf:inf:inf");
    EXPECT_TRUE(state.MoveTimer.enabled);
}

TEST_F(UserCommands, UpdateSkipsBrokenAndHiddenLinksAndReadsCostsJustBefore) {
    Choose("Three Routers");
    form.cmdBreak_Click(3);
    form.lblCost_MouseDown(0, 2);
    sent.clear();
    form.Command4_Click();
    EXPECT_EQ(Requests(),
              (std::vector<std::string>{"A|Z: 1:A", "C|Z: 1:C", "A|Z: 8:A", "B|Z: 9:B"}));
    form.cmdBreak_Click(0);
    form.cmdBreak_Click(1);
    form.Command7_Click();
    state.Label2.caption = "before";
    sent.clear();
    form.Command4_Click();
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(Busy(), 0);
    EXPECT_EQ(state.Label2.caption, "before");
}

TEST_F(UserCommands, BlankCostsSendZero) {
    sent.clear();
    form.Command4_Click();
    EXPECT_EQ(Requests().front(), "E|Z: 0:E");
    EXPECT_EQ(Slot(0).tag, "0:T:F:F:E:-15: 60");
    EXPECT_EQ(state.PacketPayload[0], "R:0:E: 0: 0: 0: 0: 0: 0");
}

TEST_F(UserCommands, RouterPairsSendOneTableOnlyOverAnUpLink) {
    Choose("Example 1");
    form.cmdBreak_Click(7);
    sent.clear();
    form.btnRouter_Click(2);
    EXPECT_EQ(state.Label2.caption, "Start from C");
    form.btnRouter_Click(3);
    EXPECT_EQ(state.Label2.caption, "Start from C; end at D");
    EXPECT_TRUE(sent.empty());
    form.cmdBreak_Click(7);
    state.lblCost[10].caption = "6";
    form.btnRouter_Click(2);
    form.btnRouter_Click(3);
    EXPECT_EQ(sent, std::vector<std::string>{"C|Z: 6:C"});
    EXPECT_EQ(state.Label2.caption, "R:0:C:inf:inf: 7:inf:inf:inf");
    sent.clear();
    form.btnRouter_Click(0);
    form.btnRouter_Click(4);
    EXPECT_EQ(state.Label2.caption, "Start from A; end at E");
    form.btnRouter_Click(1);
    EXPECT_EQ(state.Label2.caption, "Start from B") << "a new pair starts";
    form.btnRouter_Click(1);
    EXPECT_TRUE(sent.empty()) << "same router twice, non-neighbours: nothing sent";
}

TEST_F(UserCommands, RouterAndNetworkPicksShareIndicesButNotFlags) {
    Choose("Example 1");
    sent.clear();
    form.btnRouter_Click(0);
    form.btnNetwork_Click(2);
    EXPECT_EQ(state.Label2.caption, "Start from C");
    EXPECT_EQ(Busy(), 0);
    form.btnRouter_Click(1);
    EXPECT_EQ(sent, std::vector<std::string>{"C|Z: 2:C"});
    EXPECT_EQ(state.StartIndex, 2);
    EXPECT_EQ(state.EndIndex, 1);
    form.Command1_Click();
    EXPECT_EQ(Slot(1).tag, "0:U:B:C:C: 45: 5") << "One resends the latest pair, c to b";
    form.btnNetwork_Click(4);
    EXPECT_EQ(state.Label2.caption, "0:U:E:C:C: 45: 5") << "the network pair completes";
}

TEST_F(UserCommands, OneResumesAndStartsFromNetworkAToItself) {
    form.Command3_Click();
    EXPECT_FALSE(state.MoveTimer.enabled);
    form.Command1_Click();
    EXPECT_EQ(state.Command3.caption, "Pause");
    EXPECT_TRUE(state.MoveTimer.enabled);
    EXPECT_EQ(Slot(0).tag, "0:U:A:A:A: 45:-15");
}

TEST_F(UserCommands, ThreeQuickUpdatesRunOutOfPackets) {
    Choose("Everything");
    form.Command4_Click();
    form.Command4_Click();
    EXPECT_TRUE(platform.messages.empty());
    form.Command4_Click();
    EXPECT_EQ(platform.messages.size(), 10u);
    EXPECT_EQ(Busy(), 51);
    EXPECT_EQ(Slot(50).tag, "0:T:A:A:B:-80:-10") << "the last launch holds slot 50";
}

TEST_F(UserCommands, KillEmptiesTheScreenButManyGoesOn) {
    Choose("Example 1");
    form.Command2_Click();
    form.Command4_Click();
    Ticks(10);
    form.Command7_Click();
    EXPECT_EQ(Busy(), 0);
    EXPECT_TRUE(state.ManyMode);
    Ticks(37);
    EXPECT_EQ(Busy(), 0);
    Ticks(1);
    EXPECT_EQ(Busy(), 1) << "the next random launch comes on the 48th tick";
}
