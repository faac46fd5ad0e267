#pragma once

#include "form/Layout.h"

#include <utility>

// Which controls belong to which routers, links and link directions, read from the layout.
namespace Topology {

using Layout::kBreakCount;
using Layout::kCostLabelCount;
using Layout::kLinkCount;

// Index 0..14 of the link between two routers (AB, AC, ..., EF), or -1 when a == b or either is
// out of range.
constexpr int LinkIndex(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= kRouterCount || b >= kRouterCount) {
        return -1;
    }
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    // Pairs are numbered row by row: lo = 0 pairs with the 5 routers after it, lo = 1 with 4,
    // and so on, so the pairs before row lo number (n - 1) + (n - 2) + ... + (n - lo).
    return lo * (2 * kRouterCount - 1 - lo) / 2 + (hi - lo - 1);
}
// The two routers of a link, the lower first.
std::pair<int, int> LinkRouters(int link);
// The link that break button i lies on.
int LinkOfBreak(int breakButton);
// The break button of a usable link, or -1 for a link that is never shown.
inline int BreakOfLink(int link) {
    return Layout::kLinks[link].breakButton;
}
// The cost label of the direction sender -> receiver, or -1 when the pair has no usable link.
int CostLabel(int sender, int receiver);

} // namespace Topology
