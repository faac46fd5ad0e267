#include "app/AccessibleText.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "form/Layout.h"
#include "form/Topology.h"

namespace AccessibleText {

namespace {

std::string LinkText(int breakButton) {
    const auto [lo, hi] = Topology::LinkRouters(Topology::LinkOfBreak(breakButton));
    return RouterLetter(lo) + "-" + RouterLetter(hi);
}

// The sender and receiver of a cost label's direction.
std::pair<int, int> Direction(int costLabel) {
    for (int link = 0; link < Topology::kLinkCount; ++link) {
        const auto [lo, hi] = Topology::LinkRouters(link);
        if (Layout::kLinks[link].forward == costLabel) {
            return {lo, hi};
        }
        if (Layout::kLinks[link].backward == costLabel) {
            return {hi, lo};
        }
    }
    return {-1, -1};
}

} // namespace

std::string RouterName(int router) {
    return "Router " + RouterLetter(router);
}

std::string NetworkName(int network) {
    return "Network " + NetworkLetter(network);
}

std::string BreakName(int breakButton) {
    return "Break link " + LinkText(breakButton);
}

std::string BreakTip(int breakButton) {
    return "Breaks link " + LinkText(breakButton) +
           " and tells both routers; press again to mend it";
}

std::string CostName(int costLabel) {
    const auto [sender, receiver] = Direction(costLabel);
    return "Cost from " + RouterLetter(sender) + " to " + RouterLetter(receiver);
}

std::string CostTip(int costLabel) {
    return CostName(costLabel) +
           ": a left click raises it (up to 9), a right click lowers it (down to 0)";
}

std::string CostValue(const std::string& caption) {
    const std::string_view value = TrimBlanks(caption);
    return value.empty() ? "blank, counts as 0" : std::string(value);
}

std::string PanelName(int router) {
    return "Table " + RouterLetter(router);
}

} // namespace AccessibleText
