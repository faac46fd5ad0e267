#include "form/FormState.h"

#include "common/NumberText.h"
#include "form/Layout.h"
#include "form/Topology.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

ButtonControl Command(Box box, const char* caption) {
    ButtonControl button;
    button.box = box;
    button.caption = caption;
    button.fontPoints = Layout::kCommandPoints;
    return button;
}

} // namespace

FormState::FormState(RandomSource& random)
    : Caption(Layout::kCaption), ClientWidth(Layout::kClientWidth),
      ClientHeight(Layout::kClientHeight), RouterTable{RouterPanel(random), RouterPanel(random),
                                                       RouterPanel(random), RouterPanel(random),
                                                       RouterPanel(random), RouterPanel(random)},
      Command1(Command(Layout::kCommand1, "One")),
      Command2(Command(Layout::kCommand2, Layout::kMany)),
      Command3(Command(Layout::kCommand3, Layout::kPause)),
      Command4(Command(Layout::kCommand4, "Update")), Command5(Command(Layout::kCommand5, "Reset")),
      Command7(Command(Layout::kCommand7, "Kill")) {
    using namespace Layout;
    for (int i = 0; i < kRouterCount; ++i) {
        const RouterPlace& r = kRouters[i];
        btnRouter[i] = {{r.left, r.top, kRouterWidth, kRouterHeight},
                        RouterLetter(i),
                        r.colour,
                        kLargePoints,
                        true,
                        true};
        ShapeControl& shape = Shape1[i];
        shape.left = static_cast<float>(r.left);
        shape.top = static_cast<float>(r.top);
        shape.width = kRouterWidth;
        shape.height = kRouterHeight;
        shape.borderColour = kGrey;
        shape.borderWidth = kRouterBorderWidth;
        shape.fillColour = r.colour;

        const NetworkPlace& n = kNetworks[i];
        btnNetwork[i] = {n.button, "", r.colour, ButtonControl{}.fontPoints, false, true};
        drop[i] = {n.x1, n.y1, n.x2, n.y2, kGrey, kDropWidth, true};

        const NetLabelPlace& l = kNetLabels[i];
        lblNet[i] = {
            {l.left, l.top, l.width, kNetLabelHeight}, l.caption, kLargePoints, false, true, true};
    }
    for (int m = 0; m < kEndMarkerCount; ++m) {
        const bool flat = m < kFlatMarkers;
        ShapeControl& marker = Shape2[m];
        marker.left = static_cast<float>(kMarkers[m][0]);
        marker.top = static_cast<float>(kMarkers[m][1]);
        marker.width = flat ? kMarkerLong : kMarkerShort;
        marker.height = flat ? kMarkerShort : kMarkerLong;
        marker.fillColour = kMarkerGreen;
    }
    for (int k = 0; k < Topology::kLinkCount; ++k) {
        const LinkPlace& link = kLinks[k];
        // Lines that are never shown have no colour or width of their own.
        lne[k] = link.usable
                     ? LineControl{link.x1, link.y1, link.x2, link.y2, kGrey, kLinkWidth, true}
                     : LineControl{link.x1, link.y1, link.x2, link.y2, 0x000000, 1, false};
    }
    for (int c = 0; c < Topology::kCostLabelCount; ++c) {
        const CostLabelPlace& p = kCostLabels[c];
        lblCost[c] = {{p.left, p.top, kCostLabelWidth, kCostLabelHeight},
                      p.designText,
                      kLargePoints,
                      true,
                      true,
                      true};
    }
    for (int b = 0; b < Topology::kBreakCount; ++b) {
        cmdBreak[b].box = {kBreakButtons[b][0], kBreakButtons[b][1], kBreakWidth, kBreakHeight};
        cmdBreak[b].caption = " ";
    }
    for (ShapeControl& packet : shpPacket) {
        packet.left = static_cast<float>(kPacketPark.left);
        packet.top = static_cast<float>(kPacketPark.top);
        packet.width = static_cast<float>(kPacketPark.width);
        packet.height = static_cast<float>(kPacketPark.height);
        packet.borderWidth = kPacketBorderWidth;
        packet.fillColour = kRed;
    }
    chkSplit = {kSplitBox, "Split Horizons", kCommandPoints, 0};
    cmbSims.box = kScenarioList;
    cmbSims.fontPoints = kLargePoints;
    Label2 = {kStatusLine, kStatusAtStart, kCommandPoints, false, false, true};
}

bool FormState::LinkUp(int a, int b) const {
    if (Topology::CostLabel(a, b) < 0) {
        return false;
    }
    const LineControl& line = Link(a, b);
    return line.visible && line.colour == Layout::kGrey;
}

std::int16_t FormState::CostOf(int sender, int receiver) const {
    const double value =
        std::nearbyint(ReadNumber(lblCost[Topology::CostLabel(sender, receiver)].caption));
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(value, lo, hi));
}

LineControl& FormState::Link(int a, int b) {
    return lne[Topology::LinkIndex(a, b)];
}

const LineControl& FormState::Link(int a, int b) const {
    return lne[Topology::LinkIndex(a, b)];
}
