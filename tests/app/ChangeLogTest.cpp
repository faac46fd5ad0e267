#include "app/ChangeLog.h"

#include "support/FormFixture.h"

#include <algorithm>

namespace {

struct Log : FormFixture {
    ChangeLog log{state};
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
};

} // namespace

TEST_F(Log, MarksExactlyTheRowsAMessageChanged) {
    state.WriteTable(1, "R:0:C:inf:inf: 2:inf: 3:inf"); // B learns c and e through C
    EXPECT_EQ(Marked(1), "..c.e.");
    state.WriteTable(1, "R:0:C:inf:inf: 2:inf: 3:inf"); // the same table again
    EXPECT_EQ(Marked(1), "..c.e.") << "nothing changed: the marks stay as they were";
    state.WriteTable(1, "Z: 1:B"); // a table request changes no row
    EXPECT_EQ(Marked(1), "..c.e.");
    state.WriteTable(0, "R:0:C:inf:inf:inf: 9:inf:inf"); // A learns d: a new change
    EXPECT_EQ(Marked(0), "...d..");
    EXPECT_EQ(Marked(1), "......") << "until the next change";
    log.SetHighlight(ChangeLog::Highlight::Off);
    EXPECT_EQ(Marked(0), "......");
    state.WriteTable(0, "R:0:C:inf:inf:inf:inf: 5:inf");
    EXPECT_EQ(Marked(0), "......") << "off: nothing is marked";
}

TEST_F(Log, MarksLastUntilTheNextTickOrForThreeSeconds) {
    log.SetHighlight(ChangeLog::Highlight::UntilNextTick);
    state.WriteTable(1, "R:0:C:inf:inf: 2:inf:inf:inf");
    EXPECT_EQ(Marked(1), "..c...");
    form.MoveTimer_Timer();
    log.Refresh();
    EXPECT_EQ(Marked(1), "......");
    log.SetHighlight(ChangeLog::Highlight::ForSeconds);
    log.SetNow(10000);
    state.WriteTable(1, "R:0:C:inf:inf: 2: 4:inf:inf"); // c as before, d new
    log.SetNow(12999);
    log.Refresh();
    EXPECT_EQ(Marked(1), "...d..");
    log.SetNow(13000);
    log.Refresh();
    EXPECT_EQ(Marked(1), "......");
}

TEST_F(Log, TellsWhyEachRouteChanged) {
    // C's table reaches B over C-B (cost 2): a better route.
    state.WriteTable(1, "R:0:C:inf:inf: 3:inf: 4:inf");
    EXPECT_TRUE(Says("B: route to c now cost 3 via C (C offers 1, link C-B adds 2)"));
    EXPECT_TRUE(Says("B: route to e now cost 4 via C (C offers 2, link C-B adds 2)"));
    // A offers e at the same cost: B keeps C.
    state.WriteTable(1, "R:0:A:inf:inf:inf:inf: 4:inf");
    EXPECT_TRUE(Says("B: route to e kept at cost 4 via C (A offers the same)"));
    // C, B's next hop to e, now offers more: B follows it up.
    state.WriteTable(1, "R:0:C:inf:inf: 3:inf: 9:inf");
    EXPECT_TRUE(Says("B: route to e now cost 9 via C, following its next hop up (C offers 7, "
                     "link C-B adds 2)"));
    // And then no route at all.
    state.WriteTable(1, "R:0:C:inf:inf: 3:inf:inf:inf");
    EXPECT_TRUE(Says("B: route to e now inf (next hop C offers inf)"));
    // With split horizon B tells C that routes through C are unreachable.
    state.WriteTable(1, "Z: 2:B:C");
    EXPECT_TRUE(Says("B -> C: poisoned reverse, c, e sent as inf"));
    EXPECT_TRUE(Says("B <- Z: 2:B:C"));
    EXPECT_TRUE(Says("B answers R:0:B:inf: 3:inf:inf:inf:inf"));
}

TEST_F(Log, LinesCarryTheTickAndTheBreaksAndResets) {
    for (int t = 0; t < 5; ++t) {
        form.MoveTimer_Timer();
    }
    state.WriteTable(1, "R:0:A: 4:inf:inf:inf:inf:inf");
    form.cmdBreak_Click(0); // A-B
    EXPECT_TRUE(Says("B: link to A broken; routes to a now inf"));
    EXPECT_TRUE(Says("A: link to B broken"));
    EXPECT_EQ(log.Lines().back().tick, 5);
    form.Command5_Click();
    EXPECT_TRUE(Says("F: table reset"));
    EXPECT_FALSE(sent.empty()) << "the fixture's own watcher is still told";
}
