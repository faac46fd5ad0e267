#include "form/Topology.h"

#include "common/Letters.h"
#include "form/Layout.h"

namespace Topology {

std::pair<int, int> LinkRouters(int link) {
    for (int lo = 0; lo < kRouterCount; ++lo) {
        for (int hi = lo + 1; hi < kRouterCount; ++hi) {
            if (LinkIndex(lo, hi) == link) {
                return {lo, hi};
            }
        }
    }
    return {-1, -1};
}

int LinkOfBreak(int breakButton) {
    for (int link = 0; link < kLinkCount; ++link) {
        if (Layout::kLinks[link].breakButton == breakButton) {
            return link;
        }
    }
    return -1;
}

int CostLabel(int sender, int receiver) {
    const int link = LinkIndex(sender, receiver);
    if (link < 0 || !Layout::kLinks[link].usable) {
        return -1;
    }
    return sender < receiver ? Layout::kLinks[link].forward : Layout::kLinks[link].backward;
}

} // namespace Topology
