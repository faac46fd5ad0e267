#include "app/Scenarios.h"

#include "app/form/FormState.h"
#include "app/form/Layout.h"
#include "app/form/Topology.h"

#include <optional>
#include <vector>

namespace {

using Topology::LinkNamed;
using CostTexts = std::array<const char*, 20>;

enum class Routing { Table, Random, Flood };

// What a scenario hides and writes, on top of the state with everything shown.
struct ScenarioPlan {
    std::vector<const char*> names;
    std::vector<int> hiddenCosts;
    std::vector<int> hiddenLines;
    std::vector<int> hiddenBreaks;
    std::vector<int> hiddenRouters;
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

const std::vector<ScenarioPlan>& Plans() {
    static const std::vector<ScenarioPlan> plans{
        {{"Example 1"}, {7, 17}, {LinkNamed("BF")}, {6}, {}, false, kDesignCosts, Routing::Table},
        {{"Random 1 No Reverse", "Random 1"},
         {7, 17},
         {LinkNamed("BF")},
         {6},
         {},
         true,
         kBlankCosts,
         Routing::Random},
        {{"Flooding 1"}, {7, 17}, {LinkNamed("BF")}, {6}, {}, true, kBlankCosts, Routing::Flood},
        {{"Three Routers"},
         {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 1, 5, 6, 7},
         {LinkNamed("AD"), LinkNamed("BD"), LinkNamed("CD"), LinkNamed("BE"), LinkNamed("BF"),
          LinkNamed("EF"), LinkNamed("DF")},
         {4, 5, 6, 7, 8, 9, 2},
         {3, 4, 5},
         false,
         kThreeRouterCosts,
         Routing::Table},
        {{"Four Routers"},
         {14, 15, 16, 17, 18, 19, 6, 7, 1, 11},
         {LinkNamed("AD"), LinkNamed("BE"), LinkNamed("BF"), LinkNamed("EF"), LinkNamed("DF")},
         {2, 5, 6, 8, 9},
         {4, 5},
         false,
         kFourRouterCosts,
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

void Scenarios::cmbSims_Change() {
    ShowEverything();
    form_.RandomMode = false;
    form_.FloodMode = false;
    if (const ScenarioPlan* plan = PlanNamed(form_.cmbSims.text)) {
        for (int c : plan->hiddenCosts)
            form_.lblCost[c].visible = false;
        for (int k : plan->hiddenLines)
            form_.lne[k].visible = false;
        for (int b : plan->hiddenBreaks)
            form_.cmdBreak[b].visible = false;
        for (int r : plan->hiddenRouters)
            HideRouter(r);
        if (plan->hideAllPanels) {
            for (auto& p : form_.RouterTable)
                p.visible = false;
        }
        if (plan->costs) {
            for (int c = 0; c < Topology::kCostLabelCount; ++c) {
                form_.lblCost[c].caption = (*plan->costs)[c];
            }
        }
        form_.RandomMode = plan->routing == Routing::Random;
        form_.FloodMode = plan->routing == Routing::Flood;
    }
    Command5_Click();
}

void Scenarios::Command5_Click() {
    form_.Command3.caption = "Pause";
    form_.MoveTimer.enabled = true;
    for (int i = 0; i < 6; ++i) {
        std::string message = "I:0:A";
        for (int k = 0; k < 6; ++k) {
            message += form_.RandomMode || form_.FloodMode ? ":0" : k == i ? ":1" : ":inf";
        }
        form_.WriteTable(i, message);
    }
}

void Scenarios::chkSplit_Click() {
    form_.SplitHorizon = form_.chkSplit.value == 1;
}
