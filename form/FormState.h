#pragma once

#include "common/Letters.h"
#include "form/Controls.h"
#include "form/Layout.h"
#include "router/RouterPanel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class RandomSource;

// The packet markers: slots of the packet pool, busy while visible.
inline constexpr int kPacketSlots = 51;

// Link geometry: whole numbers indexed (from router, to router), one index more than there are
// routers; the last index stays 0.
inline constexpr int kGeometrySize = kRouterCount + 1;
using GeometryTable = std::array<std::array<std::int16_t, kGeometrySize>, kGeometrySize>;

// Everything the main window holds: its controls, with their captions, colours and visibility
// doubling as data, the six router panels and the window-level variables. Built in its design
// state; start-up brings it into its first running state.
class FormState {
public:
    explicit FormState(RandomSource& random);

    // Writes a router message to panel i's Table; every part of the window reaches routers here.
    bool WriteTable(int router, std::string_view message);
    const std::string& ReadTable(int router) const { return RouterTable[router].Table(); }
    // Told of every router message once the router has acted on it, with the router's rows as
    // they were before: for the message log and the highlighting of changed rows.
    std::function<void(int router, std::string_view message,
                       const std::array<RouteRow, Router::kRows>& before)>
        routerMessageObserver;

    // The line of the link between two routers (any order).
    LineControl& Link(int a, int b);
    const LineControl& Link(int a, int b) const;

    std::string Caption;
    int ClientWidth;
    int ClientHeight;

    std::array<ButtonControl, kRouterCount> btnRouter;
    std::array<ShapeControl, kRouterCount> Shape1;
    std::array<RouterPanel, kRouterCount> RouterTable;
    std::array<ButtonControl, kNetworkCount> btnNetwork;
    std::array<LineControl, kNetworkCount> drop;
    std::array<LabelControl, kNetworkCount> lblNet;
    std::array<ShapeControl, Layout::kEndMarkerCount> Shape2;
    std::array<LineControl, Layout::kLinkCount> lne; // by link index: lneAB, lneAC, ..., lneEF
    std::array<LabelControl, Layout::kCostLabelCount> lblCost;
    std::array<ButtonControl, Layout::kBreakCount> cmdBreak;
    std::array<ShapeControl, kPacketSlots> shpPacket;
    ButtonControl Command1;
    ButtonControl Command2;
    ButtonControl Command3;
    ButtonControl Command4;
    ButtonControl Command5;
    ButtonControl Command7;
    CheckControl chkSplit;
    ComboControl cmbSims;
    LabelControl Label2;
    TimerControl MoveTimer;

    std::array<int, kRouterCount> RouterColour{};
    bool SplitHorizon = false;
    bool RandomMode = false;
    bool FloodMode = false;
    bool ManyMode = false;
    GeometryTable XS{};
    GeometryTable YS{};
    GeometryTable XE{};
    GeometryTable YE{};

    std::array<std::string, kPacketSlots> PacketPayload;
    std::int16_t StartIndex = 0;
    std::int16_t EndIndex = 0;
    bool RouterStartChosen = false;
    bool NetworkStartChosen = false;
    std::int16_t LaunchCountdown = 0;
    // Ticks since start-up, run or slept through by an idle timer: the message log's clock.
    long TickNumber = 0;

    // True while the modal out-of-packets message is open, and while a tick runs: no tick may
    // start inside either.
    bool MessageOpen = false;
    bool TickRunning = false;
};
