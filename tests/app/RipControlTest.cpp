// RIP's rules over the whole window: periodic and triggered updates, the queue of tables, failure
// found only by timeout, the three-router loop, and no cost above 16.
#include "app/RipControl.h"
#include "session/Demonstration.h"

#include "support/FormFixture.h"
#include "support/FormInvariants.h"

#include "common/Fields.h"
#include "common/NumberText.h"
#include "form/Topology.h"

#include <algorithm>
#include <map>

namespace {

using Rule = RipControl::Rule;

struct Rip : FormFixture {
    std::vector<std::pair<long, std::string>> told; // what RIP told, with RIP's clock

    Rip() {
        runtime.routerEventObserver = [this](int, const std::string& what) {
            told.emplace_back(state.Rip.clock, what);
        };
    }
    void On(Rule rule) { form.Rip().Set(rule, true); }
    void Converge(int rounds = 4) {
        for (int round = 0; round < rounds; ++round) {
            form.Command4_Click();
            Ticks(26);
        }
    }
    std::string Cost(int router, int network) const { return Row(router, network).cost; }
    // The ticks at which a router's updates of a kind ("periodic", "triggered") went.
    std::vector<long> Sent(char router, const std::string& kind) const {
        std::vector<long> ticks;
        for (const auto& [tick, what] : told) {
            if (what.rfind(std::string(1, router) + ": " + kind, 0) == 0) {
                ticks.push_back(tick);
            }
        }
        return ticks;
    }
};

} // namespace

// Every router sends its whole table every 30 s (156 ticks), each time up to 5 s (26 ticks)
// early or late, and never runs the packet pool out.
TEST_F(Rip, PeriodicUpdatesEveryThirtySecondsGiveOrTakeFive) {
    Choose("Example 1");
    On(Rule::Periodic);
    Ticks(156 * 20);
    for (char router : std::string("ABCDEF")) {
        const std::vector<long> sent = Sent(router, "periodic update to ");
        ASSERT_GE(sent.size(), 18u) << router;
        for (std::size_t i = 1; i < sent.size(); ++i) {
            EXPECT_GE(sent[i] - sent[i - 1], 156 - 26) << router;
            EXPECT_LE(sent[i] - sent[i - 1], 156 + 26) << router;
        }
    }
    EXPECT_TRUE(platform.messages.empty()) << "no out-of-packets message";
    EXPECT_EQ(Cost(0, 5), " 6") << "the tables converged on their own: A reaches f over B";
}

// A router whose route changed sends the change at once (the rows that changed, to every
// neighbour), then waits 1 to 5 s (5 to 26 ticks) before the next, sending what changed meanwhile
// in one.
TEST_F(Rip, TriggeredUpdatesGoAtOnceThenWait) {
    Choose("Example 1");
    Converge();
    On(Rule::Triggered);
    form.cmdBreak_Click(0); // A-B: A loses b, e, f through B; B loses a
    Ticks(1);
    EXPECT_EQ(told.at(0).second, "A: triggered update to C, D (b, e, f)");
    EXPECT_EQ(told.at(1).second, "B: triggered update to C, D, E (a)");
    Ticks(26 * 4); // the news has spread: quiet again
    told.clear();
    runtime.WriteTable(1, "R:0:C:::: 1::"); // B's d, through C, now 1
    Ticks(1);
    runtime.WriteTable(1, "R:0:E:::::: 1"); // and f, through E, now 1
    Ticks(26);
    const std::vector<long> fromB = Sent('B', "triggered update");
    ASSERT_EQ(fromB.size(), 2u);
    EXPECT_EQ(told.at(0).second, "B: triggered update to C, D, E (d)") << "at once";
    EXPECT_GE(fromB[1] - fromB[0], 5);
    EXPECT_LE(fromB[1] - fromB[0], 26);
    const auto second = std::find_if(told.begin() + 1, told.end(), [](const auto& line) {
        return line.second.rfind("B: triggered", 0) == 0;
    });
    EXPECT_EQ(second->second, "B: triggered update to C, D, E (f)") << "after the wait";
}

// Tables go one per link direction at a time: three quick Updates queue, never exhaust the
// pool, and each direction's last request goes once the one in flight arrives.
TEST_F(Rip, TablesQueueOnePerDirection) {
    Choose("Everything");
    On(Rule::Infinity);
    for (int click = 0; click < 3; ++click) {
        form.Command4_Click();
    }
    EXPECT_EQ(Busy(), 20) << "one table per direction of the ten links";
    Ticks(26);
    EXPECT_EQ(Busy(), 20) << "the queued ones follow, joined into one per direction";
    Ticks(26);
    EXPECT_EQ(Busy(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

// With failure found only by timeout a break tells nobody; the routes through it go after 180 s
// of silence, while periodic updates keep the others alive.
TEST_F(Rip, ABreakFoundOnlyByTimeout) {
    Choose("Three Routers");
    On(Rule::Periodic);
    On(Rule::TimeoutOnly);
    Converge();
    EXPECT_EQ(Cost(0, 2), " 2") << "A reaches c over A-C (1 + 1)";
    sent.clear();
    form.cmdBreak_Click(1); // A-C
    EXPECT_TRUE(sent.empty()) << "no break message";
    EXPECT_EQ(Cost(0, 2), " 2") << "A still believes C";
    Ticks(936 + 156 + 26);
    EXPECT_EQ(Cost(0, 2), " 11") << "A reaches c round through B (1 + 1 + 9)";
    EXPECT_EQ(Row(0, 2).nextHop, "B");
    bool timedOut = false;
    for (const auto& line : told) {
        timedOut = timedOut || line.second.find("timed out after 180 s") != std::string::npos;
    }
    EXPECT_TRUE(timedOut);
}

// The three-router loop that poisoned reverse cannot stop (RFC 2453, 3.4.4): after C-D breaks,
// single tables C->A, B->A, A->C, C->B, B->A, ... count A, B and C up round the loop; infinity 16
// stops them at inf, hold-down sooner.
TEST_F(Rip, TheThreeRouterLoop) {
    const char* const sends[] = {"CA", "BA", "AC", "CB", "BA", "AC", "CB", "BA", "AC",
                                 "CB", "BA", "AC", "CB", "BA", "AC", "CB", "BA"};
    const struct {
        std::vector<Rule> rules;
        std::map<int, std::string> after; // sends made -> d's costs at A, B, C
    } cases[] = {
        {{},
         {{1, "inf| 3|inf"},
          {2, " 4| 3|inf"},
          {5, " 7| 6| 5"},
          {14, " 16| 15| 14"},
          {17, " 19| 18| 17"}}},
        {{Rule::Infinity}, {{5, " 7| 6| 5"}, {14, "inf| 15| 14"}, {17, "inf|inf|inf"}}},
        {{Rule::Infinity, Rule::HoldDown}, {{2, "inf| 3|inf"}, {4, "inf|inf|inf"}}},
    };
    for (const auto& c : cases) {
        Choose("Three-Router Loop");
        for (Rule rule : c.rules) {
            On(rule);
        }
        state.chkSplit.value = 1;
        form.chkSplit_Click();
        Converge();
        EXPECT_EQ(Cost(0, 3) + "|" + Cost(1, 3) + "|" + Cost(2, 3), " 3| 3| 2");
        form.cmdBreak_Click(7); // C-D
        int made = 0;
        for (const char* send : sends) {
            SendTable(send[0] - 'A', send[1] - 'A');
            Ticks(26);
            ++made;
            if (c.after.count(made) != 0) {
                EXPECT_EQ(Cost(0, 3) + "|" + Cost(1, 3) + "|" + Cost(2, 3), c.after.at(made))
                    << c.rules.size() << " rules, after " << made << " sends";
            }
        }
        EXPECT_EQ(Row(0, 3).nextHop, c.rules.empty() ? "B" : Row(0, 3).nextHop);
        form.cmdBreak_Click(7);
        for (Rule rule : c.rules) {
            form.Rip().Set(rule, false);
        }
        state.chkSplit.value = 0;
        form.chkSplit_Click();
    }
}

// Whatever the lecturer does, with every combination of switches, no cost is ever above 16
// while 16 is infinity.
TEST_F(Rip, NoCostAboveSixteenWithInfinityOn) {
    Demonstration demonstration(form);
    SeededRandom user(99);
    for (int combination = 0; combination < 32; ++combination) {
        demonstration.SetAllRules(false, 0);
        demonstration.SetRule(Rule::Infinity, true, 0);
        const Rule others[] = {Rule::Periodic, Rule::Triggered, Rule::HoldDown, Rule::SimpleSplit,
                               Rule::TimeoutOnly};
        for (int bit = 0; bit < 5; ++bit) {
            if ((combination >> bit & 1) != 0) {
                demonstration.SetRule(others[bit], true, 0);
            }
        }
        demonstration.Act(Action::Choose(combination % 2 == 0 ? "Example 1" : "Three-Router Loop"),
                          0);
        for (int step = 0; step < 150; ++step) {
            const auto op = static_cast<std::uint8_t>(user.Next() < 0.3 ? 8 : user.Next() * 20);
            ApplyLectureAction(demonstration, op, static_cast<std::uint8_t>(user.Next() * 256));
            // The lecturer may switch infinity off and on again meanwhile, and no cost is ever
            // written blank.
            for (const RouterPanel& panel : state.RouterTable) {
                for (const RouteRow& row : panel.Engine().Rows()) {
                    ASSERT_TRUE(row.cost == "inf" || IsNumeric(row.cost)) << "'" << row.cost << "'";
                    ASSERT_TRUE(!demonstration.RuleOn(Rule::Infinity) || !IsNumeric(row.cost) ||
                                ReadNumber(row.cost) < 16)
                        << row.cost << " with switches " << combination;
                }
            }
            ASSERT_EQ(CheckFormInvariants(form), "");
        }
    }
    EXPECT_TRUE(platform.messages.empty() ||
                std::all_of(platform.messages.begin(), platform.messages.end(),
                            [](const std::string& m) { return !m.empty(); }));
}

// Tables in flight keep the meaning they were sent with: a partial table sent under the rules says
// nothing of the rows it leaves out after the rules go off, and under the rules no table, not
// even one left flying from a random scenario, replaces a router's own network.
TEST_F(Rip, TablesInFlightKeepTheirMeaningAndOwnNetworksStay) {
    Demonstration demonstration(form);
    for (int flown = 1; flown < 60; ++flown) {
        demonstration.Act(Action::Choose("Three Routers"), 0);
        demonstration.SetAllRules(true, 0);
        demonstration.Act(Action::Click(Action::Control::Update), 0);
        demonstration.RunTicks(flown, 0);
        demonstration.SetAllRules(false, 0);
        for (int round = 0; round < 4; ++round) {
            demonstration.Act(Action::Click(Action::Control::Update), 0);
            demonstration.RunTicks(26, 0);
            for (int r = 0; r < 3; ++r) {
                for (int k = 0; k < 3; ++k) {
                    ASSERT_TRUE(Cost(r, k) == "inf" || IsNumeric(Cost(r, k)))
                        << "after " << flown << " ticks: '" << Cost(r, k) << "'";
                }
            }
        }
        const char* const converged[3][3] = {
            {" 1", " 3", " 2"}, {" 3", " 1", " 2"}, {" 2", " 2", " 1"}};
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(Cost(r, k), converged[r][k])
                    << flown << ": router " << r << ", network " << k;
            }
        }
    }

    demonstration.Act(Action::Choose("Flooding 1"), 0);
    demonstration.Act(Action::Click(Action::Control::Update), 0);
    demonstration.RunTicks(5, 0);
    demonstration.Act(Action::Choose("Example 1"), 0);
    demonstration.SetAllRules(true, 0);
    demonstration.RunTicks(2000, 0);
    for (int r = 0; r < kRouterCount; ++r) {
        EXPECT_EQ(Cost(r, r), " 1") << "router " << r;
        EXPECT_EQ(Row(r, r).nextHop, "L") << "router " << r;
    }
    EXPECT_EQ(Cost(0, 5), " 6");
    EXPECT_EQ(Row(0, 5).nextHop, "B");
}

// Under the rules a scenario starts the network afresh: the tables flying from the one before are
// lost, and after 8,000 ticks no router of "Three Routers" knows a network the scenario hides, and
// the tables have converged. A table on its way over a link broken meanwhile is not heard either.
// Without the rules the tables in flight still arrive, as they always have.
TEST_F(Rip, UnderTheRulesOnlyANeighbourNowIsHeard) {
    Demonstration demonstration(form);
    for (const Rule rule : {Rule::Infinity, Rule::Periodic, Rule::Triggered, Rule::HoldDown}) {
        demonstration.SetAllRules(false, 0);
        demonstration.Act(Action::Choose("Random 1 No Reverse"), 0);
        demonstration.SetRule(rule, true, 0);
        demonstration.Act(Action::Click(Action::Control::Update), 0);
        demonstration.RunTicks(5, 0);
        demonstration.Act(Action::Choose("Three Routers"), 0);
        demonstration.ShowShortestPaths(true, 0);
        for (int round = 0; round < 3; ++round) {
            demonstration.Act(Action::Click(Action::Control::Update), 0);
            demonstration.RunTicks(26, 0);
        }
        demonstration.RunTicks(8000, 0);
        for (int r = 0; r < 3; ++r) {
            for (int k = 3; k < kNetworkCount; ++k) {
                EXPECT_FALSE(Row(r, k).shown && IsNumeric(Cost(r, k)))
                    << RouterLetter(r) << " shows " << NetworkLetter(k) << " at " << Cost(r, k)
                    << " via " << Row(r, k).nextHop << ", rule " << static_cast<int>(rule);
            }
        }
        EXPECT_EQ(Cost(0, 2), " 2") << "A reaches c through C at 1 + 1";
        EXPECT_TRUE(demonstration.Meter().Converged()) << static_cast<int>(rule);
    }

    // A-B broken while A's table is on its way to B: B does not hear it.
    demonstration.SetAllRules(false, 0);
    demonstration.Act(Action::Choose("Three Routers"), 0);
    demonstration.SetRule(Rule::Infinity, true, 0);
    demonstration.Act(Action::Click(Action::Control::Router, 0), 0);
    demonstration.Act(Action::Click(Action::Control::Router, 1), 0);
    demonstration.RunTicks(10, 0);
    const int ab = Topology::BreakOfLink(Topology::LinkIndex(0, 1));
    demonstration.Act(Action::Click(Action::Control::Break, ab), 0);
    demonstration.RunTicks(26, 0);
    EXPECT_EQ(Cost(1, 0), "inf") << "B never heard A's table";

    demonstration.SetAllRules(false, 0);
    demonstration.Act(Action::Choose("Random 1 No Reverse"), 0);
    demonstration.Act(Action::Click(Action::Control::Update), 0);
    demonstration.RunTicks(5, 0);
    demonstration.Act(Action::Choose("Three Routers"), 0);
    demonstration.RunTicks(26, 0);
    EXPECT_TRUE(Row(0, 3).shown) << "without the rules, the tables in flight arrive";
}

// With "Split Horizons" ticked, the tables a router sends back to its next hop leave those routes
// out under simple split horizon, and carry them as inf under poisoned reverse: "Three Routers"
// converged, B's table to C (B reaches a through C) says nothing of a, or says inf.
TEST_F(Rip, SimpleSplitHorizonLeavesOutWhatPoisonedReverseSendsAsInf) {
    Choose("Three Routers");
    state.chkSplit.value = 1;
    form.chkSplit_Click();
    On(Rule::Infinity);
    Converge();
    ASSERT_EQ(Row(1, 0).nextHop, "C");
    for (const bool simple : {false, true}) {
        form.Rip().Set(Rule::SimpleSplit, simple);
        std::string toC;
        runtime.routerMessageObserver = [&](const RouterMessage& message) {
            if (message.router == 2 && message.text.rfind("R:0:B:", 0) == 0) {
                toC = std::string(message.text);
            }
        };
        Converge(1);
        runtime.routerMessageObserver = nullptr;
        ASSERT_FALSE(toC.empty());
        EXPECT_EQ(SplitFields(toC)[3], simple ? "" : "inf") << toC;
    }
}

// What the window says of the rules on.
TEST(RipSummary, SaysWhichRulesAreOn) {
    RipSwitches on;
    EXPECT_EQ(RipControl::Summary(on), "");
    on.infinity = true;
    on.holdDown = true;
    on.holdDownSeconds = 60;
    EXPECT_EQ(RipControl::Summary(on), "RIP: infinity 16, hold-down 60 s");
    on.timeoutOnly = true;
    on.simpleSplit = true;
    EXPECT_EQ(RipControl::Summary(on),
              "RIP: infinity 16, hold-down 60 s, simple-split, timeout-only");
    on.periodic = on.triggered = true;
    EXPECT_EQ(RipControl::Summary(on), "RIP: all rules, hold-down 60 s");
}

// Switched on and off again, the rules leave the window running exactly as if never touched.
TEST(RipOff, SwitchedOffTheWindowRunsAsBefore) {
    FakePlatform platform;
    SeededRandom random1(4);
    SeededRandom random2(4);
    MainForm plain(platform, random1);
    MainForm touched(platform, random2);
    for (MainForm* form : {&plain, &touched}) {
        form->Form_Load();
        form->State().cmbSims.text = "Example 1"; // no cost of 0 for infinity 16 to raise
        form->cmbSims_Click();
    }
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        touched.Rip().Set(rule.rule, true);
    }
    touched.MoveTimer_Timer();
    plain.MoveTimer_Timer();
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        touched.Rip().Set(rule.rule, false);
    }
    // Periodic updates drew from the random source, which runs on: both start it afresh.
    random1.Seed(5);
    random2.Seed(5);
    SeededRandom user(8);
    for (int step = 0; step < 2000; ++step) {
        const auto op = static_cast<std::uint8_t>(user.Next() * 14);
        const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
        ApplyUserAction(plain, op, arg);
        ApplyUserAction(touched, op, arg);
        ASSERT_EQ(DescribeState(touched.State()), DescribeState(plain.State())) << step;
    }
}

// With only "a break is found only by timeout" on, no periodic update keeps a route alive: every
// learned route goes 180 s (936 ticks) after the rule came on.
TEST_F(Rip, WithTimeoutOnlyEveryLearnedRouteGoesAfterThreeMinutes) {
    Choose("Three Routers");
    Converge();
    On(Rule::TimeoutOnly);
    Ticks(930);
    EXPECT_EQ(Cost(0, 2), " 2");
    Ticks(10);
    EXPECT_EQ(Cost(0, 2), "inf");
    EXPECT_EQ(Cost(0, 0), " 1") << "its own network stays";
}
