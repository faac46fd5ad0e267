// A router under RIP's rules: infinity 16, route timeout and garbage collection, hold-down, and
// RIP's table request with simple split horizon or poisoned reverse.
#include "router/Router.h"
#include "router/RouterPanel.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

// Router B, its own network b, RIP's times as the window sets them: an update period of 156
// ticks stands for 30 s, so 180 s are 936 ticks and 120 s are 624.
struct RipRouter : testing::Test {
    ScriptedRandom random;
    RouterPanel panel{random};
    const Router& router = panel.Engine();

    RipRouter() { panel.SetTable("I:0:A:inf:1:inf:inf:inf:inf"); }
    void Rules(bool infinity, bool timers, bool holdDown) {
        RipRules rules;
        rules.infinity = infinity;
        rules.timers = timers;
        rules.holdDown = holdDown;
        rules.timeoutTicks = 936;
        rules.garbageTicks = 624;
        rules.holdDownTicks = 936;
        panel.SetRules(rules);
    }
    void At(long tick, const std::string& message) {
        panel.SetClock(tick);
        ASSERT_TRUE(panel.SetTable(message)) << message;
    }
    std::string Row(int k) const {
        const RouteRow& r = router.Rows()[k];
        return r.cost + "|" + r.nextHop + (r.shown ? "" : "|hidden");
    }
    std::string Events(long tick) {
        std::string said;
        for (const RouteEvent& event : panel.Advance(tick)) {
            said += std::string(1, static_cast<char>('a' + event.row)) +
                    (event.kind == RouteEvent::Kind::TimedOut  ? ":timed out "
                     : event.kind == RouteEvent::Kind::Cleared ? ":cleared "
                                                               : ":held no more ");
        }
        return said;
    }
};

} // namespace

TEST_F(RipRouter, SixteenIsInfinity) {
    Rules(true, false, false);
    At(0, "R:0:A: 15:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), " 15|A");
    At(0, "R:0:C: 16:inf: 16:inf:inf:inf");
    EXPECT_EQ(Row(0), " 15|A") << "16 from another neighbour is no route";
    EXPECT_EQ(Row(2), "inf|-|hidden");
    At(0, "R:0:A: 19:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), "inf|A") << "from the next hop, past 15 the route is unreachable";
    At(0, "R:0:D: 3:inf:inf:inf:inf:inf");
    panel.SetTable("W: 1:B:C:111111:-");
    EXPECT_EQ(router.Reply(), "R:0:B: 4: 2:inf:inf:inf:inf");
    panel.SetTable("W: 9:B:C:111111:-");
    EXPECT_EQ(router.Reply(), "R:0:B: 12: 10:inf:inf:inf:inf");
    At(0, "R:0:D: 14:inf:inf:inf:inf:inf");
    panel.SetTable("W: 2:B:C:111111:-");
    EXPECT_EQ(router.Reply(), "R:0:B:inf: 3:inf:inf:inf:inf") << "14 + 2 is 16: offered as inf";
}

// A learned route's timeout restarts on every update from its next hop and from nobody else;
// 180 s of silence make it unreachable, 120 s of garbage collection clear its row, and a route
// offered meanwhile replaces it.
TEST_F(RipRouter, RoutesTimeOutAndAreCollected) {
    Rules(false, true, false);
    At(0, "R:0:A: 4:inf: 6:inf:inf:inf");
    At(500, "R:0:C: 4:inf: 6:inf:inf:inf");
    EXPECT_EQ(panel.Clock(0).seconds, 84) << "436 ticks left of 936: 84 s";
    At(900, "R:0:A: 4:inf::inf:inf:inf");
    EXPECT_EQ(panel.Clock(0).seconds, 180) << "the next hop restarts the timeout";
    EXPECT_EQ(Events(935), "");
    EXPECT_EQ(Events(936), "c:timed out ") << "c last heard at 0 from A";
    EXPECT_EQ(Row(2), "inf|A");
    EXPECT_EQ(panel.Clock(2).kind, RouterPanel::ClockNote::Kind::Garbage);
    EXPECT_EQ(panel.Clock(2).seconds, 120);
    EXPECT_EQ(Events(1559), "");
    EXPECT_EQ(Events(1560), "c:cleared ");
    EXPECT_EQ(Row(2), "inf|-|hidden");
    EXPECT_EQ(Events(1836), "a:timed out ");
    EXPECT_EQ(panel.SpokenRows(),
              "a, cost inf, next hop A, cleared in 120 s; b, cost 1, next hop L");
    At(1900, "R:0:C: 7:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), " 7|C") << "a route offered in garbage collection replaces it";
    EXPECT_EQ(Events(2836), "a:timed out ");
    EXPECT_EQ(Row(1), " 1|L") << "its own network never times out";
}

TEST_F(RipRouter, HoldDownRefusesEveryOfferThenAccepts) {
    Rules(false, false, true);
    At(0, "R:0:A: 2:inf:inf:inf:inf:inf");
    At(100, "R:0:A:inf:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), "inf|A");
    At(200, "R:0:C: 5:inf:inf:inf:inf:inf");
    At(300, "R:0:A: 2:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), "inf|A") << "held: good news is refused, even from the old next hop";
    EXPECT_EQ(panel.Clock(0).kind, RouterPanel::ClockNote::Kind::HoldDown);
    EXPECT_EQ(panel.Clock(0).seconds, 142) << "736 ticks left";
    EXPECT_EQ(Events(1035), "");
    EXPECT_EQ(Events(1036), "a:held no more ");
    At(1036, "R:0:C: 5:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), " 5|C");
}

// RIP's table request leaves routes through the receiver out (simple split horizon) or sends
// them as inf (poisoned reverse), and sends only the rows asked for; the receiver takes a row
// left out as saying nothing.
TEST_F(RipRouter, SplitHorizonSimpleOrPoisonedAndRowsLeftOut) {
    Rules(true, false, false);
    At(0, "R:0:A: 2:inf: 3:inf:inf:inf");
    panel.SetTable("W: 1:B:A:111111:S");
    EXPECT_EQ(router.Reply(), "R:0:B:: 2::inf:inf:inf");
    panel.SetTable("W: 1:B:A:111111:P");
    EXPECT_EQ(router.Reply(), "R:0:B:inf: 2:inf:inf:inf:inf");
    panel.SetTable("W: 1:B:A:010000:-");
    EXPECT_EQ(router.Reply(), "R:0:B:: 2::::");
    EXPECT_FALSE(panel.SetTable("W: 1:B:A:111111")) << "a field short";
    At(0, "R:0:A::inf::inf:inf:inf");
    EXPECT_EQ(Row(0), " 2|A") << "left out: nothing said, nothing changed";
    EXPECT_EQ(Row(1), " 1|L");
    EXPECT_EQ(Row(2), " 3|A");
}

// Routes learned before the rules came on time out like any other, 180 s from then, and a route
// that timed out is held down as surely as one its next hop gave up.
TEST_F(RipRouter, RoutesFromBeforeTheRulesTimeOutAndAreHeldDown) {
    At(0, "R:0:A: 2:inf:inf:inf:inf:inf");
    panel.SetClock(100);
    Rules(false, true, true);
    EXPECT_EQ(Events(1035), "");
    EXPECT_EQ(Events(1036), "a:timed out ");
    At(1100, "R:0:C: 5:inf:inf:inf:inf:inf");
    EXPECT_EQ(Row(0), "inf|A") << "held down: C's offer is refused";
}
