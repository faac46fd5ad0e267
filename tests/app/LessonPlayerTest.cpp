// Lessons told step by step: the built-in lessons replayed with the tables each caption shows,
// a step back returning exactly, and a lesson recorded at the lesson replaying the same.
#include "session/LessonPlayer.h"
#include "app/MainForm.h"
#include "common/Fields.h"
#include "common/SeededRandom.h"
#include "files/HopscapeFile.h"
#include "files/LessonFile.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Lecture {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    LessonPlayer player{demonstration};
    // How a question the lesson asks is met: revealed by the next press, answered right, or
    // answered with every cell blank.
    enum class Answering { Reveal, Right, Blank };
    Answering answering = Answering::Reveal;
    Lecture() { form.Form_Load(); }
    // One press of the clicker, and the wait it begins let run out; a question on the way is
    // met, and the press goes on.
    void Press() {
        player.Next(0);
        player.Finish(0);
        while (player.Held()) {
            if (answering == Answering::Reveal) {
                player.Next(0);
            } else {
                demonstration.Answer(answering == Answering::Right
                                         ? demonstration.Questions().Asked()->Answer()
                                         : std::vector<std::string>{},
                                     0);
                player.Answered(0);
            }
            player.Finish(0);
        }
    }
};

// The shown panels' rows: "A: a1L b3C | B: ...", each row its network, cost and next hop.
std::string Tables(const FormState& state) {
    std::string text;
    for (int r = 0; r < kRouterCount; ++r) {
        if (!state.RouterTable[r].visible) {
            continue;
        }
        text += (text.empty() ? "" : " | ") + RouterLetter(r) + ":";
        const auto& rows = state.RouterTable[r].Engine().Rows();
        for (int k = 0; k < Router::kRows; ++k) {
            if (rows[k].shown) {
                text += " " + NetworkLetter(k) + std::string(TrimBlanks(rows[k].cost)) +
                        rows[k].nextHop;
            }
        }
    }
    return text;
}

struct Caption {
    std::string caption;
    std::string tables;
};
struct Expected {
    std::string title;
    std::vector<Caption> captions;
};

const std::vector<Expected> kLessons{
    {"Example 1 converging",
     {
         {"Every router knows only its own network, at cost 1",
          "A: a1L | B: b1L | C: c1L | D: d1L | E: e1L | F: f1L"},
         {"One round: every router has learned its neighbours' networks",
          "A: a1L b4B c2C d6D | B: a4A b1L c3C d8D e2E | C: a2A b3B c1L d2D | D: a6A b8B c2C d1L "
          "f9F | E: b2B e1L f2F | F: d9D e2E f1L"},
         {"Two rounds: routes two hops long",
          "A: a1L b4B c2C d3C e5B f14D | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f10D "
          "| D: a3C b4C c2C d1L e9B f9F | E: a5B b2B c4B d9B e1L f2F | F: a14D b3E c10D d9D e2E "
          "f1L"},
         {"Three rounds: A's route to f has found its way round through B and E",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f9F | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d9D e2E f1L"},
         {"Four rounds: D and F find the way round to each other's networks, at 6",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f6C | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d6E e2E f1L"},
         {"Converged: this round changed nothing",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f6C | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d6E e2E f1L"},
         {"A packet from a to f followed the next hops A, B, E, F",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f6C | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d6E e2E f1L"},
     }},
    {"Count to infinity",
     {
         {"A-B costs 9; the way round through C costs 2", "A: a1L | B: b1L | C: c1L"},
         {"Round 1: every router learns its neighbours' networks; B reaches a directly, at 10",
          "A: a1L b10B c2C | B: a10A b1L c2C | C: a2A b2B c1L"},
         {"Round 2: B finds the way round through C, at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"Converged: B reaches a through C at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-B broken: nothing changes yet, every route already went round through C",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-C broken too: A is cut off; C knows, B still has a through C",
          "A: a1L binf- cinf- | B: a3C b1L c2C | C: ainf- b2B c1L"},
         {"C takes B's stale route to a, at 4; B hears C's inf",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a4B b2B c1L"},
         {"B takes C's offer: a at 5 through C",
          "A: a1L binf- cinf- | B: a5C b1L c2C | C: ainfB b2B c1L"},
         {"C takes B's: a at 6 through B",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a6B b2B c1L"},
         {"... and up, round after round, without end",
          "A: a1L binf- cinf- | B: a7C b1L c2C | C: ainfB b2B c1L"},
     }},
    {"Split horizon's cure",
     {
         {"Split horizon with poisoned reverse is on", "A: a1L | B: b1L | C: c1L"},
         {"Round 1: every router learns its neighbours' networks; B reaches a directly, at 10",
          "A: a1L b10B c2C | B: a10A b1L c2C | C: a2A b2B c1L"},
         {"Round 2: B finds the way round through C, at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"Converged: B reaches a through C at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-B broken: nothing changes yet, every route already went round through C",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-C broken too: A is cut off; C knows, B still has a through C",
          "A: a1L binf- cinf- | B: a3C b1L c2C | C: ainf- b2B c1L"},
         {"A router never offers a route back to where it learned it: inf at once",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: ainf- b2B c1L"},
         {"Another round: neither B nor C offers a any more",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: ainf- b2B c1L"},
         {"And inf it stays", "A: a1L binf- cinf- | B: ainfC b1L c2C | C: ainf- b2B c1L"},
     }},
    {"Three-router loop",
     {
         {"A, B, C and D, every cost 1, poisoned reverse on", "A: a1L | B: b1L | C: c1L | D: d1L"},
         {"Round 1: every router learns its neighbours' networks",
          "A: a1L b2B c2C | B: a2A b1L c2C | C: a2A b2B c1L d2D | D: c2C d1L"},
         {"Round 2: A and B reach d through C, D reaches a and b",
          "A: a1L b2B c2C d3C | B: a2A b1L c2C d3C | C: a2A b2B c1L d2D | D: a3C b3C c2C d1L"},
         {"Converged: C reaches d directly, A and B through C",
          "A: a1L b2B c2C d3C | B: a2A b1L c2C d3C | C: a2A b2B c1L d2D | D: a3C b3C c2C d1L"},
         {"C-D is broken: C has lost its route to d",
          "A: a1L b2B c2C d3C | B: a2A b1L c2C d3C | C: a2A b2B c1L dinf- | D: ainf- binf- cinf- "
          "d1L"},
         {"C tells A: A's route to d, through C, goes to inf",
          "A: a1L b2B c2C dinfC | B: a2A b1L c2C d3C | C: a2A b2B c1L dinf- | D: ainf- binf- cinf- "
          "d1L"},
         {"B, which still believes C, offers d to A: A takes it, at 4",
          "A: a1L b2B c2C d4B | B: a2A b1L c2C d3C | C: a2A b2B c1L dinf- | D: ainf- binf- cinf- "
          "d1L"},
         {"A offers d to C: C takes it, at 5", "A: a1L b2B c2C d4B | B: a2A b1L c2C d3C | C: a2A "
                                               "b2B c1L d5A | D: ainf- binf- cinf- d1L"},
         {"C offers d to B, through A: B follows it up, to 6",
          "A: a1L b2B c2C d4B | B: a2A b1L c2C d6C | C: a2A b2B c1L d5A | D: ainf- binf- cinf- "
          "d1L"},
         {"Poisoned reverse is on, yet A holds d at 7 through B: a loop of three",
          "A: a1L b2B c2C d7B | B: a2A b1L c2C d6C | C: a2A b2B c1L d5A | D: ainf- binf- cinf- "
          "d1L"},
     }},
    {"Infinity 16",
     {
         {"RIP's infinity: 16 means unreachable", "A: a1L | B: b1L | C: c1L"},
         {"Round 1: every router learns its neighbours' networks; B reaches a directly, at 10",
          "A: a1L b10B c2C | B: a10A b1L c2C | C: a2A b2B c1L"},
         {"Round 2: B finds the way round through C, at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"Converged: B reaches a through C at 3",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-B broken: nothing changes yet, every route already went round through C",
          "A: a1L b3C c2C | B: a3C b1L c2C | C: a2A b2B c1L"},
         {"A-C broken too: A is cut off; C knows, B still has a through C",
          "A: a1L binf- cinf- | B: a3C b1L c2C | C: ainf- b2B c1L"},
         {"Still counting: C takes B's offer, a at 4",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a4B b2B c1L"},
         {"Still counting: B takes C's offer, a at 5",
          "A: a1L binf- cinf- | B: a5C b1L c2C | C: ainfB b2B c1L"},
         {"Still counting: C takes B's offer, a at 6",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a6B b2B c1L"},
         {"Still counting: B takes C's offer, a at 7",
          "A: a1L binf- cinf- | B: a7C b1L c2C | C: ainfB b2B c1L"},
         {"Still counting: C takes B's offer, a at 8",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a8B b2B c1L"},
         {"Still counting: B takes C's offer, a at 9",
          "A: a1L binf- cinf- | B: a9C b1L c2C | C: ainfB b2B c1L"},
         {"Still counting: C takes B's offer, a at 10",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a10B b2B c1L"},
         {"Still counting: B takes C's offer, a at 11",
          "A: a1L binf- cinf- | B: a11C b1L c2C | C: ainfB b2B c1L"},
         {"Still counting: C takes B's offer, a at 12",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a12B b2B c1L"},
         {"Still counting: B takes C's offer, a at 13",
          "A: a1L binf- cinf- | B: a13C b1L c2C | C: ainfB b2B c1L"},
         {"Still counting: C takes B's offer, a at 14",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: a14B b2B c1L"},
         {"Still counting: B takes C's offer, a at 15",
          "A: a1L binf- cinf- | B: a15C b1L c2C | C: ainfB b2B c1L"},
         {"At 16 the count stops: both show inf",
          "A: a1L binf- cinf- | B: ainfC b1L c2C | C: ainfB b2B c1L"},
     }},
    {"Triggered updates",
     {
         {"RIP's infinity 16 is on; every router knows only its own network",
          "A: a1L | B: b1L | C: c1L | D: d1L | E: e1L | F: f1L"},
         {"Round 1: every router has learned its neighbours' networks",
          "A: a1L b4B c2C d6D | B: a4A b1L c3C d8D e2E | C: a2A b3B c1L d2D | D: a6A b8B c2C d1L "
          "f9F | E: b2B e1L f2F | F: d9D e2E f1L"},
         {"Round 2: routes two hops long",
          "A: a1L b4B c2C d3C e5B f14D | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f10D "
          "| D: a3C b4C c2C d1L e9B f9F | E: a5B b2B c4B d9B e1L f2F | F: a14D b3E c10D d9D e2E "
          "f1L"},
         {"Round 3: A's route to f has found its way round through B and E",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f9F | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d9D e2E f1L"},
         {"Converged, with RIP's infinity 16",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f6C | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d6E e2E f1L"},
         {"Triggered updates: a router whose routes changed tells its neighbours at once",
          "A: a1L b4B c2C d3C e5B f6B | B: a4A b1L c3C d4C e2E f3E | C: a2A b3B c1L d2D e4B f5B | "
          "D: a3C b4C c2C d1L e5C f6C | E: a5B b2B c4B d5B e1L f2F | F: a6E b3E c5E d6E e2E f1L"},
         {"B-E broken: with no click the bad news spread, every route over B-E is inf",
          "A: a1L b4B c2C d3C einfB finfB | B: a4A b1L c3C d4C einf- finf- | C: a2A b3B c1L d2D "
          "einfB finfB | D: a3C b4C c2C d1L einfC finfC | E: ainf- binf- cinf- dinf- e1L f2F | F: "
          "ainfE binfE cinfE dinfE e2E f1L"},
         {"One round of Update finds the way round over D-F",
          "A: a1L b4B c2C d3C e12C f11C | B: a4A b1L c3C d4C e13C f12C | C: a2A b3B c1L d2D e11D "
          "f10D | D: a3C b4C c2C d1L e10F f9F | E: a12F b13F c11F d10F e1L f2F | F: a11D b12D c10D "
          "d9D e2E f1L"},
     }},
    {"Hold-down",
     {
         {"Round 1: B and C reach each other directly, at 5",
          "A: a1L b2B c2C | B: a2A b1L c5C | C: a2A b5B c1L"},
         {"Round 2: B and C find the cheaper way through A, at 3",
          "A: a1L b2B c2C | B: a2A b1L c3A | C: a2A b3A c1L"},
         {"Converged: A-B and A-C cost 1, B-C 4: b is 2 from A",
          "A: a1L b2B c2C | B: a2A b1L c3A | C: a2A b3A c1L"},
         {"Hold-down is on: 180 s", "A: a1L b2B c2C | B: a2A b1L c3A | C: a2A b3A c1L"},
         {"A-B broken: A and B lose each other's networks",
          "A: a1L binf- c2C | B: ainf- b1L cinf- | C: a2A b3A c1L"},
         {"A tells C that b is unreachable: C holds b down",
          "A: a1L binf- c2C | B: ainf- b1L cinf- | C: a2A binfA c1L"},
         {"C refuses B's offer of b at 5: b is held down",
          "A: a1L binf- c2C | B: ainf- b1L cinf- | C: a2A binfA c1L"},
         {"180 s later the hold-down is over: C takes B's offer, b at 5",
          "A: a1L binf- c2C | B: a6C b1L c5C | C: a2A b5B c1L"},
         {"A takes C's: b at 6 through C; the good news took 180 s",
          "A: a1L b6C c2C | B: a6C b1L c5C | C: a2A b5B c1L"},
     }},
};

// Presses a started lesson through to its end: each press shows a new caption, and the tables
// under it show what the lesson shows there when played in a window of its own.
void PlayChecked(Lecture& lecture, const Expected& expected, const std::string& after) {
    const std::string where = after.empty() ? expected.title : expected.title + " after " + after;
    EXPECT_EQ(lecture.player.Caption(), expected.title);
    std::size_t next = 0;
    for (int press = 0; press < 100 && !lecture.player.AtEnd(); ++press) {
        const std::string before = lecture.player.Caption();
        lecture.Press();
        // Every press shows a caption of its own (a selection click is no press by itself).
        ASSERT_NE(lecture.player.Caption(), before) << where << ", press " << press + 1;
        ASSERT_LT(next, expected.captions.size()) << where;
        EXPECT_EQ(lecture.player.Caption(), expected.captions[next].caption) << where;
        EXPECT_FALSE(lecture.player.Detail().empty()) << where << ": a line for a student too";
        EXPECT_EQ(Tables(lecture.form.State()), expected.captions[next].tables)
            << where << ": " << expected.captions[next].caption;
        ++next;
    }
    EXPECT_TRUE(lecture.player.AtEnd()) << where;
    EXPECT_EQ(next, expected.captions.size()) << where;
}

} // namespace

// Each built-in lesson, pressed through to its end: at each caption the tables show what the
// caption says they show, its questions revealed, answered right or left blank.
TEST(BuiltInLessons, EachReplaysWithTheTablesItsCaptionsDescribe) {
    ASSERT_EQ(BuiltInLessons::All().size(), kLessons.size());
    // The questions on the way change nothing, however they are met.
    for (const auto answering :
         {Lecture::Answering::Reveal, Lecture::Answering::Right, Lecture::Answering::Blank}) {
        for (const Expected& expected : kLessons) {
            const std::optional<LessonScript> script = BuiltInLessons::Named(expected.title);
            ASSERT_TRUE(script.has_value()) << expected.title;
            Lecture lecture;
            lecture.answering = answering;
            lecture.player.Start(*script, 0);
            PlayChecked(lecture, expected, "");
        }
    }
}

// Lessons given one after another in one window: each starts clean, whatever the one before it
// left (broken links, split horizon, RIP's rules, packets, speed), and shows at every caption
// what it shows played alone. Starting a lesson is one undo level.
TEST(BuiltInLessons, EachPlaysTheSameAfterAnyOther) {
    for (const Expected& first : kLessons) {
        for (const Expected& second : kLessons) {
            Lecture lecture;
            lecture.player.Start(*BuiltInLessons::Named(first.title), 0);
            PlayChecked(lecture, first, "");
            // What a lecturer may leave behind besides: packets flying, fast, framed rows.
            lecture.demonstration.Act(Action::Click(Action::Control::Many), 0);
            lecture.demonstration.Act(Action::Click(Action::Control::Update), 0);
            lecture.demonstration.SetSpeed(Demonstration::Speed::Double, 0);
            lecture.demonstration.CycleHighlight(0);
            lecture.demonstration.ShowShortestPaths(true, 0);
            FormState& state = lecture.form.State();
            const std::string left = DescribeState(state);
            const std::string status = state.Label2.caption;
            lecture.player.Start(*BuiltInLessons::Named(second.title), 0);
            EXPECT_EQ(state.Label2.caption, "") << "no record of the lesson before";
            EXPECT_EQ(lecture.demonstration.CurrentSpeed(), Demonstration::Speed::Normal);
            EXPECT_FALSE(lecture.demonstration.ShortestPathsShown());
            PlayChecked(lecture, second, first.title);
            while (lecture.player.Back(0)) {
            }
            ASSERT_TRUE(lecture.demonstration.Undo(0)) << "the start of " << second.title;
            EXPECT_EQ(state.Label2.caption, "Undone: start of lesson \"" + second.title + "\"");
            state.Label2.caption = status;
            EXPECT_TRUE(DescribeState(state) == left) << "undoing " << second.title << "'s start";
        }
    }
}

// A lesson file's start may tick "Split Horizons" and switch RIP's rules on; everything else
// starts clean, whatever the lesson before left.
TEST(LessonPlayer, AStartTicksSplitHorizonsAndSwitchesRulesAsItSays) {
    const LessonFile::Read read = LessonFile::FromJson(LessonFile::ToJson([] {
        LessonScript script;
        script.title = "Switched";
        script.scenario = "Three Routers";
        script.splitHorizons = true;
        script.rules.infinity = true;
        script.rules.holdDown = true;
        return script;
    }()));
    ASSERT_TRUE(read.lesson.has_value()) << read.fault;
    EXPECT_TRUE(read.lesson->splitHorizons);
    Lecture lecture;
    lecture.player.Start(*BuiltInLessons::Named("Hold-down"), 0);
    while (!lecture.player.AtEnd()) {
        lecture.Press();
    }
    lecture.demonstration.SetRule(RipControl::Rule::Periodic, true, 0);
    lecture.demonstration.SetHoldDownSeconds(30, 0);
    lecture.player.Start(*read.lesson, 0);
    const FormState& state = lecture.form.State();
    EXPECT_TRUE(state.SplitHorizon);
    EXPECT_TRUE(state.chkSplit.value);
    RipSwitches expected;
    expected.infinity = true;
    expected.holdDown = true;
    EXPECT_TRUE(state.Rip.on == expected) << "hold-down back to 180 s, periodic off";
    EXPECT_EQ(state.Link(0, 1).colour, 0x808080) << "A-B mended";
    EXPECT_EQ(Tables(state), "A: a1L | B: b1L | C: c1L");
}

// Ctrl+Z in a lesson undoes the lecturer's own action first, then steps the lesson back as Page
// Up does, the progress kept true; Ctrl+Y presses again. Recording and playing do not mix.
TEST(LessonPlayer, UndoAndRedoKeepTheLessonsProgressTrue) {
    Lecture lecture;
    ASSERT_TRUE(lecture.player.Start(*BuiltInLessons::Named("Count to infinity"), 0));
    lecture.Press();
    lecture.Press();
    const Snapshot second = lecture.demonstration.Capture();
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 2 of 10");
    lecture.demonstration.Act(Action::Click(Action::Control::Break, 0), 0); // the lecturer's own
    ASSERT_TRUE(lecture.player.Undo(0));
    EXPECT_EQ(lecture.form.State().Label2.caption, "Undone: break of link A-B");
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 2 of 10");
    ASSERT_TRUE(lecture.player.Undo(0));
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 1 of 10");
    EXPECT_EQ(lecture.demonstration.LogLines().back().text, "Back one step: undone Update")
        << "the log says what going back did";
    ASSERT_TRUE(lecture.player.Redo(0));
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 2 of 10");
    EXPECT_TRUE(lecture.demonstration.Capture() == second) << "pressed again, the same";

    EXPECT_FALSE(lecture.player.Record(0));
    EXPECT_FALSE(lecture.demonstration.Recording());
    EXPECT_EQ(lecture.form.State().Label2.caption,
              "Not recording: a lesson is playing (\"Lesson: end it\" in the menu ends it)");
    lecture.player.Stop();
    ASSERT_TRUE(lecture.player.Record(0));
    EXPECT_FALSE(lecture.player.Start(*BuiltInLessons::Named("Hold-down"), 0));
    EXPECT_EQ(lecture.form.State().Label2.caption,
              "No lesson started: recording (Ctrl+Shift+R stops it and saves the recording)");
}

// A wait is the lesson's: pausing during it holds it, going back ends it.
TEST(LessonPlayer, PausingHoldsAWaitAndGoingBackEndsIt) {
    Lecture lecture;
    lecture.player.Start(*BuiltInLessons::Named("Count to infinity"), 0);
    lecture.Press();
    lecture.player.Next(0); // Update, then wait for quiet
    ASSERT_TRUE(lecture.player.Waiting());
    lecture.demonstration.Act(Action::Click(Action::Control::Pause), 0);
    lecture.player.Settle(0);
    EXPECT_TRUE(lecture.player.Waiting()) << "paused: the wait waits for the lecturer";
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 2 of 10, running");
    ASSERT_TRUE(lecture.player.Back(0));
    EXPECT_FALSE(lecture.player.Waiting());
    EXPECT_EQ(lecture.player.Progress(), "Count to infinity: step 1 of 10");
}

// Page Up after any press puts the demonstration back exactly where the press began (tick,
// random source and speed included), and pressing on again does exactly what it did.
TEST(LessonPlayer, BackReturnsExactlyAndTheStepRepeatsTheSame) {
    for (const LessonScript& script : BuiltInLessons::All()) {
        Lecture lecture;
        lecture.player.Start(script, 0);
        EXPECT_FALSE(lecture.player.Back(0)) << "nothing before the first step";
        while (!lecture.player.AtEnd()) {
            const Snapshot before = lecture.demonstration.Capture();
            const std::string caption = lecture.player.Caption();
            lecture.Press();
            const Snapshot after = lecture.demonstration.Capture();
            const std::string said = lecture.player.Caption();
            ASSERT_TRUE(lecture.player.Back(0));
            ASSERT_TRUE(lecture.demonstration.Capture() == before) << script.title << ", " << said;
            ASSERT_EQ(lecture.player.Caption(), caption);
            lecture.Press();
            ASSERT_TRUE(lecture.demonstration.Capture() == after) << script.title << ", " << said;
        }
    }
}

// What the lecturer does while recording (clicks, undo, steps while paused, the extras, with
// the time between) becomes a lesson that survives its file and, played from the recorded
// start, ends exactly where the lecturer ended.
TEST(LessonPlayer, ARecordedLessonReplaysTheSame) {
    for (std::uint64_t seed = 21; seed <= 60; ++seed) {
        Lecture live;
        live.demonstration.Act(Action::Choose("Example 1"), 0);
        live.demonstration.Act(Action::Click(Action::Control::Update), 0);
        live.demonstration.StartRecording(0);
        EXPECT_FALSE(live.demonstration.Undo(0)) << "what came before the recording stays";
        SeededRandom user(seed);
        for (int i = 0; i < 60; ++i) {
            const auto op = static_cast<std::uint8_t>(user.Next() * 256);
            const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
            // Only the scenarios the list offers and the controls shown, as at the window.
            const std::optional<Action> action = UserAction(op % 20, arg);
            const bool unknown = action == Action::Choose("no such scenario");
            if (!action || action->OnWindow(live.form.State())) {
                ApplyLectureAction(live.demonstration, op, unknown ? 0 : arg);
            }
        }
        // The ticks after the last action belong to no step: the end is where it stood then.
        ApplyLectureAction(live.demonstration, 5, 0); // One
        const Snapshot end = live.demonstration.Capture();
        const LessonScript recorded = live.demonstration.StopRecording();
        ASSERT_FALSE(live.demonstration.Recording());

        const LessonFile::Read read = LessonFile::FromJson(LessonFile::ToJson(recorded));
        ASSERT_TRUE(read.lesson.has_value()) << read.fault;
        ASSERT_TRUE(*read.lesson == recorded) << "seed " << seed;

        Lecture replay;
        replay.player.Start(*read.lesson, 0);
        while (!replay.player.AtEnd()) {
            replay.Press();
        }
        EXPECT_TRUE(replay.demonstration.Capture() == end) << "seed " << seed;
        EXPECT_EQ(DescribeState(replay.form.State()), DescribeState(live.form.State()));
    }
}

// The projector look switched while recording is a step of the lesson, written as the file
// words say, and played back at its place.
TEST(LessonPlayer, TheProjectorLookIsRecordedAndPlayed) {
    Lecture live;
    live.demonstration.StartRecording(0);
    live.demonstration.Act(Action::Click(Action::Control::Update), 0);
    live.demonstration.Do(Extras::Id::Projector, 1, 0);
    const LessonScript recorded = live.demonstration.StopRecording();
    const std::string json = HopscapeFile::Bytes(LessonFile::ToJson(recorded));
    EXPECT_NE(json.find(R"("projector": true)"), std::string::npos) << json;
    const HopscapeFile::Read read = HopscapeFile::FromBytes(json);
    ASSERT_TRUE(read.lesson.has_value()) << read.fault;

    Lecture replay;
    replay.player.Start(*read.lesson, 0);
    EXPECT_FALSE(replay.demonstration.Projector());
    replay.Press();
    EXPECT_TRUE(replay.demonstration.Projector());
}

// At the end of a built-in lesson the clicker goes on to the next one, which starts as it starts
// alone; after the last there is nothing more.
TEST(LessonPlayer, TheClickerGoesOnFromOneBuiltInLessonToTheNext) {
    Lecture lecture;
    lecture.player.Start(*BuiltInLessons::Named("Example 1 converging"), 0);
    std::string title = "Example 1 converging";
    for (const std::string next : {"Count to infinity", "Split horizon's cure", "Three-router loop",
                                   "Infinity 16", "Triggered updates", "Hold-down"}) {
        while (!lecture.player.AtEnd()) {
            lecture.Press();
        }
        EXPECT_EQ(lecture.player.Progress(), title + ": the end; next, \"" + next + "\"");
        ASSERT_TRUE(lecture.player.CanGoOn());
        lecture.Press();
        EXPECT_EQ(lecture.player.Script().title, next);
        EXPECT_EQ(lecture.player.Caption(), next);
        EXPECT_EQ(lecture.player.Progress(),
                  next + ": step 0 of " + std::to_string(lecture.player.Script().Presses()));
        title = next;
    }
    while (!lecture.player.AtEnd()) {
        lecture.Press();
    }
    EXPECT_FALSE(lecture.player.CanGoOn());
    EXPECT_EQ(lecture.player.Progress(), "Hold-down: the end");
    lecture.Press();
    EXPECT_EQ(lecture.player.Script().title, "Hold-down");
}

// A switch turned off while recording replays off, and one turned on replays on: each of RIP's
// rules, the true costs and the projector look, from a start that had it the other way.
TEST(LessonPlayer, ARecordedSwitchReplaysTheWayItWasTurned) {
    using Rule = RipControl::Rule;
    struct Switch {
        std::string name;
        std::function<void(Demonstration&, bool)> set;
        std::function<bool(const Demonstration&)> on;
        bool started = true; // a lesson's start sets it (the true costs and the look it does not)
    };
    std::vector<Switch> switches;
    for (const Rule rule : {Rule::Infinity, Rule::Periodic, Rule::Triggered, Rule::HoldDown,
                            Rule::SimpleSplit, Rule::TimeoutOnly}) {
        switches.push_back({"rule " + std::to_string(static_cast<int>(rule)),
                            [rule](Demonstration& d, bool on) { d.SetRule(rule, on, 0); },
                            [rule](const Demonstration& d) { return d.RuleOn(rule); }});
    }
    switches.push_back({"true costs", [](Demonstration& d, bool on) { d.ShowShortestPaths(on, 0); },
                        [](const Demonstration& d) { return d.ShortestPathsShown(); }, false});
    switches.push_back({"projector",
                        [](Demonstration& d, bool on) { d.Do(Extras::Id::Projector, on, 0); },
                        [](const Demonstration& d) { return d.Projector(); }, false});
    for (const Switch& sw : switches) {
        for (const bool on : {false, true}) {
            if (!sw.started && !on) {
                continue;
            }
            Lecture live;
            live.demonstration.Act(Action::Choose("Example 1"), 0);
            sw.set(live.demonstration, !on);
            ASSERT_EQ(sw.on(live.demonstration), !on) << sw.name;
            live.demonstration.StartRecording(0);
            sw.set(live.demonstration, on);
            ASSERT_EQ(sw.on(live.demonstration), on) << sw.name;
            live.demonstration.Act(Action::Click(Action::Control::Update), 0);
            const LessonScript recorded = live.demonstration.StopRecording();
            const HopscapeFile::Read read =
                HopscapeFile::FromBytes(HopscapeFile::Bytes(LessonFile::ToJson(recorded)));
            ASSERT_TRUE(read.lesson.has_value()) << read.fault;

            Lecture replay;
            replay.player.Start(*read.lesson, 0);
            EXPECT_EQ(sw.on(replay.demonstration), !on) << sw.name << " at the start";
            while (!replay.player.AtEnd()) {
                replay.Press();
            }
            EXPECT_EQ(sw.on(replay.demonstration), on)
                << sw.name << (on ? " turned on" : " turned off");
        }
    }
}

// How the last answer fared stands while its press goes on, and goes with the next press.
TEST(LessonPlayer, AGradingGoesWithTheNextPress) {
    Lecture lecture;
    lecture.answering = Lecture::Answering::Right;
    lecture.player.Start(*BuiltInLessons::Named("Count to infinity"), 0);
    while (!lecture.demonstration.Questions().Graded() && !lecture.player.AtEnd()) {
        lecture.Press();
    }
    ASSERT_TRUE(lecture.demonstration.Questions().Graded().has_value());
    const auto& marks = lecture.form.State().RouterTable[2].prediction;
    EXPECT_NE(marks, (std::array<RouterPanel::Prediction, kRouterCount>{}));
    lecture.player.Next(0);
    EXPECT_FALSE(lecture.demonstration.Questions().Graded().has_value());
    EXPECT_EQ(marks, (std::array<RouterPanel::Prediction, kRouterCount>{}));
}
