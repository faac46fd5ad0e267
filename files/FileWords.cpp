#include "files/FileWords.h"

#include "common/Letters.h"
#include "form/Topology.h"

std::string FileWords::LinkName(int breakButton) {
    const auto [lo, hi] = Topology::LinkRouters(Topology::LinkOfBreak(breakButton));
    return RouterLetter(lo) + "-" + RouterLetter(hi);
}

std::string FileWords::CostName(int label) {
    for (int s = 0; s < kRouterCount; ++s) {
        for (int r = 0; r < kRouterCount; ++r) {
            if (Topology::CostLabel(s, r) == label) {
                return RouterLetter(s) + " to " + RouterLetter(r);
            }
        }
    }
    return "";
}

std::string FileWords::SpeedName(IdleTimer::Speed speed) {
    for (std::size_t s = 0; s < kSpeedValues.size(); ++s) {
        if (kSpeedValues[s] == speed) {
            return std::string(kSpeeds[s]);
        }
    }
    return "";
}
