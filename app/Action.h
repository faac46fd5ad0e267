#pragma once

#include <string>

class FormState;
class MainForm;

// One thing the lecturer does to the window's controls, as plain data: a click on a router, a
// network, a break button, the check box or a command button, a mouse button pressed on a cost
// label, or a scenario chosen from the list. Any front end hands these in, and a lesson can keep
// them.
struct Action {
    enum class Control {
        Router,
        Network,
        Break,
        Cost,
        Scenario,
        Split,
        One,    // Command1
        Many,   // Command2, "Many" or "Stop"
        Pause,  // Command3, "Pause" or "Resume"
        Update, // Command4
        Reset,  // Command5
        Kill,   // Command7
    };

    Control control = Control::Update;
    int index = 0;        // which router, network, break button or cost label
    int button = 1;       // on a cost label: 1 the left button, which raises it; others lower it
    std::string scenario; // the scenario chosen
    bool checked = false; // the check box after the click

    static Action Click(Control control, int index = 0) { return {control, index, 1, {}, false}; }
    static Action CostPress(int label, int button) {
        return {Control::Cost, label, button, {}, false};
    }
    static Action Choose(std::string scenario) {
        return {Control::Scenario, 0, 1, std::move(scenario), false};
    }
    static Action Split(bool checked) { return {Control::Split, 0, 1, {}, checked}; }

    // Runs the control's handler, as the window does for the click.
    void Perform(MainForm& form) const;
    // What the action does, said against the window as it stands before it: "Update", "break of
    // link A-B", "mend of link A-B", "cost from A to B up", "scenario Example 1", ...
    std::string Describe(const FormState& before) const;
};
