#include "session/Practice.h"

#include "app/MainForm.h"
#include "app/RipControl.h"
#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "common/Translate.h"
#include "form/Layout.h"
#include "form/Topology.h"
#include "session/Demonstration.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, Practice::kLevels> kScenarios{"Three Routers", "Four Routers",
                                                                "Example 1"};
// Tries before a level gives up drawing (every draw found nothing on its way to ask).
constexpr int kTries = 50;

using Control = Action::Control;

class Draw {
public:
    explicit Draw(std::uint64_t seed) : random_(seed) {}
    // A whole number from 0 to n - 1.
    int Below(int n) { return std::min(n - 1, static_cast<int>(random_.Next() * n)); }

private:
    SeededRandom random_;
};

bool LinkUp(const FormState& state, int a, int b) {
    const int link = Topology::LinkIndex(a, b);
    const int button = link < 0 ? -1 : Topology::BreakOfLink(link);
    return button >= 0 && state.cmdBreak[button].visible && state.lne[link].colour != Layout::kRed;
}

std::vector<int> ShownRouters(const FormState& state) {
    std::vector<int> routers;
    for (int r = 0; r < kRouterCount; ++r) {
        if (state.btnRouter[r].visible) {
            routers.push_back(r);
        }
    }
    return routers;
}

} // namespace

Practice::Practice(int level, std::uint64_t seed)
    : level_(std::clamp(level, 1, kLevels)),
      seed_(seed >= 1 && seed <= kMostSeed ? seed : 1 + seed % kMostSeed) {}

const char* Practice::LevelName(int level) {
    static constexpr std::array<const char*, kLevels> kNames{
        "three routers", "four routers, RIP's infinity of 16",
        "six routers, split horizon and RIP's rules"};
    return kNames.at(static_cast<std::size_t>(std::clamp(level, 1, kLevels) - 1));
}

void Practice::Ask(Demonstration& demonstration, long now) {
    for (int tries = 0; tries < kTries; ++tries) {
        if (drawn_) {
            seed_ = 1 + static_cast<std::uint64_t>(SeededRandom(seed_).Next() * kMostSeed);
        }
        drawn_ = true;
        if (TryAsk(demonstration, now)) {
            return;
        }
    }
}

bool Practice::TryAsk(Demonstration& demonstration, long now) {
    Draw draw(seed_);
    LessonScript start;
    start.title = "Practice";
    start.scenario = kScenarios.at(static_cast<std::size_t>(level_ - 1));
    start.splitHorizons = level_ == 3;
    start.rules.infinity = level_ >= 2;
    start.rules.periodic = start.rules.triggered = start.rules.holdDown = level_ == 3;
    demonstration.StartLesson(start, now);
    FormState& state = demonstration.State();
    const std::vector<int> routers = ShownRouters(state);
    // Costs from 1 to 9, the same both ways.
    for (int a = 0; a < kRouterCount; ++a) {
        for (int b = a + 1; b < kRouterCount; ++b) {
            if (LinkUp(state, a, b)) {
                const std::string cost = std::to_string(1 + draw.Below(9));
                state.lblCost[Topology::CostLabel(a, b)].caption = cost;
                state.lblCost[Topology::CostLabel(b, a)].caption = cost;
            }
        }
    }
    for (int round = draw.Below(4); round > 0; --round) {
        demonstration.Act(Action::Click(Control::Update), now);
        demonstration.Settle(now);
    }
    const auto any = [&](const std::vector<int>& among) {
        return among[static_cast<std::size_t>(draw.Below(static_cast<int>(among.size())))];
    };
    const int asked = any(routers);
    if (level_ == 2 && draw.Below(3) == 0) {
        // A router cut off: after how many rounds does the asked one give its network up?
        const int cut = any(routers);
        for (const int r : routers) {
            if (LinkUp(state, cut, r)) {
                demonstration.Act(Action::Click(Control::Break,
                                                Topology::BreakOfLink(Topology::LinkIndex(cut, r))),
                                  now);
            }
        }
        demonstration.Settle(now);
        // Asked of a router that still believes in a route to the network cut off.
        std::vector<int> believers;
        for (const int r : routers) {
            if (IsNumeric(TrimBlanks(state.RouterTable[r].Engine().Rows()[cut].cost)) && r != cut) {
                believers.push_back(r);
            }
        }
        return !believers.empty() &&
               demonstration.Ask(
                   Question::Rounds(demonstration.Form(), any(believers), cut).question, now);
    }
    if (level_ >= 2 && draw.Below(2) == 0) {
        const int a = any(routers);
        const int b = any(routers);
        if (LinkUp(state, a, b)) {
            demonstration.Act(
                Action::Click(Control::Break, Topology::BreakOfLink(Topology::LinkIndex(a, b))),
                now);
            demonstration.Settle(now);
        }
    }
    if (draw.Below(2) == 0) {
        demonstration.Act(Action::Click(Control::Update), now);
    } else {
        std::vector<int> neighbours;
        for (const int r : routers) {
            if (LinkUp(state, r, asked)) {
                neighbours.push_back(r);
            }
        }
        if (neighbours.empty()) {
            return false;
        }
        const int from = any(neighbours);
        demonstration.Act(Action::Click(Control::Router, from), now);
        demonstration.Act(Action::Click(Control::Router, asked), now);
    }
    return demonstration.Ask(Question::Table(demonstration.Form(), asked).question, now);
}

void Practice::Count(const Question::Result& result) {
    ++asked_;
    if (result.AllRight()) {
        ++right_;
        ++streak_;
    } else {
        streak_ = 0;
    }
}

void Practice::Revealed() {
    ++asked_;
    streak_ = 0;
}

std::string Practice::Status() const {
    return Translate(
        "Practice, level {level}: {right} of {asked} right, streak {streak}; seed {seed}",
        {{"level", std::to_string(level_)},
         {"right", std::to_string(right_)},
         {"asked", std::to_string(asked_)},
         {"streak", std::to_string(streak_)},
         {"seed", std::to_string(seed_)}});
}
