#include "support/FormFixture.h"

using Motion = FormFixture;

TEST_F(Motion, HopTakesTwentySixTicksAndMovesTwentyFiveSteps) {
    Choose("Example 1");
    SendTable(0, 1);
    sent.clear();
    Ticks(25);
    EXPECT_TRUE(Slot(0).visible);
    EXPECT_EQ(Slot(0).tag, " 25:T:B:B:A: 80: 10");
    EXPECT_EQ(Slot(0).left, 2760 - 250 + 25 * 80);
    EXPECT_EQ(Slot(0).top, 3360 - 250 + 25 * 10);
    EXPECT_TRUE(sent.empty());
    Ticks(1);
    EXPECT_FALSE(Slot(0).visible);
    EXPECT_EQ(sent, std::vector<std::string>{"B|R:0:A: 4:inf:inf:inf:inf:inf"});
    EXPECT_EQ(Row(1, 0).cost, " 4");
}

TEST_F(Motion, ZeroLengthHopAndLockStepLowerSlotFirst) {
    Choose("Example 1");
    Place(3, "0:T:B:B:A: 0: 0");
    state.PacketPayload[3] = "R:0:A: 7:inf:inf:inf:inf:inf";
    Place(1, "0:T:B:B:C: 0: 0");
    state.PacketPayload[1] = "R:0:C: 7:inf:inf:inf:inf:inf";
    const float left = Slot(3).left;
    Ticks(25);
    EXPECT_EQ(Busy(), 2);
    EXPECT_EQ(Slot(3).left, left);
    sent.clear();
    Ticks(1);
    EXPECT_EQ(Busy(), 0);
    EXPECT_EQ(sent, (std::vector<std::string>{"B|R:0:C: 7:inf:inf:inf:inf:inf",
                                              "B|R:0:A: 7:inf:inf:inf:inf:inf"}));
    EXPECT_EQ(Row(1, 0).nextHop, "C") << "equal offers: the first to arrive wins";
}

TEST_F(Motion, ManyLaunchesOnTheCountdownAmongNetworksShown) {
    Choose("Three Routers");
    form.Command2_Click();
    EXPECT_EQ(state.Command2.caption, "Stop");
    Ticks(47);
    EXPECT_EQ(Busy(), 0);
    random.Push(0.999);
    random.Push(0.34);
    Ticks(1);
    ASSERT_EQ(Busy(), 1);
    EXPECT_EQ(Slot(0).tag, "0:U:B:C:C: 45: 5") << "three networks: 0.999 picks c, 0.34 picks b";
    form.Command2_Click();
    form.Command2_Click();
    Ticks(47);
    EXPECT_EQ(Busy(), 0) << "router C knows no route to b yet: the packet was dropped";
    random.Push(0.0);
    random.Push(0.0);
    Ticks(1);
    EXPECT_EQ(Busy(), 1) << "switching Many off and on does not restart the countdown";
    EXPECT_EQ(Slot(0).tag, "0:U:A:A:A: 45:-15");
    EXPECT_EQ(random.Left(), 0u);
}

TEST_F(Motion, PauseStopsEverythingAndResumeGoesOn) {
    Choose("Example 1");
    SendTable(0, 1);
    Ticks(10);
    form.Command3_Click();
    EXPECT_EQ(state.Command3.caption, "Resume");
    EXPECT_FALSE(form.MoveTimer_Timer());
    EXPECT_EQ(Slot(0).tag, " 10:T:B:B:A: 80: 10");
    const auto countdown = state.LaunchCountdown;
    form.Command3_Click();
    EXPECT_EQ(state.Command3.caption, "Pause");
    Ticks(1);
    EXPECT_EQ(Slot(0).tag, " 11:T:B:B:A: 80: 10");
    EXPECT_EQ(state.LaunchCountdown, countdown - 1);
}

TEST_F(Motion, NoTickStartsInsideAnother) {
    Choose("Flooding 1");
    for (int i = 1; i <= 49; ++i) {
        Place(i, "0:T:B:B:A: 0: 0");
    }
    Place(0, " 25:U:A:D:D: 0: 0");
    int nested = 0;
    int ran = 0;
    platform.onMessage = [&] {
        ++nested;
        ran += form.MoveTimer_Timer() ? 1 : 0;
    };
    Ticks(1);
    EXPECT_EQ(nested, 3) << "D floods to A, B, C, F: A takes slot 0, the others find no slot";
    EXPECT_EQ(ran, 0) << "ticks that fall due while the message is open are skipped";
    EXPECT_EQ(Busy(), 0) << "running out while flooding empties the screen";
    EXPECT_FALSE(runtime.MessageOpen);
    EXPECT_FALSE(runtime.TickRunning);
}
