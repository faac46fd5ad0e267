#pragma once

#include "form/Layout.h"

#include <array>
#include <string>

class FormRuntime;
class FormState;

// The scenario list, the scenario set-up, Reset and the split-horizon box.
class Scenarios {
public:
    static constexpr auto kNames = Layout::kScenarioNames;
    // Two more demonstrations of RIP's rules, chosen from the lecturer's menu or the command
    // line; the list stays as it opens.
    static constexpr std::array<const char*, 2> kDemonstrations{"Three-Router Loop",
                                                                "Hold-Down Delays Good News"};
    // Whether a text names a scenario of the list or a demonstration.
    static bool Known(const std::string& name);
    // What a router pays for its own network after Reset: 1 where tables route, 0 otherwise.
    static int OwnCost(const FormState& form);

    Scenarios(FormState& form, FormRuntime& runtime) : form_(form), runtime_(runtime) {}

    // Adds the seven names, selects "Random 1" and sets that scenario up.
    void FillScenarioList();
    // The scenario set-up for the list's current text; any text that names no scenario gives the
    // plain set-up with everything shown.
    void cmbSims_Change();
    // What of the set-up follows from the scenario alone: what is shown and how data is routed,
    // with no cost written and no router reset (for a demonstration opened from a file).
    void Show();
    void cmbSims_Click() { cmbSims_Change(); }
    // Reset: the animation runs again and every router gets its initialise message.
    void Command5_Click();
    void chkSplit_Click();

private:
    void ShowEverything();
    void HideRouter(int router);
    void HideLink(int link);
    FormState& form_;
    FormRuntime& runtime_;
};
