#pragma once

#include <cstdint>

class FormState;
class PacketLauncher;

// The user's commands: Update, router and network click pairs, One, Many/Stop, Pause/Resume
// and Kill.
class Commands {
public:
    Commands(FormState& form, PacketLauncher& launcher) : form_(form), launcher_(launcher) {}

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
    // A link counts as up while its line is shown and grey.
    bool LinkUp(int a, int b) const;
    // The cost a table from sender to receiver is charged: the label's number, halves to even.
    std::int16_t Cost(int sender, int receiver) const;

    // Records a router or network pick in the shared StartIndex / EndIndex and shows it; true
    // when it completes a pair. Each kind of pick has its own flag.
    bool Pick(int index, bool& startChosen);
    void SendTable(int sender, int receiver);
    FormState& form_;
    PacketLauncher& launcher_;
};
