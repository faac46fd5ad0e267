#pragma once

#include "app/FormState.h"
#include "app/LinkEditor.h"
#include "app/Scenarios.h"

class Platform;
class RandomSource;

// The main window's behaviour: owns the window state and answers every event with the handler
// named after its control. The Qt view calls these and draws `State()`.
class MainForm {
public:
    MainForm(Platform& platform, RandomSource& random);

    // Start-up, once, before the window is shown.
    void Form_Load();

    void cmbSims_Click() { scenarios_.cmbSims_Click(); }
    void cmbSims_Change() { scenarios_.cmbSims_Change(); }
    void Command5_Click() { scenarios_.Command5_Click(); }
    void chkSplit_Click() { scenarios_.chkSplit_Click(); }
    void cmdBreak_Click(int index) { links_.cmdBreak_Click(index); }
    void lblCost_MouseDown(int index, int button) { links_.lblCost_MouseDown(index, button); }

    FormState& State() { return form_; }
    const FormState& State() const { return form_; }

private:
    Platform& platform_;
    RandomSource& random_;
    FormState form_;
    Scenarios scenarios_;
    LinkEditor links_;
};
