#include "app/ChangeLog.h"
#include "session/Demonstration.h"

#include "support/FormFixture.h"
#include "support/FormInvariants.h"

#include "common/NumberText.h"

#include <algorithm>
#include <regex>

namespace {

struct Log : FormFixture {
    ChangeLog log{state, runtime};
    Log() {
        Choose("Example 1");
        log.SetHighlight(ChangeLog::Highlight::UntilNextChange);
    }
    bool Says(const std::string& text) const {
        return std::any_of(log.Lines().begin(), log.Lines().end(),
                           [&](const ChangeLog::Line& line) { return line.text == text; });
    }
    std::string Marked(int router) const {
        std::string rows;
        for (int k = 0; k < 6; ++k) {
            rows += state.RouterTable[router].highlighted[k] ? static_cast<char>('a' + k) : '.';
        }
        return rows;
    }
    // A table arriving in a packet, charged `cost` for its link when it was sent.
    void Arrive(int router, const std::string& table, std::int16_t cost) {
        runtime.WriteTable(router, table, cost);
    }
};

} // namespace

TEST_F(Log, MarksExactlyTheRowsAMessageChanged) {
    runtime.WriteTable(1, "R:0:C:inf:inf: 2:inf: 3:inf"); // B learns c and e through C
    EXPECT_EQ(Marked(1), "..c.e.");
    runtime.WriteTable(1, "R:0:C:inf:inf: 2:inf: 3:inf"); // the same table again
    EXPECT_EQ(Marked(1), "..c.e.") << "nothing changed: the marks stay as they were";
    runtime.WriteTable(1, "Z: 1:B"); // a table request changes no row
    EXPECT_EQ(Marked(1), "..c.e.");
    log.SetHighlight(ChangeLog::Highlight::Off);
    EXPECT_EQ(Marked(1), "......");
    runtime.WriteTable(0, "R:0:C:inf:inf:inf:inf: 5:inf");
    EXPECT_EQ(Marked(0), "......") << "off: nothing is marked";
}

// Until the next change, every row changed in the latest moment of change stays framed: all a
// round of Update changed, on the tick its tables arrive and while the tables already in flight
// come in; a table sent after the moment began starts the next one.
TEST_F(Log, UntilTheNextChangeFramesAWholeRound) {
    form.Command4_Click();
    Ticks(26);
    int framed = 0;
    for (int r = 0; r < 6; ++r) {
        const std::string marked = Marked(r);
        framed += static_cast<int>(6 - std::count(marked.begin(), marked.end(), '.'));
    }
    // Each router learns the network of each neighbour: twice the nine links of Example 1.
    EXPECT_EQ(framed, 18);
    EXPECT_EQ(Marked(1), "a.cde.");

    SendTable(1, 0); // B tells A, sent after the moment began
    Ticks(5);
    Arrive(0, "R:0:D:inf:inf:inf: 2:inf:inf", 1); // a table sent before it: the same moment
    EXPECT_EQ(Marked(0), ".bcd..") << "A keeps its frames and adds d";
    Ticks(21);
    EXPECT_EQ(Marked(0), "....e.") << "B's table starts the next moment: A learns e";
    EXPECT_EQ(Marked(1), "......");
}

TEST_F(Log, MarksLastUntilTheNextTickOrForThreeSeconds) {
    log.SetHighlight(ChangeLog::Highlight::UntilNextTick);
    runtime.WriteTable(1, "R:0:C:inf:inf: 2:inf:inf:inf");
    EXPECT_EQ(Marked(1), "..c...");
    form.MoveTimer_Timer();
    log.Refresh();
    EXPECT_EQ(Marked(1), "......");
    log.SetHighlight(ChangeLog::Highlight::ForSeconds);
    log.SetNow(10000);
    runtime.WriteTable(1, "R:0:C:inf:inf: 2: 4:inf:inf"); // c as before, d new
    EXPECT_EQ(log.MarksRunOutAt(), 13000);
    log.SetNow(12999);
    log.Refresh();
    EXPECT_EQ(Marked(1), "...d..");
    log.SetNow(13000);
    log.Refresh();
    EXPECT_EQ(Marked(1), "......");
    EXPECT_FALSE(log.MarksRunOutAt().has_value());
}

TEST_F(Log, TellsWhyEachRouteChanged) {
    // C's table reaches B over C-B (cost 2): a better route.
    Arrive(1, "R:0:C:inf:inf: 3:inf: 4:inf", 2);
    EXPECT_TRUE(Says("B: route to c now cost 3 via C (C offers 1, link C-B adds 2)"));
    EXPECT_TRUE(Says("B: route to e now cost 4 via C (C offers 2, link C-B adds 2)"));
    // A offers e at the same cost: B keeps C.
    Arrive(1, "R:0:A:inf:inf:inf:inf: 4:inf", 3);
    EXPECT_TRUE(Says("B: route to e kept at cost 4 via C (A offers the same)"));
    // C, B's next hop to e, now offers more: B follows it up.
    Arrive(1, "R:0:C:inf:inf: 3:inf: 9:inf", 2);
    EXPECT_TRUE(Says("B: route to e now cost 9 via C, following its next hop up (C offers 7, "
                     "link C-B adds 2)"));
    // And then no route at all.
    Arrive(1, "R:0:C:inf:inf: 3:inf:inf:inf", 2);
    EXPECT_TRUE(Says("B: route to e now inf (next hop C offers inf)"));
    // With split horizon B tells C that routes through C are unreachable.
    runtime.WriteTable(1, "Z: 2:B:C");
    EXPECT_TRUE(Says("B -> C: poisoned reverse, c, e sent as inf"));
    EXPECT_TRUE(Says("B <- Z: 2:B:C"));
    EXPECT_TRUE(Says("B answers R:0:B:inf: 3:inf:inf:inf:inf"));
}

// A sentence tells what the table carried: a cost changed while it was in flight, or a scenario
// chosen meanwhile, changes nothing of it.
TEST_F(Log, TellsWhatTheTableCarriedWhateverChangedInFlight) {
    SendTable(0, 1); // A-B costs 3
    Ticks(10);
    form.lblCost_MouseDown(0, 1); // A-B now 4, while the table flies
    Ticks(16);
    EXPECT_TRUE(Says("B: route to a now cost 4 via A (A offers 1, link A-B adds 3)"));

    // The property: in the scenarios routed by table, whatever happens in flight, every router
    // offers a cost of at least 1 (its own network's) and every link adds its cost of 0 to 9.
    const char* const tableScenarios[] = {"Example 1", "Three Routers", "Four Routers",
                                          "Everything"};
    Demonstration demonstration(form);
    SeededRandom user(21);
    for (int step = 0; step < 3000; ++step) {
        const auto op = static_cast<std::uint8_t>(user.Next() < 0.3 ? 8 : user.Next() * 20);
        const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
        if (op % 20 == 4) {
            demonstration.Act(Action::Choose(tableScenarios[arg % 4]), 0);
        } else {
            ApplyLectureAction(demonstration, op, arg);
        }
    }
    const std::regex offer(R"(offers (-?[0-9.]+), link [A-F]-[A-F] adds (-?[0-9.]+)\))");
    int told = 0;
    for (const auto& line : demonstration.LogLines()) {
        std::smatch m;
        if (std::regex_search(line.text, m, offer)) {
            ++told;
            EXPECT_GE(ReadNumber(m[1].str()), 1) << line.text;
            EXPECT_GE(ReadNumber(m[2].str()), 0) << line.text;
            EXPECT_LE(ReadNumber(m[2].str()), 9) << line.text;
        }
    }
    EXPECT_GT(told, 100);
}

TEST_F(Log, LinesCarryTheTickAndTheBreaksAndResets) {
    for (int t = 0; t < 5; ++t) {
        form.MoveTimer_Timer();
    }
    runtime.WriteTable(1, "R:0:A: 4:inf:inf:inf:inf:inf");
    form.cmdBreak_Click(0); // A-B
    EXPECT_TRUE(Says("B: link to A broken; routes to a now inf"));
    EXPECT_TRUE(Says("A: link to B broken"));
    EXPECT_EQ(log.Lines().back().tick, 5);
    form.Command5_Click();
    EXPECT_TRUE(Says("F: table reset"));
    EXPECT_FALSE(sent.empty()) << "the fixture's own watcher is still told";
    // A scenario that hides routers resets them out of sight: the log tells of those it shows.
    const std::size_t before = log.Lines().size();
    form.State().cmbSims.text = "Three Routers";
    form.cmbSims_Click();
    std::vector<std::string> resets;
    for (std::size_t i = before; i < log.Lines().size(); ++i) {
        if (log.Lines()[i].text.find("table reset") != std::string::npos) {
            resets.push_back(log.Lines()[i].text);
        }
    }
    EXPECT_EQ(resets,
              (std::vector<std::string>{"A: table reset", "B: table reset", "C: table reset"}));
}

// A reader at home hovers a row of a converged Example 1: what it means and why, in the log's
// own words.
TEST_F(Log, ARowSaysWhatItMeansAndWhy) {
    for (int round = 0; round < 4; ++round) {
        form.Command4_Click();
        Ticks(26);
    }
    form.cmdBreak_Click(5); // B-E
    EXPECT_EQ(log.Explain(0, 0), "Network a is A's own: cost 1, next hop L");
    EXPECT_EQ(log.Explain(0, 5),
              "A reaches network f at cost 6 through B: B offered 3 and the link B-A adds 3 "
              "(tick 78)");
    EXPECT_EQ(log.Explain(1, 3),
              "B reaches network d at cost 4 through C: C offered 2 and the link C-B adds 2 "
              "(tick 52)");
    EXPECT_EQ(log.Explain(1, 4),
              "inf: B has no route to network e: the link to E broke (tick 104)");
    EXPECT_EQ(log.Explain(4, 5),
              "E reaches network f at cost 2 through F: F offered 1 and the link F-E adds 1 "
              "(tick 26)");
    // A row changed since by other means (a reset) no longer claims the old reason.
    form.Command5_Click();
    EXPECT_EQ(log.Explain(1, 4), "inf: B has no route to network e");
}
