#include "app/BuiltInLessons.h"

#include "app/RipControl.h"

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

LessonScript CountToInfinity() {
    return Lesson("Count to infinity", "Three Routers",
                  {Say("A-B costs 9; the way round through C costs 2"), Rounds(3),
                   Say("Converged: B reaches a through C at 3"), Do({Break(kAB), Break(kAC)}),
                   Say("A is cut off: both its links are broken, and B and C know it"), Rounds(1),
                   Say("B and C offer each other their old routes to a: the costs go up"),
                   Rounds(3), Say("... and up, round after round, without end")});
}

LessonScript SplitHorizonsCure() {
    return Lesson("Split horizon's cure", "Three Routers",
                  {Do({Step::Do(Action::Split(true))}),
                   Say("Split horizon with poisoned reverse is on"), Rounds(3),
                   Say("Converged, as before"), Do({Break(kAB), Break(kAC)}),
                   Say("A is cut off again"), Rounds(1),
                   Say("A router never offers a route back to where it learned it: inf at once"),
                   Rounds(2), Say("And inf it stays")});
}

LessonScript ThreeRouterLoop() {
    return Lesson("Three-router loop", "Three-Router Loop",
                  {Do({Step::Do(Action::Split(true))}),
                   Say("A, B, C and D, every cost 1, poisoned reverse on"), Rounds(3),
                   Say("Converged: C reaches d directly, A and B through C"), Do({Break(kCD)}),
                   Say("C-D is broken: C has lost its route to d"), Send('C', 'A'),
                   Say("C tells A: A's route to d, through C, goes to inf"), Send('B', 'A'),
                   Say("B, which still believes C, offers d to A: A takes it, at 4"),
                   Send('A', 'C'), Say("A offers d to C: C takes it, at 5"), Send('C', 'B'),
                   Say("C offers d to B, through A: B follows it up, to 6"), Send('B', 'A'),
                   Say("Poisoned reverse is on, yet A holds d at 7 through B: a loop of three")});
}

LessonScript InfinitySixteen() {
    return Lesson("Infinity 16", "Three Routers",
                  {Do({Rule(RipControl::Rule::Infinity)}),
                   Say("RIP's infinity: 16 means unreachable"), Rounds(3), Say("Converged"),
                   Do({Break(kAB), Break(kAC)}), Say("A is cut off: B and C count up"), Rounds(4),
                   Say("Still counting"), Rounds(9), Say("At 16 the count stops: both show inf")});
}

LessonScript TriggeredUpdates() {
    return Lesson("Triggered updates", "Example 1",
                  {Do({Rule(RipControl::Rule::Infinity)}), Rounds(4),
                   Say("Converged, with RIP's infinity 16"),
                   Do({Rule(RipControl::Rule::Triggered)}),
                   Say("Triggered updates: a router whose routes changed tells its neighbours "
                       "at once"),
                   Do({Break(kBE), Step::WaitQuiet()}),
                   Say("B-E broken: with no click the bad news spread, every route over B-E is "
                       "inf"),
                   Rounds(1), Say("One round of Update finds the way round over D-F")});
}

LessonScript HoldDown() {
    return Lesson("Hold-down", "Hold-Down Delays Good News",
                  {Rounds(3), Say("A-B and A-C cost 1, B-C 4: b is 2 from A"),
                   Do({Rule(RipControl::Rule::HoldDown)}), Say("Hold-down is on: 180 s"),
                   Do({Break(kAB)}), Say("A-B broken: A and B lose each other's networks"),
                   Rounds(2), Say("C refuses B's offer of b at 5, and A refuses C's: held down"),
                   Do({Step::WaitTicks(RipRules::Ticks(RipSwitches::kHoldDownSeconds))}), Rounds(2),
                   Say("180 s later the good news gets through: C at 5, A at 6")});
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
