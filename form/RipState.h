#pragma once

#include "common/Letters.h"
#include "router/Router.h"

#include <array>
#include <cstdint>

// The RIP switches the lecturer turned on. All off: the window behaves as it always has.
struct RipSwitches {
    static constexpr int kHoldDownSeconds = 180;     // the usual hold-down, adjustable
    static constexpr int kMostHoldDownSeconds = 600; // as far as it can be adjusted

    bool infinity = false;    // 16 is unreachable
    bool periodic = false;    // every router sends its table every 30 s; routes time out
    bool triggered = false;   // a router whose route changed sends the change at once
    bool holdDown = false;    // a route gone unreachable refuses offers for a while
    bool simpleSplit = false; // "Split Horizons" leaves routes out instead of poisoning them
    bool timeoutOnly = false; // a break tells nobody: routes through it time out
    int holdDownSeconds = kHoldDownSeconds;

    bool Any() const {
        return infinity || periodic || triggered || holdDown || simpleSplit || timeoutOnly;
    }
    bool operator==(const RipSwitches&) const = default;
};

// RIP over the whole window: the switches and the schedule of periodic and triggered updates,
// part of the window's state so that undo takes it along. Times are ticks of RIP's own clock.
struct RipState {
    RipSwitches on;
    long clock = 0; // ticks run while RIP's rules were on
    std::array<long, kRouterCount> nextPeriodic{};
    std::array<long, kRouterCount> nextTriggered{}; // the earliest a triggered update may go
    // Rows changed since the router last sent them, bit k for row k.
    std::array<std::uint8_t, kRouterCount> changed{};
    // Each router's rows as last compared, to see which changed. Left without braces: the rows
    // start as their own initialisers say, and clang 14 crashes on braces round an array this
    // deep in a struct made as a local variable.
    std::array<std::array<RouteRow, Router::kRows>, kRouterCount> seen;
    // [sender][receiver]: the rows of a table waiting for its link direction, bit k for row k.
    std::array<std::array<std::uint8_t, kRouterCount>, kRouterCount> queued{};
    bool operator==(const RipState&) const = default;
};
