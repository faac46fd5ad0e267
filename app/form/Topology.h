#pragma once

#include <string>
#include <utility>

// Which controls belong to which routers, links and link directions, read from the layout.
namespace Topology {

inline constexpr int kLinkCount = 15;
inline constexpr int kBreakCount = 10;
inline constexpr int kCostLabelCount = 20;

// Index 0..14 of the link between two routers (AB, AC, ..., EF), or -1 when a == b or either is
// out of range.
constexpr int LinkIndex(int a, int b) {
    if (a == b || a < 0 || b < 0 || a > 5 || b > 5) {
        return -1;
    }
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    // Pairs are numbered row by row: lo = 0 has 5 pairs, lo = 1 has 4, and so on.
    return lo * (11 - lo) / 2 + (hi - lo - 1);
}
// The link named by two router letters, "BF" for lneBF.
constexpr int LinkNamed(const char (&name)[3]) {
    return LinkIndex(name[0] - 'A', name[1] - 'A');
}
// The two routers of a link, the lower first.
std::pair<int, int> LinkRouters(int link);
// "AB" for link 0.
std::string LinkName(int link);
// The link that break button i lies on.
int LinkOfBreak(int breakButton);
// The cost label of the direction sender -> receiver, or -1 when the pair has no usable link.
int CostLabel(int sender, int receiver);

} // namespace Topology
