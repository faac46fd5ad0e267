#include "support/DesignValues.h"
#include "support/FormFixture.h"

#include <cctype>

#include "form/Layout.h"
#include "form/Topology.h"

namespace {

template <typename Array, typename Shown>
std::string ShownIndices(const Array& controls, Shown shown) {
    std::string list;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (shown(controls[i])) {
            list += (list.empty() ? "" : " ") + std::to_string(i);
        }
    }
    return list;
}

struct ScenarioCase {
    const char* name;
    const char* routers; // btnRouter, Shape1, btnNetwork, drop shown
    const char* links;   // usable lines shown
    const char* panels;
    const char* costLabels;
    const char* breaks;
    bool random;
    bool flood;
};

const char* const kAllButBFCosts = "0 1 2 3 4 5 6 8 9 10 11 12 13 14 15 16 18 19";
const char* const kAllButBF = "AB AC AD BC BD BE CD DF EF";

const ScenarioCase kCases[] = {
    {"Random 1", "ABCDEF", kAllButBF, "", kAllButBFCosts, "0 1 2 3 4 5 7 8 9", true, false},
    {"Random 1 No Reverse", "ABCDEF", kAllButBF, "", kAllButBFCosts, "0 1 2 3 4 5 7 8 9", true,
     false},
    {"Flooding 1", "ABCDEF", kAllButBF, "", kAllButBFCosts, "0 1 2 3 4 5 7 8 9", false, true},
    {"Example 1", "ABCDEF", kAllButBF, "ABCDEF", kAllButBFCosts, "0 1 2 3 4 5 7 8 9", false, false},
    {"Three Routers", "ABC", "AB AC BC", "ABC", "0 2 3 4 8 9", "0 1 3", false, false},
    {"Four Routers", "ABCD", "AB AC BC BD CD", "ABCD", "0 2 3 4 5 8 9 10 12 13", "0 1 3 4 7", false,
     false},
    {"Everything", "ABCDEF", "AB AC AD BC BD BE BF CD DF EF", "ABCDEF",
     "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19", "0 1 2 3 4 5 6 7 8 9", false, false},
    {"random 1", "ABCDEF", "AB AC AD BC BD BE BF CD DF EF", "ABCDEF",
     "0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19", "0 1 2 3 4 5 6 7 8 9", false, false},
};

std::string Letters(const std::string& indices) {
    std::string letters;
    for (char c : indices) {
        if (c != ' ') {
            letters += static_cast<char>('A' + (c - '0'));
        }
    }
    return letters;
}

} // namespace

class ScenarioShows : public FormFixture, public testing::WithParamInterface<ScenarioCase> {};

TEST_P(ScenarioShows, WhatItHidesAndTheModesItSets) {
    const ScenarioCase& c = GetParam();
    // Start from a scenario that hides a lot, so nothing is left over by chance.
    Choose("Three Routers");
    Choose(c.name);
    const auto visible = [](const auto& control) { return control.visible; };
    const std::string routers = Letters(ShownIndices(state.btnRouter, visible));
    EXPECT_EQ(routers, c.routers);
    EXPECT_EQ(Letters(ShownIndices(state.Shape1, visible)), routers);
    EXPECT_EQ(Letters(ShownIndices(state.btnNetwork, visible)), routers);
    EXPECT_EQ(Letters(ShownIndices(state.drop, visible)), routers);
    std::string links;
    for (int k = 0; k < Topology::kLinkCount; ++k) {
        if (state.lne[k].visible) {
            const auto [lo, hi] = Topology::LinkRouters(k);
            links += (links.empty() ? "" : " ") +
                     std::string({static_cast<char>('A' + lo), static_cast<char>('A' + hi)});
        }
    }
    EXPECT_EQ(links, c.links);
    EXPECT_EQ(
        Letters(ShownIndices(state.RouterTable, [](const RouterPanel& p) { return p.visible; })),
        c.panels);
    EXPECT_EQ(ShownIndices(state.lblCost, visible), c.costLabels);
    EXPECT_EQ(ShownIndices(state.cmdBreak, visible), c.breaks);
    EXPECT_EQ(state.RandomMode, c.random);
    EXPECT_EQ(state.FloodMode, c.flood);
}

INSTANTIATE_TEST_SUITE_P(AllScenarios, ScenarioShows, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ScenarioCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name + "_" + std::to_string(info.index);
                         });

using ScenarioSetUp = FormFixture;

TEST_F(ScenarioSetUp, CostTextsPerScenario) {
    using V = std::vector<std::string>;
    Choose("Example 1");
    EXPECT_EQ(Costs(), (V{"3", "5", "1", "3", "2", "7", "1", "2", "1", "2",
                          "1", "5", "7", "1", "8", "1", "1", "2", "8", "1"}));
    Choose("Three Routers");
    const V three{"9", "2", "1", "9", "1", "7", "1", "2", "1", "1",
                  "1", "5", "7", "1", "8", "1", "1", "2", "8", "1"};
    EXPECT_EQ(Costs(), three);
    Choose("Everything");
    EXPECT_EQ(Costs(), three) << "Everything keeps what the previous scenario wrote";
    Choose("Four Routers");
    EXPECT_EQ(Costs(), (V{"1", "1", "1", "1", "1", "9", "1", "1", "1", "1",
                          "1", "1", "9", "1", "1", "1", "1", "1", "1", "1"}));
    Choose("Random 1");
    EXPECT_EQ(Costs(), V(20, ""));
    Choose("Everything");
    EXPECT_EQ(Costs(), V(20, ""));
}

TEST_F(ScenarioSetUp, EverythingAfterRandomOrFloodingRoutesByTableAgain) {
    for (const char* before : {"Flooding 1", "Random 1", "Random 1 No Reverse"}) {
        Choose("Example 1");
        Choose(before);
        EXPECT_EQ(Costs(), std::vector<std::string>(20, "")) << before << " blanks every cost";
        EXPECT_TRUE(state.RandomMode || state.FloodMode) << before;
        Choose("Everything");
        EXPECT_FALSE(state.RandomMode) << before;
        EXPECT_FALSE(state.FloodMode) << before;
        for (int r = 0; r < 6; ++r) {
            for (int n = 0; n < 6; ++n) {
                EXPECT_EQ(Row(r, n).cost, r == n ? " 1" : "inf") << before << " " << r << n;
                EXPECT_EQ(Row(r, n).nextHop, r == n ? "L" : "-") << before << " " << r << n;
                EXPECT_EQ(Row(r, n).shown, r == n) << before << " " << r << n;
            }
        }
        // Routed by table, a packet for a network A knows nothing of is dropped at A.
        form.Command7_Click();
        SendData(0, 3);
        Ticks(26);
        EXPECT_EQ(Busy(), 0) << before;
    }
}

TEST_F(ScenarioSetUp, ThreeRoutersHidesMarkersAndLabelsOfDEF) {
    Choose("Three Routers");
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(state.Shape2[m].visible, m < 6) << m;
    }
    EXPECT_EQ(state.lblNet[3].caption, "d");
    EXPECT_EQ(state.lblNet[4].caption, "f");
    EXPECT_EQ(state.lblNet[5].caption, "e");
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(state.lblNet[n].visible, n < 3) << n;
    }
}

TEST_F(ScenarioSetUp, InitialiseMessagesFollowTheRoutingMode) {
    const std::vector<std::string> ownNetwork{
        "A|I:0:A:1:inf:inf:inf:inf:inf", "B|I:0:A:inf:1:inf:inf:inf:inf",
        "C|I:0:A:inf:inf:1:inf:inf:inf", "D|I:0:A:inf:inf:inf:1:inf:inf",
        "E|I:0:A:inf:inf:inf:inf:1:inf", "F|I:0:A:inf:inf:inf:inf:inf:1"};
    std::vector<std::string> zeros;
    for (char r = 'A'; r <= 'F'; ++r) {
        zeros.push_back(std::string(1, r) + "|I:0:A:0:0:0:0:0:0");
    }
    for (const char* name : ::Scenarios::kNames) {
        sent.clear();
        Choose(name);
        const std::string n = name;
        EXPECT_EQ(sent, n.rfind("Random", 0) == 0 || n == "Flooding 1" ? zeros : ownNetwork) << n;
    }
    Choose("Three Routers");
    EXPECT_EQ(Row(4, 4).cost, " 1") << "a hidden router is initialised too";
    sent.clear();
    form.Command5_Click();
    EXPECT_EQ(sent, ownNetwork);
}

TEST_F(ScenarioSetUp, BrokenLinkSplitHorizonAndCostsSurviveAsTheyShould) {
    Choose("Example 1");
    form.cmdBreak_Click(7);
    state.chkSplit.value = 1;
    form.chkSplit_Click();
    Choose("Three Routers");
    Choose("Everything");
    EXPECT_EQ(state.Link(2, 3).colour, Design::kRed) << "only the break button mends a link";
    EXPECT_TRUE(state.Link(2, 3).visible);
    EXPECT_TRUE(state.SplitHorizon);
    state.chkSplit.value = 2;
    form.chkSplit_Click();
    EXPECT_FALSE(state.SplitHorizon) << "the grey state counts as off";
}

TEST_F(ScenarioSetUp, ResetRunsTheAnimationAndKeepsEverythingElse) {
    Choose("Example 1");
    state.Command3.caption = "Resume";
    state.MoveTimer.enabled = false;
    form.lblCost_MouseDown(0, 1);
    form.cmdBreak_Click(0);
    state.shpPacket[4].visible = true;
    form.Command5_Click();
    EXPECT_EQ(state.Command3.caption, "Pause");
    EXPECT_TRUE(state.MoveTimer.enabled);
    EXPECT_EQ(state.lblCost[0].caption, " 4");
    EXPECT_EQ(state.Link(0, 1).colour, Design::kRed);
    EXPECT_TRUE(state.shpPacket[4].visible);
    EXPECT_EQ(Row(1, 1).cost, " 1");
    EXPECT_EQ(Row(1, 0).cost, "inf");
}

using Startup = FormFixture;

TEST_F(Startup, OpensInRandomOne) {
    EXPECT_EQ(state.Caption, "Pelko's Hopscape Demo");
    EXPECT_EQ(state.cmbSims.text, "Random 1");
    EXPECT_EQ(state.cmbSims.items.size(), 7u);
    EXPECT_EQ(state.cmbSims.items[6], "Everything");
    for (const auto& packet : state.shpPacket) {
        EXPECT_FALSE(packet.visible);
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(state.RouterTable[i].visible);
        EXPECT_EQ(state.RouterTable[i].Title(),
                  "Table " + std::string(1, static_cast<char>('A' + i)));
        EXPECT_EQ(state.RouterTable[i].Background(), Design::kRouterColours[i]);
        EXPECT_EQ(state.RouterColour[i], Design::kRouterColours[i]);
        EXPECT_EQ(Row(i, 3).cost, " 0") << "reset twice, the second time for Random 1";
    }
    EXPECT_FALSE(state.Link(1, 5).visible);
    EXPECT_FALSE(state.cmdBreak[6].visible);
    EXPECT_FALSE(state.lblCost[7].visible);
    EXPECT_FALSE(state.lblCost[17].visible);
    EXPECT_EQ(Costs(), std::vector<std::string>(20, ""));
    EXPECT_TRUE(state.RandomMode);
    EXPECT_FALSE(state.SplitHorizon);
    EXPECT_FALSE(state.ManyMode);
    EXPECT_EQ(state.chkSplit.value, 0);
    EXPECT_EQ(state.Label2.caption, "Label2");
    EXPECT_EQ(state.Command3.caption, "Pause");
    EXPECT_TRUE(state.MoveTimer.enabled);
    EXPECT_EQ(state.MoveTimer.interval, 40);
    EXPECT_EQ(platform.messages.size(), 0u);
}

TEST_F(Startup, LineColoursAndSeed) {
    EXPECT_EQ(state.Link(3, 4).colour, Design::kGrey) << "lneDE is coloured though hidden";
    EXPECT_FALSE(state.Link(3, 4).visible);
    for (const char* name : {"AE", "AF", "CE", "CF"}) {
        const LineControl& line = state.Link(name[0] - 'A', name[1] - 'A');
        EXPECT_EQ(line.colour, 0x000000) << name;
        EXPECT_FALSE(line.visible) << name;
    }
    SeededRandom expected(12345);
    EXPECT_EQ(random.Next(), expected.Next()) << "the random source is seeded from the clock";
}
