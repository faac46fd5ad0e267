#pragma once

#include "app/IdleTimer.h"
#include "common/Letters.h"
#include "common/RandomSource.h"
#include "form/FormState.h"
#include "form/Layout.h"

#include <array>
#include <string>

class MainForm;

// A demonstration as it is saved and opened: everything that makes the running window what it
// is (the scenario, costs, links, switches, tables, packets in flight with their records, the
// status line, the picks, the countdown), the lesson's speed and tick, and where the random
// source stands. What follows from the scenario (what is shown, how data is routed) and from the
// layout is not kept: it is set up again.
struct Snapshot {
    struct Panel {
        std::array<RouteRow, Router::kRows> rows;
        std::array<RouteClock, Router::kRows> clocks{};
        int height = 0;
        std::string reply;
        long clock = 0;
        bool operator==(const Panel&) const = default;
    };
    // A packet slot: its marker as the window has it (the record is the marker's tag), and
    // what the slot carries beside it.
    struct Packet {
        ShapeControl marker;
        std::string payload;
        int linkCost = 0;
        bool operator==(const Packet&) const = default;
    };

    std::string scenario;
    std::array<std::string, Layout::kCostLabelCount> costs;
    std::array<bool, Layout::kBreakCount> broken{}; // by break button
    int split = 0;                                  // the check box: 0, 1 ticked, 2 grey
    bool paused = false;
    bool many = false;
    std::string status;
    int start = 0;
    int end = 0;
    bool routerStarted = false;
    bool networkStarted = false;
    int countdown = 0;
    long tick = 0;
    IdleTimer::Speed speed = IdleTimer::Speed::Normal;
    RandomSource::Position random;
    RipState rip;
    std::array<Panel, kRouterCount> routers;
    std::array<Packet, kPacketSlots> packets;

    // The demonstration the window shows now, at the speed given.
    static Snapshot Capture(const MainForm& form, IdleTimer::Speed speed);
    // Makes the window show this demonstration, exactly (the speed is the lesson's to set).
    void ApplyTo(MainForm& form) const;
    bool operator==(const Snapshot&) const = default;
};
