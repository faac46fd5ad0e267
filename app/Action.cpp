#include "app/Action.h"

#include "app/AccessibleText.h"
#include "app/MainForm.h"
#include "common/Letters.h"
#include "form/Layout.h"
#include "form/Topology.h"

void Action::Perform(MainForm& form) const {
    switch (control) {
    case Control::Router:
        form.btnRouter_Click(index);
        break;
    case Control::Network:
        form.btnNetwork_Click(index);
        break;
    case Control::Break:
        form.cmdBreak_Click(index);
        break;
    case Control::Cost:
        form.lblCost_MouseDown(index, button);
        break;
    case Control::Scenario:
        form.State().cmbSims.text = scenario;
        form.cmbSims_Click();
        break;
    case Control::Split:
        form.State().chkSplit.value = checked ? 1 : 0;
        form.chkSplit_Click();
        break;
    case Control::One:
        form.Command1_Click();
        break;
    case Control::Many:
        form.Command2_Click();
        break;
    case Control::Pause:
        form.Command3_Click();
        break;
    case Control::Update:
        form.Command4_Click();
        break;
    case Control::Reset:
        form.Command5_Click();
        break;
    case Control::Kill:
        form.Command7_Click();
        break;
    case Control::Rule:
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (index == kAllRules || index == static_cast<int>(rule.rule)) {
                form.Rip().Set(rule.rule, checked);
            }
        }
        break;
    case Control::HoldDownTime:
        form.Rip().SetHoldDownSeconds(value);
        break;
    }
}

std::string Action::Describe(const FormState& before) const {
    switch (control) {
    case Control::Router:
        return "click on router " + RouterLetter(index);
    case Control::Network:
        return "click on network " + NetworkLetter(index);
    case Control::Break: {
        const int link = Topology::LinkOfBreak(index);
        const auto [lo, hi] = Topology::LinkRouters(link);
        const bool up = before.lne[link].colour == Layout::kGrey;
        return std::string(up ? "break" : "mend") + " of link " + RouterLetter(lo) + "-" +
               RouterLetter(hi);
    }
    case Control::Cost: {
        std::string name = AccessibleText::CostName(index);
        name[0] = 'c';
        return name + (button == MouseButton::kLeft ? " up" : " down");
    }
    case Control::Scenario:
        return "scenario " + scenario;
    case Control::Split:
        return std::string(before.chkSplit.caption) + (checked ? " on" : " off");
    case Control::One:
        return before.Command1.caption;
    case Control::Many:
        return before.Command2.caption;
    case Control::Pause:
        return before.Command3.caption;
    case Control::Update:
        return before.Command4.caption;
    case Control::Reset:
        return before.Command5.caption;
    case Control::Kill:
        return before.Command7.caption;
    case Control::Rule: {
        const std::string state = checked ? " on" : " off";
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (index == static_cast<int>(rule.rule)) {
                return rule.name + state;
            }
        }
        return "all of RIP" + state;
    }
    case Control::HoldDownTime:
        return "hold-down of " + std::to_string(value) + " s";
    }
    return {};
}

bool Action::OnWindow(const FormState& state) const {
    switch (control) {
    case Control::Router:
        return state.btnRouter[index].visible;
    case Control::Network:
        return state.btnNetwork[index].visible;
    case Control::Break:
        return state.cmdBreak[index].visible;
    case Control::Cost:
        return state.lblCost[index].visible;
    default:
        return true;
    }
}
