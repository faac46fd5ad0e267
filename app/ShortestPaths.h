#pragma once

#include "common/Letters.h"

#include <array>

class FormState;

// The true cost of every router's route to every network: the cheapest path over the links that
// work (shown and not broken), each hop costing what its receiving router pays for routes learned
// over it (the cost label beside that router), plus what the network's own router pays for it.
// Found with Dijkstra's algorithm from each network's router, over hops of cost 0 to 9.
class ShortestPaths {
public:
    static constexpr long kUnreachable = -1;
    // [router][network]: the cost, or kUnreachable.
    using Costs = std::array<std::array<long, kNetworkCount>, kRouterCount>;

    static Costs Find(const FormState& form);
};
