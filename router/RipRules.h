#pragma once

// RIP's rules (RFC 2453) as a router keeps them, each a switch; with all of them off a router
// behaves exactly as the plain distance-vector engine always has. Times are in ticks of the
// window's clock.
struct RipRules {
    static constexpr int kInfinity = 16;
    // Time keeps RFC 2453's ratios: an update period of six hops of 26 ticks stands for 30 s.
    static constexpr long kPeriodTicks = 156;
    static constexpr long kPeriodSeconds = 30;
    // RIP seconds as whole ticks (5.2 ticks a second), and ticks as the whole seconds they take,
    // rounded up.
    static constexpr long Ticks(double seconds) {
        return static_cast<long>(seconds * kPeriodTicks / kPeriodSeconds + 0.5);
    }
    static constexpr long Seconds(long ticks) {
        return (ticks * kPeriodSeconds + kPeriodTicks - 1) / kPeriodTicks;
    }

    bool infinity = false; // 16 means unreachable: metrics are capped at 16, shown as "inf"
    bool timers = false;   // learned routes time out; a route gone unreachable is collected
    bool holdDown = false; // a route gone unreachable refuses every offer for a while
    // Tables come from RIP's requests: an empty field is a row left out, which says nothing.
    bool partialTables = false;
    long timeoutTicks = 0;
    long garbageTicks = 0;
    long holdDownTicks = 0;

    bool Any() const { return infinity || timers || holdDown || partialTables; }
    bool operator==(const RipRules&) const = default;
};

// The clocks of one route row, in ticks; -1 where a clock does not run.
struct RouteClock {
    long heard = -1;        // the latest update from the route's next hop (learned routes)
    long garbageUntil = -1; // garbage collection ends: the row is cleared
    long heldUntil = -1;    // hold-down ends: offers are accepted again
    bool operator==(const RouteClock&) const = default;
};

// What a router's clocks did when time moved on.
struct RouteEvent {
    enum class Kind { TimedOut, Cleared, HoldDownOver };
    int row;
    Kind kind;
};
