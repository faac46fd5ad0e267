#include "app/BuiltInLessons.h"

#include "app/RipControl.h"

#include <array>
#include <initializer_list>

namespace {

using Step = LessonScript::Step;
using Control = Action::Control;

Step Click(Control control, int index = 0) {
    return Step::Do(Action::Click(control, index));
}

// Rounds of table exchange: Update, then the packets arrive, `count` times.
std::vector<Step> Rounds(int count) {
    std::vector<Step> steps;
    for (int round = 0; round < count; ++round) {
        steps.push_back(Click(Control::Update));
        steps.push_back(Step::WaitQuiet());
    }
    return steps;
}

// A single table from one router to another, and its arrival.
std::vector<Step> Send(char from, char to) {
    return {Click(Control::Router, from - 'A'), Click(Control::Router, to - 'A'),
            Step::WaitQuiet()};
}

Step Break(int button) {
    return Click(Control::Break, button);
}

Step Rule(RipControl::Rule rule) {
    return Step::Do(Action::Rule(static_cast<int>(rule), true));
}

LessonScript Lesson(std::string title, std::string scenario,
                    std::initializer_list<std::vector<Step>> parts) {
    LessonScript lesson;
    lesson.title = std::move(title);
    lesson.scenario = std::move(scenario);
    for (const std::vector<Step>& part : parts) {
        lesson.steps.insert(lesson.steps.end(), part.begin(), part.end());
    }
    return lesson;
}

std::vector<Step> Say(std::string caption) {
    return {Step::Say(std::move(caption))};
}

std::vector<Step> Do(std::initializer_list<Step> steps) {
    return steps;
}

// Break buttons by link, as the window numbers them.
constexpr int kAB = 0;
constexpr int kAC = 1;
constexpr int kBE = 5;
constexpr int kCD = 7;

LessonScript ExampleOne() {
    return Lesson("Example 1 converging", "Example 1",
                  {Say("Every router knows only its own network, at cost 1"), Rounds(1),
                   Say("One round: every router has learned its neighbours' networks"), Rounds(1),
                   Say("Two rounds: routes two hops long"), Rounds(1),
                   Say("Three rounds: A's route to f has found its way round through B and E"),
                   Rounds(1), Say("Converged: another round changes nothing"),
                   Do({Click(Control::Network, 0), Click(Control::Network, 5), Step::WaitQuiet()}),
                   Say("A packet from a to f followed the next hops A, B, E, F")});
}

// The rounds of a table scenario that starts from scratch, each with what it shows.
std::vector<Step> RoundsSaying(std::initializer_list<std::string> captions) {
    std::vector<Step> steps;
    for (const std::string& caption : captions) {
        steps.push_back(Click(Control::Update));
        steps.push_back(Step::WaitQuiet());
        steps.push_back(Step::Say(caption));
    }
    return steps;
}

// "Three Routers" up to convergence, then A cut off: the start of three lessons.
std::vector<Step> ThreeRoutersCutOff() {
    std::vector<Step> steps =
        RoundsSaying({"Round 1: every router learns its neighbours' networks; B reaches a "
                      "directly, at 10",
                      "Round 2: B finds the way round through C, at 3",
                      "Converged: B reaches a through C at 3"});
    for (const Step& step : {Break(kAB),
                             Step::Say("A-B broken: nothing changes yet, every route already "
                                       "went round through C"),
                             Break(kAC),
                             Step::Say("A-C broken too: A is cut off; C knows, B still has a "
                                       "through C")}) {
        steps.push_back(step);
    }
    return steps;
}

LessonScript CountToInfinity() {
    return Lesson(
        "Count to infinity", "Three Routers",
        {Say("A-B costs 9; the way round through C costs 2"), ThreeRoutersCutOff(),
         RoundsSaying({"C takes B's stale route to a, at 4; B hears C's inf",
                       "B takes C's offer: a at 5 through C", "C takes B's: a at 6 through B",
                       "... and up, round after round, without end"})});
}

LessonScript SplitHorizonsCure() {
    return Lesson(
        "Split horizon's cure", "Three Routers",
        {Do({Step::Do(Action::Split(true))}), Say("Split horizon with poisoned reverse is on"),
         ThreeRoutersCutOff(),
         RoundsSaying({"A router never offers a route back to where it learned it: "
                       "inf at once",
                       "Another round: neither B nor C offers a any more", "And inf it stays"})});
}

LessonScript ThreeRouterLoop() {
    return Lesson("Three-router loop", "Three-Router Loop",
                  {Do({Step::Do(Action::Split(true))}),
                   Say("A, B, C and D, every cost 1, poisoned reverse on"),
                   RoundsSaying({"Round 1: every router learns its neighbours' networks",
                                 "Round 2: A and B reach d through C, D reaches a and b",
                                 "Converged: C reaches d directly, A and B through C"}),
                   Do({Break(kCD)}), Say("C-D is broken: C has lost its route to d"),
                   Send('C', 'A'), Say("C tells A: A's route to d, through C, goes to inf"),
                   Send('B', 'A'),
                   Say("B, which still believes C, offers d to A: A takes it, at 4"),
                   Send('A', 'C'), Say("A offers d to C: C takes it, at 5"), Send('C', 'B'),
                   Say("C offers d to B, through A: B follows it up, to 6"), Send('B', 'A'),
                   Say("Poisoned reverse is on, yet A holds d at 7 through B: a loop of three")});
}

LessonScript InfinitySixteen() {
    std::vector<Step> counting;
    for (int cost = 4; cost <= 15; ++cost) {
        const bool c = cost % 2 == 0;
        counting.push_back(Click(Control::Update));
        counting.push_back(Step::WaitQuiet());
        counting.push_back(Step::Say(std::string("Still counting: ") + (c ? "C" : "B") + " takes " +
                                     (c ? "B" : "C") + "'s offer, a at " + std::to_string(cost)));
    }
    return Lesson("Infinity 16", "Three Routers",
                  {Do({Rule(RipControl::Rule::Infinity)}),
                   Say("RIP's infinity: 16 means unreachable"), ThreeRoutersCutOff(), counting,
                   Rounds(1), Say("At 16 the count stops: both show inf")});
}

LessonScript TriggeredUpdates() {
    return Lesson(
        "Triggered updates", "Example 1",
        {Do({Rule(RipControl::Rule::Infinity)}),
         Say("RIP's infinity 16 is on; every router knows only its own network"),
         RoundsSaying({"Round 1: every router has learned its neighbours' networks",
                       "Round 2: routes two hops long",
                       "Round 3: A's route to f has found its way round through B and E",
                       "Converged, with RIP's infinity 16"}),
         Do({Rule(RipControl::Rule::Triggered)}),
         Say("Triggered updates: a router whose routes changed tells its neighbours at once"),
         Do({Break(kBE), Step::WaitQuiet()}),
         Say("B-E broken: with no click the bad news spread, every route over B-E is inf"),
         Rounds(1), Say("One round of Update finds the way round over D-F")});
}

LessonScript HoldDown() {
    return Lesson("Hold-down", "Hold-Down Delays Good News",
                  {RoundsSaying({"Round 1: B and C reach each other directly, at 5",
                                 "Round 2: B and C find the cheaper way through A, at 3",
                                 "Converged: A-B and A-C cost 1, B-C 4: b is 2 from A"}),
                   Do({Rule(RipControl::Rule::HoldDown)}), Say("Hold-down is on: 180 s"),
                   Do({Break(kAB)}), Say("A-B broken: A and B lose each other's networks"),
                   RoundsSaying({"A tells C that b is unreachable: C holds b down",
                                 "C refuses B's offer of b at 5: b is held down"}),
                   Do({Step::WaitTicks(RipRules::Ticks(RipSwitches::kHoldDownSeconds))}), Rounds(1),
                   Say("180 s later the hold-down is over: C takes B's offer, b at 5"), Rounds(1),
                   Say("A takes C's: b at 6 through C; the good news took 180 s")});
}

} // namespace

const std::vector<LessonScript>& BuiltInLessons::All() {
    static const std::vector<LessonScript> lessons{
        ExampleOne(),      CountToInfinity(),  SplitHorizonsCure(), ThreeRouterLoop(),
        InfinitySixteen(), TriggeredUpdates(), HoldDown()};
    return lessons;
}

std::optional<LessonScript> BuiltInLessons::Named(const std::string& title) {
    for (const LessonScript& lesson : All()) {
        if (lesson.title == title) {
            return lesson;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> BuiltInLessons::Lines() {
    static constexpr std::array<const char*, 7> kLines{
        "the tables fill round by round until another round changes nothing",
        "a router cut off, and two others raising their routes to it without end",
        "split horizon with poisoned reverse stops that count at once",
        "a loop of three routers that poisoned reverse cannot stop",
        "RIP's infinity of 16 ends the count at 16",
        "bad news spreads at once, with no click",
        "a route held down refuses good news until its time is up"};
    std::vector<std::pair<std::string, std::string>> lines;
    for (std::size_t i = 0; i < All().size(); ++i) {
        lines.emplace_back(All()[i].title, kLines.at(i));
    }
    return lines;
}
