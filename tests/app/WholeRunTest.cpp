#include "support/FormFixture.h"

#include "app/RipControl.h"
#include "common/NumberText.h"
#include "form/Topology.h"

#include <algorithm>
#include <limits>

namespace {

struct WholeRun : FormFixture {
    // One round: every router sends its table over every up link and the packets arrive.
    void UpdateRound() {
        form.Command4_Click();
        Ticks(26);
        ASSERT_EQ(Busy(), 0);
    }
    std::string Costs(int network) const {
        std::string costs;
        for (int r = 0; r < 6; ++r) {
            costs += Row(r, network).cost + "|";
        }
        return costs;
    }
    // Largest numeric cost to a network among the routers shown, or -1 when none is numeric.
    double WorstKnown(int network, int routers) const {
        double worst = -1;
        for (int r = 0; r < routers; ++r) {
            if (IsNumeric(Row(r, network).cost)) {
                worst = std::max(worst, ReadNumber(Row(r, network).cost));
            }
        }
        return worst;
    }
};

// Shortest paths over the links shown, a hop s -> r costing what a table from s to r is charged.
std::array<std::array<long, 6>, 6> ShortestPaths(const FormState& state) {
    constexpr long kInf = std::numeric_limits<long>::max() / 4;
    std::array<std::array<long, 6>, 6> d{};
    for (int s = 0; s < 6; ++s) {
        for (int r = 0; r < 6; ++r) {
            const int label = Topology::CostLabel(s, r);
            d[s][r] = s == r ? 0
                      : label >= 0 && state.Link(s, r).visible
                          ? static_cast<long>(ReadNumber(state.lblCost[label].caption))
                          : kInf;
        }
    }
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j) {
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
            }
        }
    }
    return d;
}

} // namespace

namespace {

// The README's recipes for the lecturer, each a step of one demonstration in one window.
struct Recipes : WholeRun {
    void Split(bool on) {
        state.chkSplit.value = on ? 1 : 0;
        form.chkSplit_Click();
    }
    void Rounds(int rounds) {
        for (int round = 0; round < rounds; ++round) {
            UpdateRound();
        }
    }

    void ExampleOne() {
        Choose("Example 1");
        Rounds(8);
        const auto d = ShortestPaths(state);
        for (int r = 0; r < 6; ++r) {
            for (int n = 0; n < 6; ++n) {
                EXPECT_EQ(Row(r, n).cost, NumberText(1.0 + static_cast<double>(d[n][r])))
                    << "router " << r << " network " << n;
            }
        }
        // A data packet from a to f hops along the converged next hops and is delivered.
        SendData(0, 5);
        std::string at = "A";
        std::string path = "A";
        for (int tick = 0; tick < 26 * 10 && Busy() > 0; ++tick) {
            Ticks(1);
            const std::string& tag = Slot(0).tag;
            if (Slot(0).visible && tag.rfind("0:R:F:", 0) == 0 && tag.substr(8, 1) == at) {
                EXPECT_EQ(tag.substr(6, 1), Row(at[0] - 'A', 5).nextHop);
                at = tag.substr(6, 1);
                path += at;
            }
        }
        EXPECT_EQ(path, "ABEF") << "A reaches f via B (3) and E (1) then F (1)";
        EXPECT_EQ(Busy(), 0);
        EXPECT_EQ(state.Label2.caption, "0:D:F:F:F: 0: 35");

        // Split horizon on, then E cut off: the loops of three count to infinity all the same.
        Split(true);
        Rounds(3);
        const double converged = WorstKnown(4, 6);
        form.cmdBreak_Click(5); // B-E
        form.cmdBreak_Click(9); // E-F
        Rounds(60);
        double worst = -1;
        for (int r : {0, 1, 2, 3, 5}) {
            if (IsNumeric(Row(r, 4).cost)) {
                worst = std::max(worst, ReadNumber(Row(r, 4).cost));
            }
        }
        EXPECT_GT(worst, converged + 20) << Costs(4);
        form.Command7_Click();
        Split(false);
        form.cmdBreak_Click(5);
        form.cmdBreak_Click(9);
    }

    void ThreeRouters() {
        Choose("Three Routers");
        Rounds(4);
        EXPECT_EQ(Costs(0).substr(0, 9), " 1| 3| 2|");
        form.cmdBreak_Click(0);
        form.cmdBreak_Click(1);
        double last = 0;
        for (int round = 0; round < 30; ++round) {
            UpdateRound();
            const double worst = WorstKnown(0, 3);
            EXPECT_GT(worst, last) << "round " << round << ": " << Costs(0);
            last = worst;
        }
        EXPECT_GT(last, 30) << "the costs climb without bound";

        // The cure: mend both links, start again with split horizon on, and cut A off once more.
        form.Command7_Click();
        form.cmdBreak_Click(0);
        form.cmdBreak_Click(1);
        Choose("Three Routers");
        Split(true);
        Rounds(4);
        form.cmdBreak_Click(0);
        form.cmdBreak_Click(1);
        UpdateRound();
        EXPECT_EQ(Row(1, 0).cost, "inf");
        EXPECT_EQ(Row(2, 0).cost, "inf");
        for (int round = 0; round < 10; ++round) {
            UpdateRound();
            EXPECT_EQ(WorstKnown(0, 3), 1) << "only A itself knows network a";
        }
        Split(false);
        form.cmdBreak_Click(0);
        form.cmdBreak_Click(1);
    }

    void FourRouters() {
        Choose("Four Routers");
        Rounds(4);
        EXPECT_EQ(Row(3, 1).cost, " 3") << "D reaches b through C (1 + 1 + 1), not over B-D (9)";
        EXPECT_EQ(Row(3, 1).nextHop, "C");
        form.cmdBreak_Click(7);
        EXPECT_EQ(Row(3, 1).cost, "inf");
        UpdateRound();
        EXPECT_EQ(Row(3, 1).cost, " 10") << "over B-D now";
        EXPECT_EQ(Row(3, 1).nextHop, "B");
        form.cmdBreak_Click(7);
    }

    void FloodingOne() {
        Choose("Flooding 1");
        form.Command2_Click();
        for (int ticks = 0; platform.messages.empty() && ticks < 5000; ++ticks) {
            Ticks(1);
        }
        ASSERT_FALSE(platform.messages.empty()) << "the copies multiply until the pool runs out";
        EXPECT_EQ(platform.messages.front(), "Silly Error - Ran Out of Packets");
        EXPECT_LE(Busy(), 1) << "the screen is cleared (Many may launch one more at once)";
        form.Command2_Click();
    }

    void ThreeRouterLoop() {
        Choose("Three-Router Loop");
        Split(true);
        Rounds(4);
        form.cmdBreak_Click(7); // C-D
        for (const char* send : {"CA", "BA", "AC", "CB", "BA"}) {
            SendTable(send[0] - 'A', send[1] - 'A');
            Ticks(26);
        }
        EXPECT_EQ(Row(0, 3).cost, " 7") << "poisoned reverse on, and A believes B";
        EXPECT_EQ(Row(0, 3).nextHop, "B");
        form.Rip().Set(RipControl::Rule::Infinity, true);
        for (int send = 0; send < 4; ++send) {
            for (const char* pair : {"AC", "CB", "BA"}) {
                SendTable(pair[0] - 'A', pair[1] - 'A');
                Ticks(26);
            }
        }
        EXPECT_EQ(Row(0, 3).cost + Row(1, 3).cost + Row(2, 3).cost, "infinfinf");
        form.Rip().Set(RipControl::Rule::Infinity, false);
        Split(false);
        form.cmdBreak_Click(7);
    }

    void HoldDownDelaysGoodNews() {
        Choose("Hold-Down Delays Good News");
        Rounds(3);
        form.Rip().Set(RipControl::Rule::HoldDown, true);
        form.cmdBreak_Click(0); // A-B
        Rounds(8);
        EXPECT_EQ(Row(0, 1).cost + "|" + Row(2, 1).cost, "inf|inf") << "B's offer refused";
        Ticks(936); // 180 s
        Rounds(2);
        EXPECT_EQ(Row(2, 1).cost + Row(2, 1).nextHop, " 5B") << "C at last through B";
        EXPECT_EQ(Row(0, 1).cost + Row(0, 1).nextHop, " 6C") << "and A through C";
        form.Rip().Set(RipControl::Rule::HoldDown, false);
        form.cmdBreak_Click(0);
    }

    void Everything() {
        Choose("Everything");
        Rounds(3);
        for (int r = 0; r < 6; ++r) {
            for (int n = 0; n < 6; ++n) {
                EXPECT_EQ(Row(r, n).cost, " 1") << "blank costs count as 0";
            }
        }
    }
};

} // namespace

// Every recipe starts where the one before left the window, as a lecture goes.
TEST_F(Recipes, TheReadmesRecipesOneAfterAnother) {
    ExampleOne();
    ThreeRouters();
    FourRouters();
    FloodingOne();
    Everything();
    ThreeRouterLoop();
    HoldDownDelaysGoodNews();
}
