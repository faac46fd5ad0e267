#include "session/BuiltInLessons.h"

#include "app/RipControl.h"

#include <algorithm>
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

// The same steps with a question put before the first wait: once the tables are on their way,
// what will `router` show when they arrive?
std::vector<Step> Asking(std::vector<Step> steps, const Step& question) {
    const auto wait = std::find_if(steps.begin(), steps.end(),
                                   [](const Step& step) { return step.kind == Step::Kind::Wait; });
    steps.insert(wait, question);
    return steps;
}

Step Break(int button) {
    return Click(Control::Break, button);
}

Step Rule(RipControl::Rule rule) {
    return Step::Do(Action::Rule(static_cast<int>(rule), true));
}

LessonScript Demonstration(std::string title, std::string scenario,
                           std::initializer_list<std::vector<Step>> parts) {
    LessonScript lesson;
    lesson.title = std::move(title);
    lesson.scenario = std::move(scenario);
    for (const std::vector<Step>& part : parts) {
        lesson.steps.insert(lesson.steps.end(), part.begin(), part.end());
    }
    return lesson;
}

// A caption for the hall, and the longer line under it for a student reading alone.
struct Line {
    std::string caption;
    std::string detail;
};

std::vector<Step> Say(const Line& line) {
    return {Step::Say(line.caption, line.detail)};
}

std::vector<Step> Do(std::initializer_list<Step> steps) {
    return steps;
}

// Break buttons by link, as the window numbers them.
constexpr int kAB = 0;
constexpr int kAC = 1;
constexpr int kBE = 5;
constexpr int kCD = 7;

// The rounds of a table scenario that starts from scratch, each with what it shows.
std::vector<Step> RoundsSaying(std::initializer_list<Line> lines) {
    std::vector<Step> steps;
    for (const Line& line : lines) {
        steps.push_back(Click(Control::Update));
        steps.push_back(Step::WaitQuiet());
        steps.push_back(Step::Say(line.caption, line.detail));
    }
    return steps;
}

// Example 1's first three rounds, in two lessons, each round's caption after its name there.
std::vector<Step> ExampleOneRounds(const std::array<std::string, 3>& rounds,
                                   std::optional<char> predict = std::nullopt) {
    std::vector<Step> steps = RoundsSaying(
        {{rounds[0] + ": every router has learned its neighbours' networks",
          "Update made every router send its table to each neighbour; a route costs what the "
          "neighbour offered plus the cost of the link to it."},
         {rounds[1] + ": routes two hops long",
          "The tables sent this time held the neighbours' neighbours' networks: routes now "
          "reach up to two links away."},
         {rounds[2] + ": A's route to f has found its way round through B and E",
          "A router takes an offer that is cheaper than the route it has, and any offer from "
          "the next hop it already uses."}});
    if (predict) {
        steps = Asking(std::move(steps), Step::Predict(*predict - 'A'));
    }
    return steps;
}

LessonScript ExampleOne() {
    return Demonstration(
        "Example 1 converging", "Example 1",
        {Say({"Every router knows only its own network, at cost 1",
              "A table has a row per network: its letter, the cost to reach it and, after the "
              "arrow, the next hop; \"L\" marks the router's own, local network."}),
         ExampleOneRounds({"One round", "Two rounds", "Three rounds"}, 'C'), Rounds(1),
         Say({"Four rounds: D and F find the way round to each other's networks, at 6",
              "D's route to f runs through C, B and E: four links, so its news took four rounds "
              "to come round."}),
         Rounds(1),
         Say({"Converged: this round changed nothing",
              "No router heard an offer better than its own routes: the tables hold the "
              "shortest paths, and stay as they are."}),
         Do({Click(Control::Network, 0), Click(Control::Network, 5), Step::WaitQuiet()}),
         Say({"A packet from a to f followed the next hops A, B, E, F",
              "Each router looked f up in its own table and passed the packet on to that row's "
              "next hop; no router knows the whole path."})});
}

// "Three Routers" up to convergence, then A cut off: the start of three lessons.
std::vector<Step> ThreeRoutersCutOff() {
    std::vector<Step> steps = RoundsSaying(
        {{"Round 1: every router learns its neighbours' networks; B reaches a directly, at 10",
          "B's first offer of a came straight from A, over the link that costs 9: 9 plus A's "
          "own 1."},
         {"Round 2: B finds the way round through C, at 3",
          "C offered a at 2, and the link C-B adds 1: 3 is cheaper than 10, so B now sends to "
          "a through C."},
         {"Converged: B reaches a through C at 3",
          "Another round changed nothing: every route is as short as it can be."}});
    for (const Step& step :
         {Break(kAB),
          Step::Say("A-B broken: nothing changes yet, every route already went round through C",
                    "A broken link makes the routers at its ends give up the routes that went "
                    "over it, and none did."),
          Break(kAC),
          Step::Say("A-C broken too: A is cut off; C knows, B still has a through C",
                    "C, at an end of the broken link, set its route to a to inf at once; B "
                    "hears of it only when C next sends its table.")}) {
        steps.push_back(step);
    }
    return steps;
}

LessonScript CountToInfinity() {
    return Demonstration(
        "Count to infinity", "Three Routers",
        {Say({"A-B costs 9; the way round through C costs 2",
              "Three routers and their networks a, b and c. The tables fill first; then A is "
              "cut off, and B and C are left to find out."}),
         ThreeRoutersCutOff(),
         Asking(
             RoundsSaying(
                 {{"C takes B's stale route to a, at 4; B hears C's inf",
                   "In one round C sent inf to B while B sent its old 3 to C: C had no route, so "
                   "it "
                   "took B's, 3 plus 1."},
                  {"B takes C's offer: a at 5 through C",
                   "B had no route left, so C's 4 plus 1 is better than none; C, hearing inf from "
                   "its "
                   "next hop B, gives a up."},
                  {"C takes B's: a at 6 through B",
                   "Each believes the other, and every round the cost goes up by the link between "
                   "them."},
                  {"... and up, round after round, without end",
                   "Nothing stops the count: with no cost that means unreachable, B and C count to "
                   "infinity, a round at a time."}}),
             Step::Predict(2))});
}

LessonScript SplitHorizonsCure() {
    return Demonstration(
        "Split horizon's cure", "Three Routers",
        {Do({Step::Do(Action::Split(true))}),
         Say({"Split horizon with poisoned reverse is on",
              "A router now tells the neighbour it learned a route from that the route is inf, "
              "so the neighbour can never take it back."}),
         ThreeRoutersCutOff(),
         Asking(RoundsSaying(
                    {{"A router never offers a route back to where it learned it: inf at once",
                      "C told B that a is inf; B's route went through C, so B believes it, and "
                      "it never offers a back to C."},
                     {"Another round: neither B nor C offers a any more",
                      "With nobody offering a route to a, no router can take a stale one."},
                     {"And inf it stays",
                      "The bad news spread in a round, where without split horizon the count "
                      "went on for ever."}}),
                Step::Predict(1))});
}

LessonScript ThreeRouterLoop() {
    return Demonstration(
        "Three-router loop", "Three-Router Loop",
        {Do({Step::Do(Action::Split(true))}),
         Say({"A, B, C and D, every cost 1, poisoned reverse on",
              "A, B and C are joined to each other, and C to D. Poisoned reverse stops a loop "
              "of two routers; this one will run through three."}),
         RoundsSaying({{"Round 1: every router learns its neighbours' networks",
                        "Every table now holds the neighbours' own networks, at cost 2."},
                       {"Round 2: A and B reach d through C, D reaches a and b",
                        "Routes two links long have arrived: d is 3 from A and from B, both "
                        "through C."},
                       {"Converged: C reaches d directly, A and B through C",
                        "From here on, single tables go from one router to another, in an order "
                        "that shows the loop."}}),
         Do({Break(kCD)}),
         Say({"C-D is broken: C has lost its route to d",
              "C set d to inf at once; A and B still believe their routes through C."}),
         Send('C', 'A'),
         Say({"C tells A: A's route to d, through C, goes to inf",
              "A's route to d went through C, so A believes C's inf."}),
         Asking(Send('B', 'A'), Step::Predict(0, "d")),
         Say({"B, which still believes C, offers d to A: A takes it, at 4",
              "B's route to d goes through C, not A, so poisoned reverse lets B offer it to A: "
              "3 plus 1."}),
         Send('A', 'C'),
         Say({"A offers d to C: C takes it, at 5",
              "C has no route to d, so any offer is better: A's 4 plus the link's 1."}),
         Send('C', 'B'),
         Say({"C offers d to B, through A: B follows it up, to 6",
              "B's route goes through C, and a router believes its next hop even when the cost "
              "goes up."}),
         Send('B', 'A'),
         Say({"Poisoned reverse is on, yet A holds d at 7 through B: a loop of three",
              "Every offer went to a router other than the one it was learned from, so "
              "poisoned reverse never stepped in; the loop counts up as before."})});
}

LessonScript InfinitySixteen() {
    std::vector<Step> counting;
    for (int cost = 4; cost <= 15; ++cost) {
        const bool c = cost % 2 == 0;
        const int left = 16 - cost;
        counting.push_back(Click(Control::Update));
        counting.push_back(Step::WaitQuiet());
        counting.push_back(Step::Say(std::string("Still counting: ") + (c ? "C" : "B") + " takes " +
                                         (c ? "B" : "C") + "'s offer, a at " + std::to_string(cost),
                                     "Every round adds 1; " + std::to_string(left) + " more round" +
                                         (left == 1 ? "" : "s") +
                                         " and the cost reaches 16, RIP's infinity."));
    }
    return Demonstration(
        "Infinity 16", "Three Routers",
        {Do({Rule(RipControl::Rule::Infinity)}),
         Say({"RIP's infinity: 16 means unreachable",
              "RIP caps every cost at 16: a route that would cost 16 or more is shown "
              "as inf, and is no route at all."}),
         ThreeRoutersCutOff(), Do({Step::PredictRounds(1, 'a')}), counting, Rounds(1),
         Say({"At 16 the count stops: both show inf",
              "Sixteen means unreachable, so B and C give the route up: the count "
              "ended after a dozen rounds instead of never."})});
}

LessonScript TriggeredUpdates() {
    return Demonstration(
        "Triggered updates", "Example 1",
        {Do({Rule(RipControl::Rule::Infinity)}),
         Say({"RIP's infinity 16 is on; every router knows only its own network",
              "Six routers; Update makes every router send its whole table to its neighbours, "
              "a round at a time."}),
         ExampleOneRounds({"Round 1", "Round 2", "Round 3"}),
         RoundsSaying({{"Converged, with RIP's infinity 16", "Another round changes nothing."}}),
         Do({Rule(RipControl::Rule::Triggered)}),
         Say({"Triggered updates: a router whose routes changed tells its neighbours at once",
              "Until now a router sent its table only when Update was clicked; now a change "
              "sends itself."}),
         Do({Break(kBE), Step::WaitQuiet()}),
         Say({"B-E broken: with no click the bad news spread, every route over B-E is inf",
              "B and E lost the routes over the link and told their neighbours at once, and "
              "they told theirs in turn."}),
         Rounds(1),
         Say({"One round of Update finds the way round over D-F",
              "A triggered update carries only the routes that changed; the way round needed "
              "whole tables, which Update sends."})});
}

LessonScript HoldDown() {
    return Demonstration(
        "Hold-down", "Hold-Down Delays Good News",
        {RoundsSaying({{"Round 1: B and C reach each other directly, at 5",
                        "B-C costs 4, so B's first route to c, straight over that link, costs "
                        "5."},
                       {"Round 2: B and C find the cheaper way through A, at 3",
                        "A-B and A-C cost 1 each: through A, C's network is 1 plus 1 plus 1 "
                        "from B."},
                       {"Converged: A-B and A-C cost 1, B-C 4: b is 2 from A",
                        "Another round changes nothing."}}),
         Do({Rule(RipControl::Rule::HoldDown)}),
         Say({"Hold-down is on: 180 s",
              "A route that becomes unreachable now refuses every offer for 180 s, so that "
              "stale news cannot bring it back."}),
         Do({Break(kAB)}),
         Say({"A-B broken: A and B lose each other's networks",
              "Both ends of the link set the routes over it to inf, and start holding them "
              "down."}),
         RoundsSaying({{"A tells C that b is unreachable: C holds b down",
                        "C's route to b went through A, so C believes A's inf, and its "
                        "hold-down starts."}}),
         Asking(RoundsSaying({{"C refuses B's offer of b at 5: b is held down",
                               "B offers its own network straight over B-C, a good route, but C "
                               "takes no offer until the hold-down is over."}}),
                Step::Predict(2, "b")),
         Do({Step::WaitTicks(RipRules::Ticks(RipSwitches::kHoldDownSeconds))}), Rounds(1),
         Say({"180 s later the hold-down is over: C takes B's offer, b at 5",
              "The clock beside the row counted the hold-down down; once it ran out, the next "
              "offer was taken."}),
         Rounds(1),
         Say({"A takes C's: b at 6 through C; the good news took 180 s",
              "Hold-down keeps stale routes out, at the price of slower good news."})});
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

std::optional<LessonScript> BuiltInLessons::After(const LessonScript& lesson) {
    const std::vector<LessonScript>& all = All();
    const auto at = std::find(all.begin(), all.end(), lesson);
    if (at == all.end() || at + 1 == all.end()) {
        return std::nullopt;
    }
    return *(at + 1);
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
