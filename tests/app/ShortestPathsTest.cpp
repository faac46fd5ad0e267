#include "app/ShortestPaths.h"
#include "app/Convergence.h"

#include "support/FormFixture.h"

#include "common/NumberText.h"
#include "form/Topology.h"

#include <functional>
#include <limits>

namespace {

// The cheapest path from network n's router to router r by trying every path without a loop.
long BruteForce(const FormState& state, int n, int r) {
    long best = std::numeric_limits<long>::max();
    std::array<bool, 6> visited{};
    const std::function<void(int, long)> walk = [&](int at, long cost) {
        if (at == r) {
            best = std::min(best, cost);
            return;
        }
        visited[at] = true;
        for (int next = 0; next < 6; ++next) {
            const int label = Topology::CostLabel(at, next);
            if (!visited[next] && label >= 0 && state.Link(at, next).visible &&
                state.Link(at, next).colour == 0x808080) {
                walk(next, cost + static_cast<long>(ReadNumber(state.lblCost[label].caption)));
            }
        }
        visited[at] = false;
    };
    walk(n, 1); // a network's own router pays 1 for it
    return best == std::numeric_limits<long>::max() ? ShortestPaths::kUnreachable : best;
}

using TruePaths = FormFixture;

} // namespace

TEST_F(TruePaths, DijkstraFindsWhatTryingEveryPathFinds) {
    Choose("Everything");
    SeededRandom user(31);
    for (int trial = 0; trial < 300; ++trial) {
        for (auto& label : state.lblCost) {
            label.caption = NumberText(static_cast<int>(user.Next() * 10));
        }
        for (int b = 0; b < 10; ++b) {
            if (user.Next() < 0.25) {
                form.cmdBreak_Click(b);
            }
        }
        const ShortestPaths::Costs costs = ShortestPaths::Find(state);
        for (int r = 0; r < 6; ++r) {
            for (int n = 0; n < 6; ++n) {
                ASSERT_EQ(costs[r][n], BruteForce(state, n, r)) << "router " << r << " net " << n;
            }
        }
    }
}

// Converged tables hold their true costs; a break makes rows stale until the news has spread.
TEST_F(TruePaths, ConvergedTablesHoldTheTrueCostsAndTheMeterSaysSo) {
    Convergence meter(state, runtime);
    meter.Show(true);
    Choose("Example 1");
    for (int round = 0; round < 8; ++round) {
        form.Command4_Click();
        Ticks(26);
    }
    meter.Refresh();
    EXPECT_TRUE(meter.Converged());
    EXPECT_GE(meter.TablesSinceChange(), 18) << "the last round changed nothing";
    EXPECT_EQ(state.RouterTable[0].trueCost[5], "6") << "A to f over B and E";
    EXPECT_FALSE(state.RouterTable[0].stale[5]);
    form.cmdBreak_Click(5); // B-E
    meter.Refresh();
    EXPECT_FALSE(meter.Converged());
    EXPECT_EQ(meter.TablesSinceChange(), 0);
    EXPECT_EQ(state.RouterTable[0].trueCost[4], "12") << "A to e now over C, D and F";
    EXPECT_TRUE(state.RouterTable[0].stale[4]) << "A still believes 5 through B";
    EXPECT_NE(
        state.RouterTable[0].SpokenRows().find("e, cost 5, next hop B, shortest path 12, stale"),
        std::string::npos);
    // The stale routes through B count up round the loops until the real one is cheaper.
    for (int round = 0; round < 20; ++round) {
        form.Command4_Click();
        Ticks(26);
    }
    meter.Refresh();
    EXPECT_TRUE(meter.Converged());
    EXPECT_EQ(Row(0, 4).cost, " 12");
    // A cost lowered is measured again at once: A reaches b over B for less than it believes.
    form.lblCost_MouseDown(0, 2);
    form.lblCost_MouseDown(0, 2);
    meter.Refresh();
    EXPECT_FALSE(meter.Converged()) << "a cost changed under converged tables";
    meter.Show(false);
    EXPECT_EQ(state.RouterTable[0].trueCost[4], "") << "hidden again";
}

// While two routers count to infinity the meter never says converged.
TEST_F(TruePaths, CountingToInfinityIsNeverConverged) {
    Convergence meter(state, runtime);
    meter.Show(true);
    Choose("Three Routers");
    for (int round = 0; round < 3; ++round) {
        form.Command4_Click();
        Ticks(26);
    }
    form.cmdBreak_Click(0); // A-B
    form.cmdBreak_Click(1); // A-C
    for (int round = 0; round < 12; ++round) {
        form.Command4_Click();
        Ticks(26);
        meter.Refresh();
        ASSERT_FALSE(meter.Converged()) << "round " << round << ": B and C still count";
    }
}
