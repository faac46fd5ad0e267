#pragma once

#include "packets/PacketLauncher.h"

class FormRuntime;
class FormState;
class PacketArrival;
class RandomSource;

// One animation tick: every busy slot, in slot order, moves one step along its hop or, on the
// 26th tick of the hop, arrives; then the 48-tick countdown of continuous sending advances and,
// at 0 with Many on, launches a data packet between two random networks in use.
class PacketMotion {
public:
    // A hop's steps bring the packet's centre onto the hop's end after kStepsPerHop moves; one
    // more move carries it a step beyond, and it arrives on the tick after that (the 26th).
    static constexpr int kArrivalTick = PacketLauncher::kStepsPerHop + 2;
    static constexpr int kCountdownCycle = 48;

    PacketMotion(FormState& form, FormRuntime& runtime, PacketLauncher& launcher,
                 PacketArrival& arrival, RandomSource& random)
        : form_(form), runtime_(runtime), launcher_(launcher), arrival_(arrival), random_(random) {}

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
    FormRuntime& runtime_;
    PacketLauncher& launcher_;
    PacketArrival& arrival_;
    RandomSource& random_;
};
