#pragma once

#include <array>
#include <string>

class FormState;

// The scenario list, the scenario set-up, Reset and the split-horizon box.
class Scenarios {
public:
    static constexpr std::array<const char*, 7> kNames{
        "Random 1",      "Random 1 No Reverse", "Flooding 1", "Example 1",
        "Three Routers", "Four Routers",        "Everything"};

    explicit Scenarios(FormState& form) : form_(form) {}

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
};
