#include "support/FormFixture.h"

#include "form/Topology.h"

namespace {

struct Hop {
    const char* pair;
    int xs, ys, xe, ye, dx, dy;
};

// The hops as the layout puts them, with their per-tick step (a twenty-fourth of the hop).
constexpr Hop kHops[] = {
    {"AA", 2228, 3428, 2228, 3428, 0, 0},      {"AB", 2760, 3360, 4680, 3600, 80, 10},
    {"AC", 2160, 3720, 2160, 4920, 0, 50},     {"AD", 2760, 3720, 4800, 4920, 85, 50},
    {"AE", 2760, 3480, 8640, 3720, 245, 10},   {"AF", 2760, 3600, 8280, 5520, 230, 80},
    {"BA", 4680, 3600, 2760, 3360, -80, -10},  {"BB", 5228, 3668, 5228, 3668, 0, 0},
    {"BC", 4680, 3960, 2760, 4920, -80, 40},   {"BD", 5160, 3960, 5400, 4920, 10, 40},
    {"BE", 5760, 3600, 8640, 3600, 120, 0},    {"BF", 5760, 3960, 8280, 5400, 105, 60},
    {"CA", 2160, 4920, 2160, 3720, 0, -50},    {"CB", 2760, 4920, 4680, 3960, 80, -40},
    {"CC", 2228, 5228, 2228, 5228, 0, 0},      {"CD", 2760, 5160, 4800, 5160, 85, 0},
    {"CE", 2760, 5040, 8640, 3840, 245, -50},  {"CF", 2760, 5280, 8280, 5880, 230, 25},
    {"DA", 4800, 4920, 2760, 3720, -85, -50},  {"DB", 5400, 4920, 5160, 3960, -10, -40},
    {"DC", 4800, 5160, 2760, 5160, -85, 0},    {"DD", 5348, 5228, 5348, 5228, 0, 0},
    {"DE", 5880, 4920, 8760, 3960, 120, -40},  {"DF", 5880, 5040, 8280, 5640, 100, 25},
    {"EA", 8640, 3720, 2760, 3480, -245, -10}, {"EB", 8640, 3600, 5760, 3600, -120, 0},
    {"EC", 8640, 3840, 2760, 5040, -245, 50},  {"ED", 8760, 3960, 5880, 4920, -120, 40},
    {"EE", 9188, 3668, 9188, 3668, 0, 0},      {"EF", 9240, 3960, 8880, 5400, -15, 60},
    {"FA", 8280, 5520, 2760, 3600, -230, -80}, {"FB", 8280, 5400, 5760, 3960, -105, -60},
    {"FC", 8280, 5880, 2760, 5280, -230, -25}, {"FD", 8280, 5640, 5880, 5040, -100, -25},
    {"FE", 8880, 5400, 9240, 3960, 15, -60},   {"FF", 8828, 5708, 8828, 5708, 0, 0},
};

} // namespace

using LinkGeometry = FormFixture;

TEST_F(LinkGeometry, EveryHopMatchesTheLayout) {
    for (const Hop& hop : kHops) {
        const int f = hop.pair[0] - 'A';
        const int t = hop.pair[1] - 'A';
        SCOPED_TRACE(hop.pair);
        EXPECT_EQ(state.XS[f][t], hop.xs);
        EXPECT_EQ(state.YS[f][t], hop.ys);
        EXPECT_EQ(state.XE[f][t], hop.xe);
        EXPECT_EQ(state.YE[f][t], hop.ye);
        EXPECT_EQ((state.XE[f][t] - state.XS[f][t]) / 24.0, hop.dx);
        EXPECT_EQ((state.YE[f][t] - state.YS[f][t]) / 24.0, hop.dy);
    }
}

TEST_F(LinkGeometry, DirectionsMirrorAndIndexSixStaysZero) {
    for (int a = 0; a < 7; ++a) {
        for (int b = 0; b < 7; ++b) {
            if (a == 6 || b == 6) {
                EXPECT_EQ(state.XS[a][b] | state.YS[a][b] | state.XE[a][b] | state.YE[a][b], 0);
                continue;
            }
            EXPECT_EQ(state.XS[a][b], state.XE[b][a]);
            EXPECT_EQ(state.YS[a][b], state.YE[b][a]);
        }
    }
}

TEST(Topology, LinksCostLabelsAndBreakButtonsAgree) {
    EXPECT_EQ(Topology::LinkIndex(0, 1), 0);
    EXPECT_EQ(Topology::LinkIndex(4, 5), 14);
    EXPECT_EQ(Topology::LinkIndex(2, 2), -1);
    EXPECT_EQ(Topology::LinkIndex(0, 6), -1);
    for (int k = 0; k < Topology::kLinkCount; ++k) {
        const auto [lo, hi] = Topology::LinkRouters(k);
        EXPECT_EQ(Topology::LinkIndex(lo, hi), k);
        EXPECT_EQ(Topology::LinkIndex(hi, lo), k);
    }
    // Break buttons 0 to 9 lie on these links, and each link's button is found again.
    const char* const onLink[] = {"AB", "AC", "AD", "BC", "BD", "BE", "BF", "CD", "DF", "EF"};
    for (int b = 0; b < 10; ++b) {
        const auto [lo, hi] = Topology::LinkRouters(Topology::LinkOfBreak(b));
        EXPECT_EQ(std::string({static_cast<char>('A' + lo), static_cast<char>('A' + hi)}),
                  onLink[b]);
        EXPECT_EQ(Topology::BreakOfLink(Topology::LinkOfBreak(b)), b);
    }
    EXPECT_EQ(Topology::BreakOfLink(Topology::LinkIndex(0, 4)), -1) << "A-E has no button";
    // The label beside B on A-B carries A to B; labels 1 and 2 break the sender order.
    EXPECT_EQ(Topology::CostLabel(0, 1), 0);
    EXPECT_EQ(Topology::CostLabel(1, 0), 3);
    EXPECT_EQ(Topology::CostLabel(0, 3), 1);
    EXPECT_EQ(Topology::CostLabel(0, 2), 2);
    EXPECT_EQ(Topology::CostLabel(5, 4), 19);
    EXPECT_EQ(Topology::CostLabel(0, 4), -1) << "A-E has no labels";
    EXPECT_EQ(Topology::CostLabel(3, 3), -1);
}
