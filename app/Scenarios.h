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

    Scenarios(FormState& form, FormRuntime& runtime) : form_(form), runtime_(runtime) {}

    // Adds the seven names, selects "Random 1" and sets that scenario up.
    void FillScenarioList();
    // The scenario set-up for the list's current text; any text that names no scenario gives the
    // plain set-up with everything shown.
    void cmbSims_Change();
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
