// The forwarding rules at every router, written out from the design: random routing's thresholds
// on both sides, its retries and its drop, flooding's neighbour order, and table routing's drop of
// packets the router has no usable route for.
#include "support/DesignValues.h"
#include "support/FormFixture.h"

namespace {

// The draw that makes the first try of random routing look at r (1 to 100): the try adds 35 to
// the integer part of 100 times the draw and wraps values above 100.
double DrawFor(int r) {
    const int start = r > 35 ? r - 35 : r + 65;
    return (start + 0.5) / 100.0;
}

struct RandomCase {
    char here;
    int r;
    char next;
};

// Each router's rules: the neighbour above each threshold, and the last rule below the lowest.
const RandomCase kRandomCases[] = {
    {'A', 100, 'B'}, {'A', 66, 'B'},  {'A', 65, 'C'},  {'A', 36, 'C'},  {'A', 35, 'D'},
    {'A', 1, 'D'},   {'B', 100, 'A'}, {'B', 76, 'A'},  {'B', 75, 'C'},  {'B', 51, 'C'},
    {'B', 50, 'D'},  {'B', 26, 'D'},  {'B', 25, 'E'},  {'B', 1, 'E'},   {'C', 100, 'A'},
    {'C', 66, 'A'},  {'C', 65, 'B'},  {'C', 36, 'B'},  {'C', 35, 'D'},  {'C', 1, 'D'},
    {'D', 100, 'A'}, {'D', 76, 'A'},  {'D', 75, 'B'},  {'D', 51, 'B'},  {'D', 50, 'C'},
    {'D', 26, 'C'},  {'D', 25, 'F'},  {'D', 1, 'F'},   {'E', 100, 'B'}, {'E', 51, 'B'},
    {'E', 50, 'F'},  {'E', 1, 'F'},   {'F', 100, 'E'}, {'F', 51, 'E'},  {'F', 50, 'D'},
    {'F', 1, 'D'},
};

struct Routing : FormFixture {
    // A data packet for `destination` finishing its hop into router `here` from `from`.
    void Arrive(char destination, char here, char from, int slot = 0) {
        Place(slot, std::string(" 25:R:") + destination + ":" + here + ":" + from + ": 0: 0");
    }
    // The router the data packet in the slot now travels to (the hop end of its "R" record), or
    // '-' when the slot is free.
    char NextHop(int slot = 0) {
        const std::string& tag = Slot(slot).tag;
        return Slot(slot).visible ? tag.at(tag.find(":R:") + 5) : '-';
    }
};

} // namespace

class RandomRules : public Routing, public testing::WithParamInterface<RandomCase> {};

TEST_P(RandomRules, FirstTryPicksTheRuleAboveItsThreshold) {
    const RandomCase& c = GetParam();
    Choose("Random 1");
    const char destination = c.here == 'A' ? 'F' : 'A';
    Arrive(destination, c.here, c.here); // from its own network: no neighbour to avoid
    random.Push(DrawFor(c.r));
    Ticks(1);
    EXPECT_EQ(NextHop(), c.next) << c.here << " with r = " << c.r;
    EXPECT_EQ(Slot(0).tag.substr(0, 10),
              std::string("0:R:") + destination + ":" + c.next + ":" + c.here + ":");
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[c.next - 'A']);
    EXPECT_EQ(random.Left(), 0u) << "one draw per arrival";
}

INSTANTIATE_TEST_SUITE_P(EveryRouter, RandomRules, testing::ValuesIn(kRandomCases),
                         [](const testing::TestParamInfo<RandomCase>& info) {
                             return std::string(1, info.param.here) + "_r" +
                                    std::to_string(info.param.r);
                         });

TEST_F(Routing, RandomRoutingRetriesUntilAChoiceHoldsAndDropsAfterTwentyTries) {
    Choose("Random 1 No Reverse");
    // At D from B with C-D and D-F broken only A (r above 75) is acceptable: B is the way back,
    // C and F lie behind broken links.
    form.cmdBreak_Click(7);
    form.cmdBreak_Click(8);
    // r runs 36, 71, 6, 41, 76: the fifth try goes to A; from a draw of 0 it runs 35, 70, 5,
    // 40, 75, 10, 45, 80: the eighth.
    for (double draw : {0.015, 0.0}) {
        Arrive('F', 'D', 'B');
        random.Push(draw);
        Ticks(1);
        EXPECT_EQ(NextHop(), 'A') << draw;
        EXPECT_EQ(random.Left(), 0u) << "the retries draw nothing more";
    }
    // With A-D broken too nothing is acceptable: the packet is dropped, silently.
    form.cmdBreak_Click(2);
    state.Label2.caption = "kept";
    Arrive('F', 'D', 'B');
    random.Push(0.015);
    Ticks(1);
    EXPECT_EQ(NextHop(), '-');
    EXPECT_EQ(random.Left(), 0u);
    EXPECT_EQ(state.Label2.caption, "kept");
}

TEST_F(Routing, FloodingCopiesToEveryNeighbourInOrder) {
    const struct {
        char here;
        const char* neighbours;
    } cases[] = {{'A', "BCD"},  {'B', "ACDE"}, {'C', "ABD"},
                 {'D', "ABCF"}, {'E', "BF"},   {'F', "DE"}};
    Choose("Flooding 1");
    for (const auto& c : cases) {
        form.Command7_Click();
        // Straight up from its own network, the packet has no neighbour behind it.
        const char destination = c.here == 'A' ? 'F' : 'A';
        Place(0, std::string(" 25:U:") + destination + ":" + c.here + ":" + c.here + ": 0: 0");
        Ticks(1);
        std::string copies;
        for (int slot = 0; slot < Busy(); ++slot) {
            copies += NextHop(slot);
        }
        EXPECT_EQ(copies, c.neighbours) << "copies from " << c.here << ", in slot order";
    }
    // The neighbour the packet came from gets no copy.
    form.Command7_Click();
    Arrive('A', 'D', 'C');
    Ticks(1);
    EXPECT_EQ(Busy(), 3);
    EXPECT_EQ(NextHop(0), 'A');
    EXPECT_EQ(NextHop(1), 'B');
    EXPECT_EQ(NextHop(2), 'F');
}

TEST_F(Routing, TableRoutingDropsAPacketWhoseRouteCostIsNoNumber) {
    Choose("Example 1");
    // A learns network b through B, then B offers it as "inf": the row keeps B as next hop.
    runtime.WriteTable(0, "R:0:B:inf: 4:inf:inf:inf:inf");
    Arrive('B', 'A', 'C');
    Ticks(1);
    ASSERT_EQ(NextHop(), 'B') << "a numeric route through B is followed";
    runtime.WriteTable(0, "R:0:B:inf:inf:inf:inf:inf:inf");
    ASSERT_EQ(state.RouterTable[0].Engine().Rows()[1].nextHop, "B");
    state.Label2.caption = "kept";
    Arrive('B', 'A', 'C');
    Ticks(1);
    EXPECT_EQ(NextHop(), '-') << "\"B:inf\" is no route";
    EXPECT_EQ(state.Label2.caption, "kept");
    runtime.WriteTable(0, "R:0:B:inf:x:inf:inf:inf:inf");
    Arrive('B', 'A', 'C');
    Ticks(1);
    EXPECT_EQ(NextHop(), '-') << "\"B:x\" is no route either";
}

TEST_F(Routing, SlotFiftyMovesAndArrivesLikeAnyOther) {
    Choose("Example 1");
    Place(50, " 23:T:B:B:A: 80: 10");
    state.PacketPayload[50] = "R:0:A: 4:inf:inf:inf:inf:inf";
    const float left = Slot(50).left;
    Ticks(2);
    EXPECT_EQ(Slot(50).tag, " 25:T:B:B:A: 80: 10");
    EXPECT_EQ(Slot(50).left, left + 160);
    Ticks(1);
    EXPECT_FALSE(Slot(50).visible);
    EXPECT_EQ(Row(1, 0).cost, " 4");
    EXPECT_EQ(Row(1, 0).nextHop, "A");
}

TEST_F(Routing, DeliveryAfterARouterHopIsSmallWithAThinBorder) {
    Choose("Example 1");
    runtime.WriteTable(0, "R:0:B:inf: 4:inf:inf:inf:inf");
    SendData(0, 1);
    Ticks(26);
    ASSERT_EQ(Slot(0).tag, "0:R:B:B:A: 80: 10");
    EXPECT_EQ(Slot(0).borderWidth, 6);
    EXPECT_EQ(Slot(0).width, 500);
    Ticks(26);
    EXPECT_EQ(Slot(0).tag, "0:D:B:B:B: 35:-25");
    EXPECT_EQ(Slot(0).borderWidth, 1);
    EXPECT_EQ(Slot(0).width, 450);
    EXPECT_EQ(Slot(0).height, 450);
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[1]);
    EXPECT_EQ(Slot(0).fillColour, Design::kRouterColours[1]);
    EXPECT_EQ(Slot(0).left, 5760 - 225);
    EXPECT_EQ(Slot(0).top, 3360 - 225);
}
