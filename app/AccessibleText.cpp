#include "app/AccessibleText.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "common/Translate.h"
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
    return Translate("Router {router}", {{"router", RouterLetter(router)}});
}

std::string NetworkName(int network) {
    return Translate("Network {network}", {{"network", NetworkLetter(network)}});
}

std::string BreakName(int breakButton) {
    return Translate("Break link {link}", {{"link", LinkText(breakButton)}});
}

std::string BreakTip(int breakButton) {
    return Translate("Breaks link {link} and tells both routers; press again to mend it",
                     {{"link", LinkText(breakButton)}});
}

std::string CostName(int costLabel) {
    const auto [sender, receiver] = Direction(costLabel);
    return Translate("Cost from {sender} to {receiver}",
                     {{"sender", RouterLetter(sender)}, {"receiver", RouterLetter(receiver)}});
}

std::string CostWords(int costLabel) {
    const auto [sender, receiver] = Direction(costLabel);
    return Translate("cost from {sender} to {receiver}",
                     {{"sender", RouterLetter(sender)}, {"receiver", RouterLetter(receiver)}});
}

std::string CostTip(int costLabel) {
    return Translate(
        "{cost}: a left click raises it (up to 9), a right click lowers it (down to 0)",
        {{"cost", CostName(costLabel)}});
}

std::string CostValue(const std::string& caption) {
    const std::string_view value = TrimBlanks(caption);
    return value.empty() ? Translate("blank, counts as 0") : std::string(value);
}

std::string PanelName(int router) {
    return Translate("Table {router}", {{"router", RouterLetter(router)}});
}

} // namespace AccessibleText
