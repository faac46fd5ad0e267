#pragma once

#include "form/RipState.h"

#include <array>
#include <cstdint>
#include <string>

class FormRuntime;
class FormState;
class PacketLauncher;
class RandomSource;

// RIP's rules over the whole window (RFC 2453), each switched on its own: infinity 16, periodic
// updates with route timeout and garbage collection, triggered updates, hold-down, simple split
// horizon and failure found only by timeout. Time runs in ticks with RFC 2453's ratios: an update
// period of six hops (156 ticks) stands for 30 s. While any switch is on every table is sent as
// RIP sends it: queued, at most one per link direction, a newer one joining a queued one, and
// launched when its direction has no table in flight and a slot is free, so that the pool never
// runs out for tables. All off, nothing here acts.
class RipControl {
public:
    enum class Rule { Infinity, Periodic, Triggered, HoldDown, SimpleSplit, TimeoutOnly };
    // Each rule's name on the command line and as the lecturer reads it.
    struct RuleName {
        Rule rule;
        const char* option;
        std::string name;
    };
    static constexpr int kRuleCount = 6;
    static const std::array<RuleName, kRuleCount> kRules;
    // Which rules are on, as the window says it: "RIP: infinity 16, hold-down 180 s"; empty
    // while none is.
    static std::string Summary(const RipSwitches& on);
    static constexpr std::uint8_t kAllRows = 0x3F;
    static constexpr long kTimeoutSeconds = 180;
    static constexpr long kGarbageSeconds = 120;
    static constexpr long kJitterSeconds = 5; // periodic updates fall up to this much early or late
    static constexpr long kTriggerWaitFrom = 1; // seconds between triggered updates, at random
    static constexpr long kTriggerWaitTo = 5;

    RipControl(FormState& form, FormRuntime& runtime, PacketLauncher& launcher,
               RandomSource& random)
        : form_(form), runtime_(runtime), launcher_(launcher), random_(random) {}

    void Set(Rule rule, bool on);
    // A rule's switch among the switches.
    static void Switch(RipSwitches& switches, Rule rule, bool on);
    static bool IsOn(const RipSwitches& switches, Rule rule);
    void SetHoldDownSeconds(int seconds);
    // Gives the routers the rules the switches stand for.
    void ApplyRules();
    bool Active() const;
    // Asks for a table from p to q with the rows given (bit k: row k), queued behind any table of
    // that direction.
    void RequestTable(int p, int q, std::uint8_t rows = kAllRows);
    // Launches what waits in the queue and can go.
    void LaunchQueued();
    // Before a tick's sweep: RIP's clock moves on, and every router reads it.
    void BeginTick();
    // After the sweep: timers, changed routes, periodic and triggered updates, the queue.
    void EndTick();
    // Whether a tick could change nothing RIP does: no clock that runs, nothing waiting.
    bool Idle() const;
    // After a reset or a scenario: the tables on their way are lost, the rows as they stand count
    // as sent, and no cost is 0 while 16 is infinity.
    void AfterReset();

private:
    void Schedule(int router);
    void SendToNeighbours(int router, std::uint8_t rows, bool periodic);
    void NoteChanges();
    bool TableInFlight(int p, int q) const;
    std::string Request(int p, int q, std::uint8_t rows) const;
    void RaiseZeroCosts();

    FormState& form_;
    FormRuntime& runtime_;
    PacketLauncher& launcher_;
    RandomSource& random_;
};
