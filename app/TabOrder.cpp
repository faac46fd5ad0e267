#include "app/TabOrder.h"

#include "common/Letters.h"
#include "form/FormState.h"
#include "form/Layout.h"

namespace {

// One, Many, Pause, then Kill, Reset, Update: the buttons row by row.
constexpr int kCommandNumbers[] = {1, 2, 3, 7, 5, 4};
constexpr Action::Control kCommandClicks[] = {Action::Control::One,   Action::Control::Many,
                                              Action::Control::Pause, Action::Control::Kill,
                                              Action::Control::Reset, Action::Control::Update};

} // namespace

std::vector<const ButtonControl*> TabOrder::Commands(const FormState& state) {
    // By the number in each one's design name.
    const ButtonControl* const numbered[] = {nullptr,         &state.Command1, &state.Command2,
                                             &state.Command3, &state.Command4, &state.Command5,
                                             nullptr,         &state.Command7};
    std::vector<const ButtonControl*> commands;
    for (const int number : kCommandNumbers) {
        commands.push_back(numbered[number]);
    }
    return commands;
}

std::vector<TabOrder::Control> TabOrder::Controls() {
    using Kind = Control::Kind;
    std::vector<Control> order{{Kind::List, 0, "cmbSims"}};
    for (int c = 0; c < 6; ++c) {
        order.push_back({Kind::Command, c, "Command" + std::to_string(kCommandNumbers[c])});
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

std::optional<Action> TabOrder::Click(const Control& control, int button) {
    using Kind = Control::Kind;
    switch (control.kind) {
    case Kind::Command:
        return Action::Click(kCommandClicks[control.index]);
    case Kind::Router:
        return Action::Click(Action::Control::Router, control.index);
    case Kind::Network:
        return Action::Click(Action::Control::Network, control.index);
    case Kind::Break:
        return Action::Click(Action::Control::Break, control.index);
    case Kind::Cost:
        return Action::CostPress(control.index, button);
    default:
        return std::nullopt;
    }
}
