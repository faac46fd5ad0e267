#include "app/TabOrder.h"

#include "common/Letters.h"
#include "form/Layout.h"

std::vector<TabOrder::Control> TabOrder::Controls() {
    using Kind = Control::Kind;
    std::vector<Control> order{{Kind::List, 0, "cmbSims"}};
    // One, Many, Pause, then Kill, Reset, Update: the buttons row by row.
    for (int command : {1, 2, 3, 7, 5, 4}) {
        order.push_back({Kind::Command, 0, "Command" + std::to_string(command)});
    }
    order.push_back({Kind::Check, 0, "chkSplit"});
    const auto add = [&](Kind kind, int count, const std::string& name) {
        for (int i = 0; i < count; ++i) {
            order.push_back({kind, i, name + std::to_string(i)});
        }
    };
    add(Kind::Router, kRouterCount, "btnRouter");
    add(Kind::Network, kNetworkCount, "btnNetwork");
    add(Kind::Break, Layout::kBreakCount, "cmdBreak");
    add(Kind::Cost, Layout::kCostLabelCount, "lblCost");
    add(Kind::Table, kRouterCount, "RouterTable");
    return order;
}
