#include "support/DesignValues.h"
#include "support/FormFixture.h"

#include "form/Layout.h"

using Arrival = FormFixture;

TEST_F(Arrival, DataForItsOwnNetworkClimbsAndRunsStraightBackDown) {
    Choose("Example 1");
    SendData(2, 2);
    Ticks(26);
    EXPECT_EQ(Slot(0).tag, "0:D:C:C:C:-45:-5");
    EXPECT_EQ(state.Label2.caption, "0:D:C:C:C:-45:-5");
    EXPECT_EQ(Slot(0).left, 1680 - 225);
    EXPECT_EQ(Slot(0).top, 5160 - 225);
    EXPECT_EQ(Slot(0).borderWidth, 1);
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[2]);
    Ticks(25);
    EXPECT_TRUE(Slot(0).visible);
    Ticks(1);
    EXPECT_FALSE(Slot(0).visible);
    EXPECT_EQ(state.Label2.caption, "0:D:C:C:C:-45:-5") << "the end of a delivery says nothing";
}

TEST_F(Arrival, TableRoutingDropsWithoutRouteAndUsesRedLinks) {
    Choose("Example 1");
    SendData(0, 1);
    Ticks(26);
    EXPECT_FALSE(Slot(0).visible) << "A has no route to b yet";
    EXPECT_EQ(state.Label2.caption, "0:U:B:A:A: 45:-15") << "a drop leaves the status line";
    form.cmdBreak_Click(0);
    runtime.WriteTable(0, "R:0:B:inf: 4:inf:inf:inf:inf"); // a table still in flight arrives
    SendData(0, 1);
    Ticks(26);
    ASSERT_TRUE(Slot(0).visible) << "table routing does not look at link state";
    EXPECT_EQ(Slot(0).tag, "0:R:B:B:A: 80: 10");
    EXPECT_EQ(Slot(0).width, 500);
    EXPECT_EQ(Slot(0).borderWidth, 6);
    EXPECT_EQ(Slot(0).left, 2760 - 250);
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[1]);
    EXPECT_EQ(Slot(0).fillColour, Design::kRouterColours[1]);
    Ticks(26);
    EXPECT_EQ(Slot(0).tag, "0:D:B:B:B: 35:-25");
}

TEST_F(Arrival, RouteQueryAnswersThatNameNoNeighbourDropThePacket) {
    Choose("Example 1");
    runtime.WriteTable(0, "I:0:A:1:1:1:1:1:1");
    Place(0, " 25:U:B:A:A: 0: 0");
    Ticks(1);
    EXPECT_FALSE(Slot(0).visible) << "\"L: 1\" for another router's network";
    runtime.WriteTable(0, "R:0:Bx:inf: 0:inf:inf:inf:inf");
    Place(0, " 25:U:B:A:A: 0: 0");
    Ticks(1);
    EXPECT_FALSE(Slot(0).visible) << "\"Bx\" is not a router letter";
    Place(0, " 25:R:B:Q:A: 0: 0");
    Ticks(1);
    EXPECT_FALSE(Slot(0).visible) << "a record naming no router is dropped";
}

TEST_F(Arrival, TablePacketReachesAHiddenRouter) {
    Choose("Three Routers");
    Place(5, " 25:T:E:E:B: 0: 0");
    state.PacketPayload[5] = "R:0:B:inf: 2:inf:inf:inf:inf";
    Ticks(1);
    EXPECT_EQ(Row(4, 1).cost, " 2");
    EXPECT_EQ(Row(4, 1).nextHop, "B");
}

struct RandomRouting : FormFixture {
    // A packet for network a arriving at E from B, with one scripted draw.
    void ArriveAtE(double draw) {
        Place(0, " 25:R:A:E:B: 0: 0");
        random.Push(draw);
        Ticks(1);
    }
};

TEST_F(RandomRouting, NoReverseGoesOnFromEToF) {
    Choose("Random 1 No Reverse");
    for (double draw : {0.0, 0.15, 0.16, 0.5, 0.65, 0.66, 0.99}) {
        ArriveAtE(draw);
        EXPECT_EQ(Slot(0).tag, "0:R:A:F:E:-15: 60") << draw;
        EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[5]);
    }
    form.cmdBreak_Click(9);
    ArriveAtE(0.3);
    EXPECT_FALSE(Slot(0).visible) << "only the way back is usable: dropped after 20 tries";
}

TEST_F(RandomRouting, PlainRandomMayGoBackAndSharesFollowTheRules) {
    Choose("Random 1");
    ArriveAtE(0.5); // 50 + 35 = 85 > 50: B
    EXPECT_EQ(Slot(0).tag, "0:R:A:B:E:-120: 0");
    ArriveAtE(0.1); // 45: F
    EXPECT_EQ(Slot(0).tag, "0:R:A:F:E:-15: 60");
    // From B: A above 75, C above 50, D above 25, else E.
    const struct {
        double draw;
        char next;
    } fromB[] = {{0.41, 'A'}, {0.40, 'C'}, {0.16, 'C'}, {0.15, 'D'}, {0.0, 'D'},
                 {0.65, 'A'}, {0.66, 'E'}, {0.90, 'E'}, {0.91, 'D'}};
    for (const auto& c : fromB) {
        Place(0, " 25:R:F:B:A: 0: 0");
        random.Push(c.draw);
        Ticks(1);
        EXPECT_EQ(Slot(0).tag.substr(0, 7), std::string("0:R:F:") + c.next) << c.draw;
    }
    // A broken link passes its share to the next rule.
    form.cmdBreak_Click(0);
    Place(0, " 25:R:F:B:C: 0: 0");
    random.Push(0.41);
    Ticks(1);
    EXPECT_EQ(Slot(0).tag.substr(0, 7), "0:R:F:C");
}

using Flooding = FormFixture;

TEST_F(Flooding, CopiesGoEverywhereButBack) {
    Choose("Flooding 1");
    Place(0, " 25:R:A:E:B: 0: 0");
    Ticks(1);
    ASSERT_EQ(Busy(), 1);
    EXPECT_EQ(Slot(0).tag, "0:R:A:F:E:-15: 60") << "the copy takes the freed slot";
    EXPECT_EQ(Slot(0).width, 450);
    EXPECT_EQ(Slot(0).fillColour, Design::kRouterColours[0]);
    Place(0, " 25:U:A:D:D: 0: 0");
    Slot(1).visible = false;
    Ticks(1);
    ASSERT_EQ(Busy(), 4) << "at its source router a packet goes over every usable link";
    EXPECT_EQ(Slot(0).tag, "0:R:A:A:D:-85:-50");
    EXPECT_EQ(Slot(3).tag, " 1:R:A:F:D: 100: 25") << "copies above the sweep move this tick";
    EXPECT_EQ(state.Label2.caption, "0:R:A:F:D: 100: 25");
    form.Command7_Click();
    form.cmdBreak_Click(9);
    Place(0, " 25:R:A:E:B: 0: 0");
    Ticks(1);
    EXPECT_EQ(Busy(), 0) << "E's only other link is broken: no copies";
    EXPECT_TRUE(platform.messages.empty());
}
