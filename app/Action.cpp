#include "app/Action.h"

#include "app/AccessibleText.h"
#include "app/MainForm.h"
#include "common/Letters.h"
#include "common/Translate.h"
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

namespace {

// A switch turned on or off, as an undo level calls it: "Split Horizons on".
std::string Switched(const std::string& what, bool on) {
    return on ? Translate("{switch} on", {{"switch", what}})
              : Translate("{switch} off", {{"switch", what}});
}

} // namespace

std::string Action::Describe(const FormState& before) const {
    switch (control) {
    case Control::Router:
        return Translate("click on router {router}", {{"router", RouterLetter(index)}});
    case Control::Network:
        return Translate("click on network {network}", {{"network", NetworkLetter(index)}});
    case Control::Break: {
        const int link = Topology::LinkOfBreak(index);
        const auto [lo, hi] = Topology::LinkRouters(link);
        const bool up = before.lne[link].colour == Layout::kGrey;
        const MessageArguments routers = {{"link", RouterLetter(lo) + "-" + RouterLetter(hi)}};
        return up ? Translate("break of link {link}", routers)
                  : Translate("mend of link {link}", routers);
    }
    case Control::Cost: {
        const std::string name = AccessibleText::CostWords(index);
        return button == MouseButton::kLeft ? Translate("{cost} up", {{"cost", name}})
                                            : Translate("{cost} down", {{"cost", name}});
    }
    case Control::Scenario:
        return Translate("scenario {scenario}", {{"scenario", Translate(scenario)}});
    case Control::Split:
        return Switched(Translate(before.chkSplit.caption), checked);
    case Control::One:
        return Translate(before.Command1.caption);
    case Control::Many:
        return Translate(before.Command2.caption);
    case Control::Pause:
        return Translate(before.Command3.caption);
    case Control::Update:
        return Translate(before.Command4.caption);
    case Control::Reset:
        return Translate(before.Command5.caption);
    case Control::Kill:
        return Translate(before.Command7.caption);
    case Control::Rule: {
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (index == static_cast<int>(rule.rule)) {
                return Switched(Translate(rule.name), checked);
            }
        }
        return Switched(Translate("all of RIP"), checked);
    }
    case Control::HoldDownTime:
        return Translate("hold-down of {seconds} s", {{"seconds", std::to_string(value)}});
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
