#include "app/Scenarios.h"

#include "common/Letters.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "form/Topology.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using CostTexts = std::array<const char*, Topology::kCostLabelCount>;

enum class Routing { Table, Random, Flood };

// What a scenario hides and writes, on top of the state with everything shown. A hidden link
// takes its cost labels and break button with it; a hidden router takes its button, rectangle,
// network, end markers, panel and network label.
struct ScenarioPlan {
    std::vector<const char*> names;
    std::vector<const char*> hiddenLinks;
    const char* hiddenRouters;
    bool hideAllPanels;
    std::optional<CostTexts> costs;
    Routing routing;
};

constexpr CostTexts kDesignCosts{"3", "5", "1", "3", "2", "7", "1", "2", "1", "2",
                                 "1", "5", "7", "1", "8", "1", "1", "2", "8", "1"};
constexpr CostTexts kBlankCosts{"", "", "", "", "", "", "", "", "", "",
                                "", "", "", "", "", "", "", "", "", ""};
constexpr CostTexts kThreeRouterCosts{"9", "2", "1", "9", "1", "7", "1", "2", "1", "1",
                                      "1", "5", "7", "1", "8", "1", "1", "2", "8", "1"};
constexpr CostTexts kFourRouterCosts{"1", "1", "1", "1", "1", "9", "1", "1", "1", "1",
                                     "1", "1", "9", "1", "1", "1", "1", "1", "1", "1"};
constexpr CostTexts kAllOnes{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                             "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
// B-C costs 4 each way: the way round through C is real, and dearer.
constexpr CostTexts kDetourCosts{"1", "1", "1", "1", "4", "1", "1", "1", "1", "4",
                                 "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};

const std::vector<ScenarioPlan>& Plans() {
    static const std::vector<ScenarioPlan> plans{
        {{"Example 1"}, {"BF"}, "", false, kDesignCosts, Routing::Table},
        {{Layout::kNoReverseScenario, "Random 1"}, {"BF"}, "", true, kBlankCosts, Routing::Random},
        {{"Flooding 1"}, {"BF"}, "", true, kBlankCosts, Routing::Flood},
        {{"Three Routers"},
         {"AD", "BD", "CD", "BE", "BF", "EF", "DF"},
         "DEF",
         false,
         kThreeRouterCosts,
         Routing::Table},
        {{"Four Routers"},
         {"AD", "BE", "BF", "EF", "DF"},
         "EF",
         false,
         kFourRouterCosts,
         Routing::Table},
        {{Scenarios::kDemonstrations[0]},
         {"AD", "BD", "BE", "BF", "EF", "DF"},
         "EF",
         false,
         kAllOnes,
         Routing::Table},
        {{Scenarios::kDemonstrations[1]},
         {"AD", "BD", "CD", "BE", "BF", "EF", "DF"},
         "DEF",
         false,
         kDetourCosts,
         Routing::Table},
    };
    return plans;
}

const ScenarioPlan* PlanNamed(const std::string& text) {
    for (const ScenarioPlan& plan : Plans()) {
        for (const char* name : plan.names) {
            if (text == name) {
                return &plan;
            }
        }
    }
    return nullptr;
}

} // namespace

int Scenarios::OwnCost(const FormState& form) {
    return form.RandomMode || form.FloodMode ? 0 : 1;
}

bool Scenarios::Known(const std::string& name) {
    const auto named = [&name](const char* known) { return name == known; };
    return std::any_of(kNames.begin(), kNames.end(), named) ||
           std::any_of(kDemonstrations.begin(), kDemonstrations.end(), named);
}

void Scenarios::FillScenarioList() {
    for (const char* name : kNames) {
        form_.cmbSims.items.emplace_back(name);
    }
    form_.cmbSims.text = kNames[0];
    cmbSims_Change();
}

void Scenarios::ShowEverything() {
    for (auto& s : form_.Shape2)
        s.visible = true;
    for (auto& s : form_.Shape1)
        s.visible = true;
    for (auto& b : form_.btnRouter)
        b.visible = true;
    for (auto& l : form_.lblCost)
        l.visible = true;
    for (auto& b : form_.cmdBreak)
        b.visible = true;
    for (auto& d : form_.drop)
        d.visible = true;
    for (auto& b : form_.btnNetwork)
        b.visible = true;
    for (auto& p : form_.RouterTable)
        p.visible = true;
    for (auto& l : form_.lblNet)
        l.visible = true;
    // Only the ten usable lines; their colours (up or broken) carry over.
    for (int k = 0; k < Topology::kLinkCount; ++k) {
        if (Layout::kLinks[k].usable) {
            form_.lne[k].visible = true;
        }
    }
}

void Scenarios::HideRouter(int router) {
    form_.btnRouter[router].visible = false;
    form_.Shape1[router].visible = false;
    form_.drop[router].visible = false;
    form_.btnNetwork[router].visible = false;
    form_.Shape2[2 * router].visible = false;
    form_.Shape2[2 * router + 1].visible = false;
    form_.RouterTable[router].visible = false;
    form_.lblNet[router].visible = false;
}

void Scenarios::HideLink(int link) {
    const auto [lo, hi] = Topology::LinkRouters(link);
    form_.lne[link].visible = false;
    form_.lblCost[Topology::CostLabel(lo, hi)].visible = false;
    form_.lblCost[Topology::CostLabel(hi, lo)].visible = false;
    form_.cmdBreak[Topology::BreakOfLink(link)].visible = false;
}

void Scenarios::Show() {
    ShowEverything();
    form_.RandomMode = false;
    form_.FloodMode = false;
    if (const ScenarioPlan* plan = PlanNamed(form_.cmbSims.text)) {
        for (const char* name : plan->hiddenLinks) {
            HideLink(Topology::LinkIndex(RouterIndex(name), RouterIndex(name + 1)));
        }
        for (const char* r = plan->hiddenRouters; *r != 0; ++r) {
            HideRouter(RouterIndex(r));
        }
        if (plan->hideAllPanels) {
            for (auto& p : form_.RouterTable)
                p.visible = false;
        }
        form_.RandomMode = plan->routing == Routing::Random;
        form_.FloodMode = plan->routing == Routing::Flood;
    }
}

void Scenarios::cmbSims_Change() {
    Show();
    const ScenarioPlan* plan = PlanNamed(form_.cmbSims.text);
    if (plan != nullptr && plan->costs) {
        for (int c = 0; c < Topology::kCostLabelCount; ++c) {
            form_.lblCost[c].caption = (*plan->costs)[c];
        }
    }
    Command5_Click();
}

void Scenarios::Command5_Click() {
    form_.Command3.caption = Layout::kPause;
    form_.MoveTimer.enabled = true;
    for (int i = 0; i < kRouterCount; ++i) {
        std::string message = "I:0:A";
        for (int k = 0; k < kNetworkCount; ++k) {
            message += form_.RandomMode || form_.FloodMode ? ":0"
                       : k == i                            ? ":" + std::to_string(OwnCost(form_))
                                                           : ":inf";
        }
        runtime_.WriteTable(i, message);
    }
}

void Scenarios::chkSplit_Click() {
    form_.SplitHorizon = form_.chkSplit.value == 1;
}
