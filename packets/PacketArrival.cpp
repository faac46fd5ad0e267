#include "packets/PacketArrival.h"

#include "app/form/FormState.h"
#include "app/form/Layout.h"
#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "packets/PacketLauncher.h"

#include <array>

namespace {

// Random routing: a rule picks its neighbour when the draw r is above its threshold (-1: any r)
// and the link to it is usable; the first rule that holds wins.
struct RandomRule {
    int threshold;
    char next;
};
using RuleList = std::array<RandomRule, 4>;
constexpr std::array<RuleList, 6> kRandomRules{{
    {{{65, 'B'}, {35, 'C'}, {-1, 'D'}, {-1, 0}}},
    {{{75, 'A'}, {50, 'C'}, {25, 'D'}, {-1, 'E'}}},
    {{{65, 'A'}, {35, 'B'}, {-1, 'D'}, {-1, 0}}},
    {{{75, 'A'}, {50, 'B'}, {25, 'C'}, {-1, 'F'}}},
    {{{50, 'B'}, {-1, 'F'}, {-1, 0}, {-1, 0}}},
    {{{50, 'E'}, {-1, 'D'}, {-1, 0}, {-1, 0}}},
}};

// Flooding: every neighbour, in this order.
constexpr std::array<const char*, 6> kFloodNeighbours{"BCD", "ACDE", "ABD", "ABCF", "BF", "DE"};

// A route query's next hop: exactly one router letter, or -1.
int NextHopRouter(const std::string& text) {
    return text.size() == 1 ? RouterIndex(text) : -1;
}

} // namespace

bool PacketArrival::Usable(int a, int b) const {
    return form_.Link(a, b).colour != Layout::kRed;
}

void PacketArrival::Arrive(int slot, const std::vector<std::string>& fields) {
    ShapeControl& marker = form_.shpPacket[slot];
    const std::string& kind = fields[1];
    const int here = RouterIndex(fields[3]);
    const int destination = RouterIndex(fields[2]);
    if (kind == "D") {
        marker.visible = false;
        return;
    }
    if (kind == "T") {
        marker.visible = false;
        if (destination >= 0) {
            form_.WriteTable(destination, form_.PacketPayload[slot]);
        }
        return;
    }
    if (here < 0 || destination < 0) {
        // A record that names no router cannot be routed anywhere: the packet is dropped.
        marker.visible = false;
        return;
    }
    if (fields[2] == fields[3]) {
        Deliver(slot, destination);
        return;
    }
    marker.borderWidth = 6;
    marker.height = 500;
    marker.width = 500;
    if (form_.RandomMode) {
        RouteAtRandom(slot, fields, here);
    } else if (form_.FloodMode) {
        Flood(slot, fields, here, destination);
    } else {
        RouteByTable(slot, fields, here);
    }
}

void PacketArrival::Deliver(int slot, int destination) {
    ShapeControl& marker = form_.shpPacket[slot];
    const LineControl& drop = form_.drop[destination];
    marker.borderWidth = 1;
    marker.height = 450;
    marker.width = 450;
    marker.tag =
        PacketLauncher::Record("D", destination, destination, destination,
                               NumberTextSingle(static_cast<float>(drop.x1 - drop.x2) / 24.0f),
                               NumberTextSingle(static_cast<float>(drop.y1 - drop.y2) / 24.0f));
    marker.left = static_cast<float>(drop.x2) - marker.width / 2;
    marker.top = static_cast<float>(drop.y2) - marker.height / 2;
    marker.borderColour = form_.RouterColour[destination];
    form_.Label2.caption = marker.tag;
}

void PacketArrival::RouteByTable(int slot, const std::vector<std::string>& fields, int here) {
    form_.WriteTable(here, "Q:" + fields[2]);
    const std::vector<std::string> reply = SplitFields(form_.ReadTable(here));
    const int next = reply.size() >= 2 && IsNumeric(reply[1]) ? NextHopRouter(reply[0]) : -1;
    if (next < 0) {
        // No route ("inf"), or an answer that names no neighbour: dropped silently.
        form_.shpPacket[slot].visible = false;
        return;
    }
    Reroute(slot, fields, here, next);
}

void PacketArrival::RouteAtRandom(int slot, const std::vector<std::string>& fields, int here) {
    const bool noReverse = form_.cmbSims.text == kNoReverse;
    char choice = 'Z';
    int r = static_cast<int>(100 * random_.Next());
    for (int tries = 0; choice == 'Z' && tries < 20; ++tries) {
        r += 35;
        if (r > 100) {
            r -= 100;
        }
        choice = 'Z';
        for (const RandomRule& rule : kRandomRules[here]) {
            if (rule.next != 0 && r > rule.threshold && Usable(here, rule.next - 'A')) {
                choice = rule.next;
                break;
            }
        }
        if (noReverse && fields[4] == std::string(1, choice)) {
            choice = 'Z';
        }
    }
    if (choice == 'Z') {
        form_.shpPacket[slot].visible = false;
        return;
    }
    Reroute(slot, fields, here, choice - 'A');
}

void PacketArrival::Flood(int slot, const std::vector<std::string>& fields, int here,
                          int destination) {
    form_.shpPacket[slot].visible = false;
    bool ranOut = false;
    for (const char* n = kFloodNeighbours[here]; *n != 0; ++n) {
        const int neighbour = *n - 'A';
        if (fields[4] != std::string(1, *n) && Usable(here, neighbour)) {
            ranOut = launcher_.ForwardPacket(here, neighbour, destination) || ranOut;
        }
    }
    if (ranOut) {
        for (ShapeControl& packet : form_.shpPacket) {
            packet.visible = false;
        }
    }
}

void PacketArrival::Reroute(int slot, const std::vector<std::string>& fields, int here, int next) {
    ShapeControl& marker = form_.shpPacket[slot];
    marker.tag =
        PacketLauncher::Record("R", RouterIndex(fields[2]), next, here,
                               NumberText((form_.XE[here][next] - form_.XS[here][next]) / 24.0),
                               NumberText((form_.YE[here][next] - form_.YS[here][next]) / 24.0));
    marker.left = form_.XS[here][next] - marker.width / 2;
    marker.top = form_.YS[here][next] - marker.height / 2;
    marker.borderColour = form_.RouterColour[next];
    form_.Label2.caption = marker.tag;
}
