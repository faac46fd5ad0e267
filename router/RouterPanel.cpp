#include "router/RouterPanel.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"

std::string RouterPanel::SpokenRow(int k) const {
    const RouteRow& row = router_.Rows()[k];
    const std::string hop = row.nextHop == "-" ? "no next hop" : "next hop " + row.nextHop;
    std::string spoken =
        NetworkLetter(k) + ", cost " + std::string(TrimBlanks(row.cost)) + ", " + hop;
    const ClockNote clock = Clock(k);
    const std::string seconds = std::to_string(clock.seconds) + " s";
    switch (clock.kind) {
    case ClockNote::Kind::Timeout:
        spoken += ", times out in " + seconds;
        break;
    case ClockNote::Kind::Garbage:
        spoken += ", cleared in " + seconds;
        break;
    case ClockNote::Kind::HoldDown:
        spoken += ", held down for " + seconds;
        break;
    case ClockNote::Kind::None:
        break;
    }
    if (!trueCost[k].empty()) {
        spoken += ", shortest path " + trueCost[k] + (stale[k] ? ", stale" : "");
    }
    if (prediction[k] == Prediction::Right || prediction[k] == Prediction::Wrong) {
        spoken += prediction[k] == Prediction::Right ? ", predicted right" : ", predicted wrong";
    }
    return spoken;
}

std::string RouterPanel::SpokenRows() const {
    std::string spoken;
    for (int k = 0; k < Router::kRows; ++k) {
        if (router_.Rows()[k].shown) {
            spoken += (spoken.empty() ? "" : "; ") + SpokenRow(k);
        }
    }
    return spoken.empty() ? "no rows shown" : spoken;
}

RouterPanel::ClockNote RouterPanel::Clock(int row) const {
    const RipRules& rules = router_.Rules();
    const RouteClock& clock = router_.Clocks()[row];
    const long now = router_.Clock();
    if (clock.heldUntil >= 0) {
        return {ClockNote::Kind::HoldDown, RipRules::Seconds(clock.heldUntil - now)};
    }
    if (clock.garbageUntil >= 0) {
        return {ClockNote::Kind::Garbage, RipRules::Seconds(clock.garbageUntil - now)};
    }
    const RouteRow& route = router_.Rows()[row];
    if (rules.timers && clock.heard >= 0 && IsNumeric(route.cost) &&
        RouterIndex(route.nextHop) >= 0) {
        return {ClockNote::Kind::Timeout,
                RipRules::Seconds(clock.heard + rules.timeoutTicks - now)};
    }
    return {};
}
