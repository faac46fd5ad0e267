#pragma once

class FormRuntime;
class FormState;

// Breaking and mending links, and stepping link costs with the mouse.
class LinkEditor {
public:
    LinkEditor(FormState& form, FormRuntime& runtime) : form_(form), runtime_(runtime) {}

    // An up link breaks: both routers are told (the lower first) and the line turns red. A broken
    // link mends: the line turns grey and nobody is told.
    void cmdBreak_Click(int index);
    // Left button steps the cost up to 9 and shows it on the status line; any other button steps
    // it down to 0 (to 1 while RIP's infinity is 16).
    void lblCost_MouseDown(int index, int button);

private:
    // The lowest a cost can be stepped down to.
    int Lowest() const;

    FormState& form_;
    FormRuntime& runtime_;
};
