#pragma once

class FormState;
class PacketArrival;
class PacketLauncher;
class RandomSource;

// One animation tick: every busy slot, in slot order, moves one step along its hop or, on the
// 26th tick of the hop, arrives; then the 48-tick countdown of continuous sending advances and,
// at 0 with Many on, launches a data packet between two random networks in use.
class PacketMotion {
public:
    static constexpr int kArrivalTick = 26;
    static constexpr int kCountdownCycle = 48;

    PacketMotion(FormState& form, PacketLauncher& launcher, PacketArrival& arrival,
                 RandomSource& random)
        : form_(form), launcher_(launcher), arrival_(arrival), random_(random) {}

    void MoveTimer_Timer();
    // True when a tick would change nothing but the countdown: no packet on the screen and Many
    // off.
    bool Idle() const;
    // What `count` ticks do while Idle holds: the countdown runs on, nothing else changes.
    void SkipIdleTicks(long count);

private:
    void Sweep();
    int NetworksInUse() const;

    FormState& form_;
    PacketLauncher& launcher_;
    PacketArrival& arrival_;
    RandomSource& random_;
};
