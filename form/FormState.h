#pragma once

#include "common/Letters.h"
#include "form/Controls.h"
#include "form/Layout.h"
#include "form/RipState.h"
#include "router/RouterPanel.h"

#include <array>
#include <cstdint>
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
// state; start-up brings it into its first running state. Plain data: a copy is a snapshot of
// the whole window, packets in flight included (see FormRuntime for what is not).
class FormState {
public:
    explicit FormState(RandomSource& random);

    // The line of the link between two routers (any order).
    LineControl& Link(int a, int b);
    const LineControl& Link(int a, int b) const;
    // Whether a usable link joins two routers and is up: its line shown and grey.
    bool LinkUp(int a, int b) const;
    // The cost a table from sender to receiver is charged: its cost label's number, halves to
    // even.
    std::int16_t CostOf(int sender, int receiver) const;

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
    // The link cost each table packet was charged when it was sent, for telling what it carried.
    std::array<std::int16_t, kPacketSlots> PacketLinkCost{};
    RipState Rip;
};
