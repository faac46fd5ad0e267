#pragma once

#include "app/Commands.h"
#include "app/LinkEditor.h"
#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "packets/PacketArrival.h"
#include "packets/PacketLauncher.h"
#include "packets/PacketMotion.h"

class Platform;
class RandomSource;

// The main window's behaviour: owns the window state and answers every event with the handler
// named after its control. The Qt view calls these and draws `State()`.
class MainForm {
public:
    MainForm(Platform& platform, RandomSource& random);

    // Start-up, once, before the window is shown.
    void Form_Load();
    // The window as start-up leaves it, the random source left as it stands: a clean start.
    void LoadAfresh();

    void cmbSims_Click();
    void cmbSims_Change();
    void Command5_Click();
    void chkSplit_Click() { scenarios_.chkSplit_Click(); }
    void cmdBreak_Click(int index) { links_.cmdBreak_Click(index); }
    void lblCost_MouseDown(int index, int button) { links_.lblCost_MouseDown(index, button); }
    void Command1_Click() { commands_.Command1_Click(); }
    void Command2_Click() { commands_.Command2_Click(); }
    void Command3_Click() { commands_.Command3_Click(); }
    void Command4_Click() { commands_.Command4_Click(); }
    void Command7_Click() { commands_.Command7_Click(); }
    void btnRouter_Click(int index) { commands_.btnRouter_Click(index); }
    void btnNetwork_Click(int index) { commands_.btnNetwork_Click(index); }

    // The 40 ms tick. Skipped while another tick runs or the out-of-packets message is open
    // (its loop keeps the timer firing), so no tick ever starts inside another. Returns whether
    // the tick ran.
    bool MoveTimer_Timer();
    // Whether a tick now would change nothing but the launch countdown (no packet on the screen,
    // Many off), and what `count` such ticks do. Lets the view's timer sleep while idle.
    bool TickIsIdle() const { return motion_.Idle() && rip_.Idle(); }
    // Whether no packet is on the screen and RIP owes no table (a clock may still run).
    bool Quiet() const;
    // Waiting for quiet gives up after this many hops (continuous sending never stops).
    static constexpr long kLongestQuietHops = 20;
    void SkipIdleTicks(long count);
    // While the animation is paused ("Resume" showing): runs `count` ticks, one by one, as the
    // timer would, without resuming. Does nothing while the animation runs. Returns whether it
    // stepped.
    bool StepTicks(int count);
    // Whether StepTicks would step now.
    bool CanStep() const;
    // Runs `count` ticks at once, paused or not, as the timer would have run them.
    void Advance(long count);
    // Ticks until no packet moves and nothing is owed (Quiet), one at least, giving up after
    // kLongestQuietHops hops.
    void Settle();

    // RIP's rules, switched on and off by the lecturer.
    RipControl& Rip() { return rip_; }
    // Shows and hides the controls as the list's scenario does, changing nothing else.
    void ShowScenario() { scenarios_.Show(); }
    RandomSource& Random() { return random_; }
    const RandomSource& Random() const { return random_; }

    FormState& State() { return form_; }
    const FormState& State() const { return form_; }
    FormRuntime& Runtime() { return runtime_; }
    const FormRuntime& Runtime() const { return runtime_; }

private:
    void RunTick();

    Platform& platform_;
    RandomSource& random_;
    FormState form_;
    FormRuntime runtime_;
    Scenarios scenarios_;
    LinkEditor links_;
    PacketLauncher launcher_;
    PacketArrival arrival_;
    PacketMotion motion_;
    RipControl rip_;
    Commands commands_;
};
