#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "router/Router.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr int kN = 6;
// cost[s][r]: what a table sent from s to r is charged; nullopt where s and r are not joined.
using CostMatrix = std::array<std::array<std::optional<int>, kN>, kN>;

std::string ResetMessage(int router) {
    std::string message = "I:0:A";
    for (int k = 0; k < kN; ++k) {
        message += k == router ? ":1" : ":inf";
    }
    return message;
}

// Shortest path from router `from` to router `to` when a hop s -> r costs cost[s][r]; computed
// by Floyd-Warshall, independently of the routers.
std::array<std::array<long, kN>, kN> ShortestPaths(const CostMatrix& cost) {
    constexpr long kInf = std::numeric_limits<long>::max() / 4;
    std::array<std::array<long, kN>, kN> d{};
    for (int s = 0; s < kN; ++s) {
        for (int r = 0; r < kN; ++r) {
            d[s][r] = s == r ? 0 : cost[s][r] ? *cost[s][r] : kInf;
        }
    }
    for (int k = 0; k < kN; ++k) {
        for (int i = 0; i < kN; ++i) {
            for (int j = 0; j < kN; ++j) {
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
            }
        }
    }
    for (auto& row : d) {
        for (long& v : row) {
            v = v >= kInf ? -1 : v;
        }
    }
    return d;
}

// Every router sends its table over every link, in both directions, round after round; the test
// itself carries each reply to the neighbour, as a table packet would.
void ExchangeUntilQuiet(std::array<Router, kN>& routers, const CostMatrix& cost) {
    for (int round = 0; round < 3 * kN; ++round) {
        for (int s = 0; s < kN; ++s) {
            for (int r = 0; r < kN; ++r) {
                if (cost[s][r]) {
                    routers[s].Write("Z:" + NumberText(*cost[s][r]) + ":" + RouterLetter(s));
                    routers[r].Write(routers[s].Reply());
                }
            }
        }
    }
}

void CheckConverged(const CostMatrix& cost) {
    SeededRandom random(1);
    std::array<Router, kN> routers{Router(random), Router(random), Router(random),
                                   Router(random), Router(random), Router(random)};
    for (int i = 0; i < kN; ++i) {
        routers[i].Write(ResetMessage(i));
    }
    ExchangeUntilQuiet(routers, cost);
    const auto d = ShortestPaths(cost);
    for (int r = 0; r < kN; ++r) {
        for (int net = 0; net < kN; ++net) {
            const RouteRow& row = routers[r].Rows()[net];
            if (d[net][r] < 0) {
                RC_ASSERT(row.cost == std::string("inf"));
                RC_ASSERT(!row.shown);
            } else {
                RC_ASSERT(row.cost == NumberText(static_cast<double>(1 + d[net][r])));
                RC_ASSERT(row.shown);
                // The next hop must itself be a neighbour that offers exactly that cost.
                if (row.nextHop != "L") {
                    const int via = RouterIndex(row.nextHop);
                    RC_ASSERT(via >= 0);
                    RC_ASSERT(cost[via][r].has_value());
                    RC_ASSERT(d[net][via] >= 0 && d[net][via] + *cost[via][r] == d[net][r]);
                }
            }
        }
    }
}

// A random network: each of the fifteen pairs is joined with some probability; symmetric
// networks use one cost for both directions.
CostMatrix GenerateCosts(bool symmetric) {
    CostMatrix cost{};
    for (int s = 0; s < kN; ++s) {
        for (int r = s + 1; r < kN; ++r) {
            if (*rc::gen::inRange(0, 3)) {
                const int there = *rc::gen::inRange(0, 10);
                cost[s][r] = there;
                cost[r][s] = symmetric ? there : *rc::gen::inRange(0, 10);
            }
        }
    }
    return cost;
}

} // namespace

RC_GTEST_PROP(RouterOracle, SymmetricNetworksConvergeToShortestPaths, ()) {
    CheckConverged(GenerateCosts(true));
}

RC_GTEST_PROP(RouterOracle, AsymmetricNetworksConvergeToShortestPaths, ()) {
    CheckConverged(GenerateCosts(false));
}
