#include "app/ShortestPaths.h"

#include "app/Scenarios.h"
#include "form/FormState.h"

#include <algorithm>

ShortestPaths::Costs ShortestPaths::Find(const FormState& form) {
    Costs costs{};
    const long own = Scenarios::OwnCost(form);
    for (int network = 0; network < kNetworkCount; ++network) {
        // From the network's router outwards, along the way its routes are sent.
        std::array<long, kRouterCount> cost;
        cost.fill(kUnreachable);
        std::array<bool, kRouterCount> settled{};
        cost[network] = own;
        for (int round = 0; round < kRouterCount; ++round) {
            int next = -1;
            for (int r = 0; r < kRouterCount; ++r) {
                if (!settled[r] && cost[r] != kUnreachable && (next < 0 || cost[r] < cost[next])) {
                    next = r;
                }
            }
            if (next < 0) {
                break;
            }
            settled[next] = true;
            for (int r = 0; r < kRouterCount; ++r) {
                if (settled[r] || !form.LinkUp(next, r)) {
                    continue;
                }
                const long hop = std::max<long>(0, form.CostOf(next, r));
                if (cost[r] == kUnreachable || cost[next] + hop < cost[r]) {
                    cost[r] = cost[next] + hop;
                }
            }
        }
        for (int r = 0; r < kRouterCount; ++r) {
            costs[r][network] = cost[r];
        }
    }
    return costs;
}
