#pragma once

#include "app/RipControl.h"
#include "form/Controls.h"

#include <string>

class FormState;
class MainForm;

// One thing the lecturer does to the window, as plain data: a click on a router, a network, a
// break button, the check box or a command button, a mouse button pressed on a cost label, a
// scenario chosen, or one of RIP's rules switched. Any front end hands these in, and a lesson can
// keep them.
struct Action {
    enum class Control {
        Router,
        Network,
        Break,
        Cost,
        Scenario,
        Split,
        One,          // Command1
        Many,         // Command2, "Many" or "Stop"
        Pause,        // Command3, "Pause" or "Resume"
        Update,       // Command4
        Reset,        // Command5
        Kill,         // Command7
        Rule,         // one of RIP's rules (index: RipControl::Rule), or all of them (kAllRules)
        HoldDownTime, // RIP's hold-down, `value` seconds
    };
    static constexpr int kAllRules = RipControl::kRuleCount;

    Control control = Control::Update;
    int index = 0;                   // which router, network, break button or cost label
    int button = MouseButton::kLeft; // on a cost label: the left button raises it, others lower it
    std::string scenario;            // the scenario chosen
    bool checked = false;            // the check box after the click, or a rule switched on
    int value = 0;                   // seconds of hold-down

    static Action Click(Control control, int index = 0) {
        return {control, index, 1, {}, false, 0};
    }
    static Action CostPress(int label, int button) {
        return {Control::Cost, label, button, {}, false, 0};
    }
    static Action Choose(std::string scenario) {
        return {Control::Scenario, 0, 1, std::move(scenario), false, 0};
    }
    static Action Split(bool checked) { return {Control::Split, 0, 1, {}, checked, 0}; }
    static Action Rule(int rule, bool on) { return {Control::Rule, rule, 1, {}, on, 0}; }
    static Action HoldDown(int seconds) {
        return {Control::HoldDownTime, 0, 1, {}, false, seconds};
    }

    bool operator==(const Action&) const = default;

    // Whether the control clicked is shown: a hidden one cannot be clicked.
    bool OnWindow(const FormState& state) const;
    // Runs the control's handler, as the window does for the click.
    void Perform(MainForm& form) const;
    // What the action does, said against the window as it stands before it: "Update", "break of
    // link A-B", "mend of link A-B", "cost from A to B up", "scenario Example 1", ...
    std::string Describe(const FormState& before) const;
};
