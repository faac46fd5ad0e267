#include "router/Router.h"
#include "common/Fields.h"
#include "router/RouterPanel.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// A router with its own scripted random source, plus a compact view of its rows.
struct RouterFixture : testing::Test {
    ScriptedRandom random;
    Router router{random};

    void Write(std::string_view message) { ASSERT_TRUE(router.Write(message)) << message; }
    std::string Row(int k) const {
        const RouteRow& r = router.Rows()[k];
        return r.cost + "|" + r.nextHop + (r.shown ? "" : "|hidden");
    }
};

const char* const kResetA = "I:0:A:1:inf:inf:inf:inf:inf";
const char* const kResetB = "I:0:A:inf:1:inf:inf:inf:inf";

} // namespace

using RouterInit = RouterFixture;

TEST_F(RouterInit, NewRouterShowsSixUnknownRowsAndEmptyReply) {
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Row(k), "inf|-");
    }
    EXPECT_EQ(router.Reply(), "");
    EXPECT_EQ(router.Height(), 2535);
}

TEST_F(RouterInit, ResetShowsOnlyOwnNetwork) {
    Write(kResetA);
    EXPECT_EQ(Row(0), " 1|L");
    for (int k = 1; k < 6; ++k) {
        EXPECT_EQ(Row(k), "inf|-|hidden");
    }
    EXPECT_EQ(router.Height(), 2685);
}

TEST_F(RouterInit, ShortInitialiseAddressesFewerRowsAndSetsHeight) {
    Write("I:0:A:5:inf:inf:inf:7:inf");
    Write("I:0:A:0:0:0");
    EXPECT_EQ(Row(0), " 0|L");
    EXPECT_EQ(Row(2), " 0|L");
    EXPECT_EQ(Row(3), "inf|-|hidden");
    EXPECT_EQ(Row(4), " 7|L|hidden") << "rows past the message keep their texts";
    EXPECT_EQ(router.Height(), 1605);
    Write("I:0:A");
    EXPECT_EQ(router.Height(), 525);
    Write("I:0:A:1:2:3:4:5:6:7:8");
    EXPECT_EQ(router.Height(), 2685) << "extra fields are ignored";
    EXPECT_EQ(Row(5), " 6|L");
}

TEST_F(RouterInit, NonNumericInitialCostIsKeptAndHidden) {
    Write("I:0:A:xyz: 2 ");
    EXPECT_EQ(Row(0), "xyz|-|hidden");
    EXPECT_EQ(Row(1), " 2|L");
}

using RouterUpdate = RouterFixture;

TEST_F(RouterUpdate, TableRequestChargesLinkCostAndNeighbourLearns) {
    Write(kResetA);
    Write("Z: 3:A");
    EXPECT_EQ(router.Reply(), "R:0:A: 4:inf:inf:inf:inf:inf");
    ScriptedRandom otherRandom;
    Router b(otherRandom);
    b.Write(kResetB);
    b.Write(router.Reply());
    EXPECT_EQ(b.Rows()[0].cost, " 4");
    EXPECT_EQ(b.Rows()[0].nextHop, "A");
    EXPECT_TRUE(b.Rows()[0].shown);
    EXPECT_EQ(b.Rows()[1].cost, " 1");
    EXPECT_EQ(b.Rows()[1].nextHop, "L");
}

TEST_F(RouterUpdate, EqualOfferKeepsFirstNeighbourCheaperReplaces) {
    Write(kResetA);
    Write("R:0:B:inf: 5:inf:inf:inf:inf");
    Write("R:0:C:inf: 5:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 5|B");
    Write("R:0:C:inf: 4:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 4|C");
}

TEST_F(RouterUpdate, InfFromNextHopPoisonsButFromOthersIsIgnored) {
    Write(kResetA);
    Write("R:0:B:inf: 5: 6:inf:inf:inf");
    Write("R:0:C:inf:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 5|B") << "inf from another neighbour changes nothing";
    Write("R:0:B:inf:inf: 6:inf:inf:inf");
    EXPECT_EQ(Row(1), "inf|B") << "inf from the next hop is taken, row stays shown";
    Write("R:0:C:inf: 9:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 9|C") << "any number beats inf";
}

// A table sent under RIP's rules leaves out rows with a blank; it says nothing of them when it
// arrives after the rules went off.
TEST_F(RouterUpdate, ABlankLeftOutOfATableSaysNothing) {
    Write(kResetA);
    Write("R:0:B:inf: 5: 6:inf:inf:inf");
    Write("R:0:B:inf:: 7:inf:inf:inf");
    EXPECT_EQ(Row(1), " 5|B");
    EXPECT_EQ(Row(2), " 7|B");
}

TEST_F(RouterUpdate, FollowsNextHopUpwardsAndOwnNetworkCanBeBeaten) {
    Write(kResetA);
    Write("R:0:B:inf: 5:inf:inf:inf:inf");
    Write("R:0:B:inf: 12:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 12|B");
    Write("R:0:B: 0:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), " 0|B") << "own network is replaced by a strictly cheaper offer";
}

TEST_F(RouterUpdate, AddedValueAndOddSenderFields) {
    Write(kResetA);
    Write("R: 2:B:inf: 5:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 7|B");
    Write("R:x:C:inf: 3:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 3|C") << "a non-numeric added value leaves the offer as it is";
    Write("R:0:Cx:inf: 8:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 8|Cx") << "only the first characters of next hop and sender are compared";
    Write("R:0::inf: 2:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 2|");
    Write("R:0::inf: 6:inf:inf:inf:inf");
    EXPECT_EQ(Row(1), " 2|") << "an empty sender never counts as the next hop";
}

TEST_F(RouterUpdate, BreakForgetsRoutesThroughThatNeighbourOnly) {
    Write(kResetA);
    Write("R:0:B: 9: 5: 9: 7: 9:inf");
    Write("R:0:C: 9: 9: 2: 9: 9:inf");
    Write("I:0:A:1");
    EXPECT_EQ(Row(1), " 5|B|hidden");
    Write("B:B");
    EXPECT_EQ(Row(1), "inf|-|hidden") << "hidden rows are broken too and stay hidden";
    EXPECT_EQ(Row(3), "inf|-|hidden");
    EXPECT_EQ(Row(2), " 2|C|hidden");
    EXPECT_EQ(Row(0), " 1|L");
    EXPECT_EQ(router.Height(), 885) << "break leaves the height of the one-row message alone";
    Write("B:L");
    EXPECT_EQ(Row(0), "inf|-") << "break compares the whole next-hop text";
}

TEST_F(RouterUpdate, BreakLeavesRowsShown) {
    Write(kResetA);
    Write("R:0:B:inf: 5:inf: 7:inf:inf");
    Write("B:B");
    EXPECT_EQ(Row(1), "inf|-");
    EXPECT_EQ(Row(3), "inf|-");
}

using RouterReplies = RouterFixture;

TEST_F(RouterReplies, SplitHorizonPoisonsRoutesThroughReceiverButNeverLocal) {
    Write(kResetA);
    Write("R:0:B:inf: 2:inf: 4:inf:inf");
    Write("R:0:C:inf:inf: 1:inf:inf:inf");
    Write("Z: 3:A");
    EXPECT_EQ(router.Reply(), "R:0:A: 4: 5: 4: 7:inf:inf");
    Write("Z: 3:A:B");
    EXPECT_EQ(router.Reply(), "R:0:A: 4:inf: 4:inf:inf:inf");
    Write("Z: 3:A:L");
    EXPECT_EQ(router.Reply(), "R:0:A:inf: 5: 4: 7:inf:inf")
        << "only a neighbour's letter is ever sent; L matches itself only";
}

TEST_F(RouterReplies, TableRequestReportsHiddenRowsAndOddCosts) {
    Write("I:0:A:1: 4:odd");
    Write("I:0:A:1");
    Write("Z: 2:C");
    EXPECT_EQ(router.Reply(), "R:0:C: 3: 6: 2:inf:inf:inf")
        << "hidden row b still reports its cost; a non-numeric, non-inf cost sends the link cost";
    EXPECT_EQ(SplitFields(router.Reply()).size(), 9u);
}

TEST_F(RouterReplies, ZeroCostRequestFromBlankLabels) {
    Write("I:0:A:0:0:0:0:0:0");
    Write("Z: 0:D");
    EXPECT_EQ(router.Reply(), "R:0:D: 0: 0: 0: 0: 0: 0");
}

TEST_F(RouterReplies, RouteQueryMatchesEitherCaseAndNothingElse) {
    Write(kResetA);
    Write("Q:a");
    EXPECT_EQ(router.Reply(), "L: 1");
    Write("Q:A");
    EXPECT_EQ(router.Reply(), "L: 1");
    Write("Q:Cxyz");
    EXPECT_EQ(router.Reply(), "-:inf") << "only the first character counts; hidden rows answer";
    Write("Q:g");
    EXPECT_EQ(router.Reply(), "") << "no matching row gives the empty text";
    Write("Q:");
    EXPECT_EQ(router.Reply(), "");
}

TEST_F(RouterReplies, NonReplyingKindsKeepTheLastReply) {
    Write(kResetA);
    Write("Z: 1:A");
    const std::string reply = router.Reply();
    Write("R:0:B:inf: 5:inf:inf:inf:inf");
    Write("B:B");
    Write(kResetA);
    Write("q:a");
    Write("X");
    Write("");
    EXPECT_EQ(router.Reply(), reply);
}

TEST_F(RouterReplies, RandomQueryPicksOnlyShownRows) {
    Write("I:0:A:inf:inf:1:inf:inf:inf");
    random.Push(0.0);   // row a, hidden: draw again
    random.Push(0.999); // row f, hidden: draw again
    random.Push(0.34);  // 6 * 0.34 = 2.04: row c
    Write("Y");
    EXPECT_EQ(router.Reply(), "L: 1");
    EXPECT_EQ(random.Left(), 0u);
}

using RouterMalformed = RouterFixture;

TEST_F(RouterMalformed, RejectedMessagesLeaveRouterUnchanged) {
    Write(kResetA);
    Write("R:0:B:inf: 5:inf:inf:inf:inf");
    Write("Q:b");
    const auto rows = router.Rows();
    const std::string reply = router.Reply();
    const int height = router.Height();
    for (const char* bad : {"I", "I:0", "R", "R:0", "B", "Z", "Z: 3", "Q"}) {
        EXPECT_FALSE(router.Write(bad)) << bad;
        EXPECT_EQ(router.Reply(), reply) << bad;
        EXPECT_EQ(router.Height(), height) << bad;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(router.Rows()[k].cost, rows[k].cost) << bad;
            EXPECT_EQ(router.Rows()[k].nextHop, rows[k].nextHop) << bad;
            EXPECT_EQ(router.Rows()[k].shown, rows[k].shown) << bad;
        }
    }
}

TEST_F(RouterMalformed, RandomQueryWithNoShownRowAnswersEmptyWithoutDrawing) {
    Write("I:0:A:x:x:x:x:x:x");
    Write("Z: 1:A");
    EXPECT_FALSE(router.Write("Y"));
    EXPECT_EQ(router.Reply(), "");
}

TEST(RouterFormatCost, SumsNumbersAndKeepsOfferWhenAddedIsNotNumeric) {
    EXPECT_EQ(Router::FormatCost(" 4", "0"), " 4");
    EXPECT_EQ(Router::FormatCost("4", " 3"), " 7");
    EXPECT_EQ(Router::FormatCost("-2", "1"), "-1");
    EXPECT_EQ(Router::FormatCost(" 4", "x"), " 4");
    EXPECT_EQ(Router::FormatCost(" 4", ""), " 4");
}

TEST(RouterPanelSpoken, ShownRowsAsAScreenReaderSaysThem) {
    ScriptedRandom random;
    RouterPanel panel(random);
    EXPECT_EQ(panel.SpokenRows(),
              "a, cost inf, no next hop; b, cost inf, no next hop; c, cost inf, no next hop; "
              "d, cost inf, no next hop; e, cost inf, no next hop; f, cost inf, no next hop");
    panel.SetTable("I:0:A:inf:inf:1:inf:inf:inf");
    panel.SetTable("R:0:D:inf:inf:inf: 12:inf:inf");
    EXPECT_EQ(panel.SpokenRows(), "c, cost 1, next hop L; d, cost 12, next hop D");
    panel.SetTable("I:0:A:inf:inf:inf:inf:inf:inf");
    EXPECT_EQ(panel.SpokenRows(), "no rows shown");
}
