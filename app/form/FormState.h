#pragma once

#include "app/form/Controls.h"
#include "router/RouterPanel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class RandomSource;

// Link geometry: 7 x 7 whole numbers indexed (from router, to router); index 6 stays 0.
using GeometryTable = std::array<std::array<std::int16_t, 7>, 7>;

// Everything the main window holds: its controls, with their captions, colours and visibility
// doubling as data, the six router panels and the window-level variables. Built in its design
// state; start-up brings it into its first running state.
class FormState {
public:
    explicit FormState(RandomSource& random);

    // Writes a router message to panel i's Table; every part of the window reaches routers here.
    bool WriteTable(int router, std::string_view message);
    const std::string& ReadTable(int router) const { return RouterTable[router].Table(); }
    // Observer of every router message, for tracing; unset in normal use.
    std::function<void(int router, std::string_view message)> routerMessageObserver;

    // The line of the link between two routers (any order).
    LineControl& Link(int a, int b);
    const LineControl& Link(int a, int b) const;

    std::string Caption;
    int ClientWidth;
    int ClientHeight;

    std::array<ButtonControl, 6> btnRouter;
    std::array<ShapeControl, 6> Shape1;
    std::array<RouterPanel, 6> RouterTable;
    std::array<ButtonControl, 6> btnNetwork;
    std::array<LineControl, 6> drop;
    std::array<LabelControl, 6> lblNet;
    std::array<ShapeControl, 12> Shape2;
    std::array<LineControl, 15> lne; // by link index: lneAB, lneAC, ..., lneEF
    std::array<LabelControl, 20> lblCost;
    std::array<ButtonControl, 10> cmdBreak;
    std::array<ShapeControl, 51> shpPacket;
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

    std::array<int, 6> RouterColour{};
    bool SplitHorizon = false;
    bool RandomMode = false;
    bool FloodMode = false;
    bool ManyMode = false;
    GeometryTable XS{};
    GeometryTable YS{};
    GeometryTable XE{};
    GeometryTable YE{};

    std::array<std::string, 51> PacketPayload;
    std::int16_t StartIndex = 0;
    std::int16_t EndIndex = 0;
    bool RouterStartChosen = false;
    bool NetworkStartChosen = false;
    std::int16_t LaunchCountdown = 0;

    // True while the modal out-of-packets message is open, and while a tick runs: no tick may
    // start inside either.
    bool MessageOpen = false;
    bool TickRunning = false;
};
