#pragma once

#include "common/Letters.h"
#include "form/Controls.h"

#include <array>

// The window's design: every fixed position, size, colour and caption, written once. The window
// state is built from these tables and the topology is read from them.
namespace Layout {

inline constexpr int kClientWidth = 12330;
inline constexpr int kClientHeight = 8745;
inline constexpr const char* kCaption = "Pelko's Hopscape Demo";

// Command3's captions: the caption is the only record of whether the animation is paused.
inline constexpr const char* kPause = "Pause";
inline constexpr const char* kResume = "Resume";
// Command2's captions: "Stop" while continuous sending is on.
inline constexpr const char* kMany = "Many";
inline constexpr const char* kStop = "Stop";

// The scenario list's items, in order. The second is the random scenario that never sends a
// packet straight back where it came from.
inline constexpr std::array<const char*, 7> kScenarioNames{
    "Random 1",      "Random 1 No Reverse", "Flooding 1", "Example 1",
    "Three Routers", "Four Routers",        "Everything"};
inline constexpr const char* kNoReverseScenario = kScenarioNames[1];

inline constexpr int kGrey = 0x808080;
inline constexpr int kRed = 0x0000FF;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kMarkerGreen = 0x008000;

struct RouterPlace {
    int colour;
    int left, top;           // btnRouter and Shape1, both kRouterWidth x kRouterHeight
    int panelLeft, panelTop; // RouterTable
};
inline constexpr int kRouterWidth = 1095;
inline constexpr int kRouterHeight = 615;
inline constexpr int kRouterBorderWidth = 8; // Shape1
inline constexpr std::array<RouterPlace, kRouterCount> kRouters{{
    {0xFFC0C0, 1680, 3120, 840, 360},
    {0xFFFFC0, 4680, 3360, 4080, 480},
    {0xC0FFC0, 1680, 4920, 960, 5640},
    {0xC0E0FF, 4800, 4920, 5160, 5760},
    {0xFFC0FF, 8640, 3360, 9960, 2280},
    {0xC0C0FF, 8280, 5400, 9600, 5280},
}};

inline constexpr int kDropWidth = 4;
struct NetworkPlace {
    Box button;         // btnNetwork
    int x1, y1, x2, y2; // drop: network end to router end
};
inline constexpr std::array<NetworkPlace, kNetworkCount> kNetworks{{
    {{460, 3360, 195, 735}, 600, 3720, 1680, 3360},
    {{6580, 2400, 195, 735}, 6600, 2760, 5760, 3360},
    {{460, 4800, 195, 615}, 600, 5040, 1680, 5160},
    {{3720, 6580, 735, 195}, 3960, 6600, 4800, 5520},
    {{8760, 2560, 975, 195}, 9240, 2640, 9240, 3360},
    {{8400, 6820, 735, 195}, 8760, 6840, 8760, 6000},
}};

// lblNet: the label index is not the network index for b/c and e/f.
struct NetLabelPlace {
    int left, top, width;
    const char* caption;
};
inline constexpr int kNetLabelHeight = 495;
inline constexpr std::array<NetLabelPlace, kNetworkCount> kNetLabels{{
    {720, 3600, 495, "a"},
    {720, 4680, 495, "c"},
    {6240, 2400, 615, "b"},
    {3840, 6720, 495, "d"},
    {8520, 6960, 495, "f"},
    {8880, 2160, 495, "e"},
}};

// Shape2: green end markers, two per network bar; the first kFlatMarkers lie flat (kMarkerLong
// wide, kMarkerShort high), the rest stand upright.
inline constexpr int kEndMarkerCount = 12;
inline constexpr int kFlatMarkers = 6;
inline constexpr int kMarkerLong = 375;
inline constexpr int kMarkerShort = 135;
inline constexpr std::array<std::array<int, 2>, kEndMarkerCount> kMarkers{{
    {360, 3240},
    {360, 4080},
    {360, 4680},
    {360, 5400},
    {6480, 2280},
    {6480, 3120},
    {4440, 6480},
    {3600, 6480},
    {8640, 2480},
    {9720, 2480},
    {8280, 6720},
    {9120, 6720},
}};

// The fifteen router pairs in alphabetical order (AB, AC, ..., EF). Usable links have a break
// button and two cost labels: `forward` for first-to-second, `backward` for second-to-first.
inline constexpr int kLinkCount = 15;      // every router pair
inline constexpr int kBreakCount = 10;     // usable links, one break button each
inline constexpr int kCostLabelCount = 20; // usable links, one cost label per direction
struct LinkPlace {
    int x1, y1, x2, y2;
    bool usable;
    int breakButton;
    int forward;
    int backward;
};
inline constexpr std::array<LinkPlace, kLinkCount> kLinks{{
    {2760, 3360, 4680, 3600, true, 0, 0, 3},     // AB
    {2160, 3720, 2160, 4920, true, 1, 2, 8},     // AC
    {2760, 3720, 4800, 4920, true, 2, 1, 11},    // AD
    {2760, 3480, 8640, 3720, false, -1, -1, -1}, // AE
    {2760, 3600, 8280, 5520, false, -1, -1, -1}, // AF
    {4680, 3960, 2760, 4920, true, 3, 4, 9},     // BC
    {5160, 3960, 5400, 4920, true, 4, 5, 12},    // BD
    {5760, 3600, 8640, 3600, true, 5, 6, 15},    // BE
    {5760, 3960, 8280, 5400, true, 6, 7, 17},    // BF
    {2760, 5160, 4800, 5160, true, 7, 10, 13},   // CD
    {2760, 5040, 8640, 3840, false, -1, -1, -1}, // CE
    {2760, 5280, 8280, 5880, false, -1, -1, -1}, // CF
    {5880, 4920, 8760, 3960, false, -1, -1, -1}, // DE
    {5880, 5040, 8280, 5640, true, 8, 14, 18},   // DF
    {9240, 3960, 8880, 5400, true, 9, 16, 19},   // EF
}};
inline constexpr int kLinkWidth = 4;

struct CostLabelPlace {
    int left, top;
    const char* designText;
};
inline constexpr int kCostLabelWidth = 405;
inline constexpr int kCostLabelHeight = 375;
inline constexpr std::array<CostLabelPlace, kCostLabelCount> kCostLabels{{
    {4200, 3240, "3"}, {4320, 4560, "5"}, {1800, 4440, "1"}, {2880, 3120, "3"}, {2760, 4560, "2"},
    {5400, 4440, "7"}, {8160, 3360, "1"}, {7920, 5040, "2"}, {2160, 3720, "1"}, {4200, 3840, "2"},
    {4320, 5160, "1"}, {2760, 3720, "5"}, {4800, 3960, "7"}, {2880, 5160, "1"}, {7800, 5520, "8"},
    {5880, 3360, "1"}, {8880, 5040, "1"}, {5880, 3840, "2"}, {6000, 5160, "8"}, {9240, 4080, "1"},
}};

inline constexpr int kBreakWidth = 255;
inline constexpr int kBreakHeight = 195;
inline constexpr std::array<std::array<int, 2>, kBreakCount> kBreakButtons{{
    {3480, 3360},
    {2040, 4200},
    {3360, 4080},
    {3480, 4440},
    {5160, 4320},
    {7200, 3480},
    {6840, 4560},
    {3720, 5040},
    {6960, 5280},
    {8960, 4560},
}};

// Packet markers: parked at kPacketPark while free. A table packet or a packet forwarded in its
// own slot is kPacketSize across with a border of kPacketBorderWidth; a data packet leaving its
// network or running down to it is kSmallPacket across with a thin border, and so is a flooding
// copy (with the thick border).
inline constexpr int kPacketSize = 500;
inline constexpr int kSmallPacket = 450;
inline constexpr Box kPacketPark{11040, 360, kPacketSize, kPacketSize};
inline constexpr int kPacketBorderWidth = 6;
inline constexpr int kThinBorder = 1;

// The status line's caption at start, the design's own.
inline constexpr const char* kStatusAtStart = "Label2";

inline constexpr double kCommandPoints = 12;
inline constexpr double kLargePoints = 16.5;
inline constexpr double kNotePoints = 9.75; // the extras' small print
inline constexpr Box kCommand1{6480, 960, 1215, 495};
inline constexpr Box kCommand2{7920, 960, 1215, 495};
inline constexpr Box kCommand3{9360, 960, 1215, 495};
inline constexpr Box kCommand7{6480, 1560, 1215, 495};
inline constexpr Box kCommand5{7920, 1560, 1215, 495};
inline constexpr Box kCommand4{9360, 1560, 1215, 495};
inline constexpr Box kSplitBox{10680, 1500, 1635, 615};
inline constexpr Box kScenarioList{6480, 240, 4095, 0};
inline constexpr Box kStatusLine{8160, 8160, 4095, 375};
// A lesson's caption, in a strip under the drawing while a lesson runs (the window grows by
// it, the drawing keeps its scale): the caption large, and below it which step this is, in a
// smaller print. Colours are 0xBBGGRR.
inline constexpr int kCaptionHeight = 1200;
// The row of keys added under the strip while a question is asked: what a touch screen answers
// with.
inline constexpr int kPadHeight = 480;
inline constexpr double kCaptionPoints = 18;
inline constexpr double kCaptionStepPoints = 10.5;
inline constexpr double kCaptionDetailPoints = 10.5;
inline constexpr int kCaptionBack = 0x302020;
inline constexpr int kCaptionText = 0xFFFFFF;
inline constexpr int kCaptionStepText = 0xC8C8C8;
// The small "?" that opens the help, in the free corner at the bottom left.
inline constexpr Box kHelpButton{120, 8265, 360, 360};
// The strip beside the drawing that magnified tables take, in the drawing's twips.
inline constexpr int kMagnifiedStrip = 3600;
// The convergence meter, an extra, in the free corner above the check box.
inline constexpr Box kMeter{10680, 240, 1635, 1200};

} // namespace Layout
