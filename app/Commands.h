#pragma once

#include <cstdint>

class FormState;
class PacketLauncher;
class RipControl;

// The user's commands: Update, router and network click pairs, One, Many/Stop, Pause/Resume
// and Kill.
class Commands {
public:
    Commands(FormState& form, PacketLauncher& launcher, RipControl& rip)
        : form_(form), launcher_(launcher), rip_(rip) {}

    // Every router sends its table over every link that is up, in a fixed order, E-F first.
    void Command4_Click();
    // First click picks a router; the second sends the first one's table to it if they are
    // neighbours over a link that is up.
    void btnRouter_Click(int index);
    // First click picks a network; the second sends a data packet between the two.
    void btnNetwork_Click(int index);
    // Resumes the animation and resends the latest pair as a data packet.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command7_Click();

private:
    // Records a router or network pick in the shared StartIndex / EndIndex and shows it; true
    // when it completes a pair. Each kind of pick has its own flag.
    bool Pick(int index, bool& startChosen);
    // A table packet as the rules in force send it: straight away, or through RIP's queue.
    void SendTable(int sender, int receiver);
    FormState& form_;
    PacketLauncher& launcher_;
    RipControl& rip_;
};
