#pragma once

#include "app/Action.h"
#include "form/Controls.h"

class FormState;

#include <optional>
#include <string>
#include <vector>

// The window's controls in the order Tab walks them, the same in every front end: the scenario
// list first, then the commands and the "Split Horizons" box, then the drawing's own controls
// (routers, networks, break buttons, cost labels), and last the routing tables, which a screen
// reader reads row by row.
class TabOrder {
public:
    struct Control {
        enum class Kind { List, Command, Check, Router, Network, Break, Cost, Table };
        Kind kind;
        int index; // which command, router, network, link or cost label; 0 for the others
        // The name the design gives it ("cmbSims", "Command4", "btnRouter0", "RouterTable5").
        std::string name;
    };
    static std::vector<Control> Controls();
    // The six command buttons of a window, in the order Tab walks them.
    static std::vector<const ButtonControl*> Commands(const FormState& state);
    // What a click with `button` on a button or cost label does; none for the list, the check box
    // and the tables, which a click only focuses (the list and the box say what they were set to).
    static std::optional<Action> Click(const Control& control, int button = MouseButton::kLeft);
};
