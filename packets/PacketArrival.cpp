#include "packets/PacketArrival.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Layout.h"
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
constexpr std::array<RuleList, kRouterCount> kRandomRules{{
    {{{65, 'B'}, {35, 'C'}, {-1, 'D'}, {-1, 0}}},
    {{{75, 'A'}, {50, 'C'}, {25, 'D'}, {-1, 'E'}}},
    {{{65, 'A'}, {35, 'B'}, {-1, 'D'}, {-1, 0}}},
    {{{75, 'A'}, {50, 'B'}, {25, 'C'}, {-1, 'F'}}},
    {{{50, 'B'}, {-1, 'F'}, {-1, 0}, {-1, 0}}},
    {{{50, 'E'}, {-1, 'D'}, {-1, 0}, {-1, 0}}},
}};
// Each try moves the draw on by this much, wrapping from above 100 back into 1 to 100.
constexpr int kDrawRange = 100;
constexpr int kDrawStride = 35;
constexpr char kNoChoice = 'Z';

// Flooding: every neighbour, in this order.
constexpr std::array<const char*, kRouterCount> kFloodNeighbours{"BCD",  "ACDE", "ABD",
                                                                 "ABCF", "BF",   "DE"};

// A route query's next hop: exactly one router letter, or -1.
int NextHopRouter(const std::string& text) {
    return text.size() == 1 ? RouterIndex(text) : -1;
}

} // namespace

bool PacketArrival::Usable(int a, int b) const {
    return form_.Link(a, b).colour != Layout::kRed;
}

bool PacketArrival::FromNeighbour(const PacketRecord& record) const {
    if (!form_.Rip.on.Any()) {
        return true;
    }
    const int sender = RouterIndex(record.hopStart);
    const int receiver = RouterIndex(record.destination);
    if (sender < 0 || sender == receiver) {
        return false;
    }
    const LineControl& link = form_.Link(sender, receiver);
    return form_.btnRouter[sender].visible && link.visible && link.colour != Layout::kRed;
}

void PacketArrival::Drop(int slot) {
    form_.shpPacket[slot].visible = false;
}

void PacketArrival::Arrive(int slot, const PacketRecord& record) {
    const int here = RouterIndex(record.hopEnd);
    const int destination = RouterIndex(record.destination);
    if (record.kind == PacketRecord::kDelivery) {
        Drop(slot);
        return;
    }
    if (record.kind == PacketRecord::kTable) {
        Drop(slot);
        if (destination >= 0 && FromNeighbour(record)) {
            runtime_.WriteTable(destination, form_.PacketPayload[slot], form_.PacketLinkCost[slot]);
        }
        return;
    }
    if (here < 0 || destination < 0) {
        // A record that names no router cannot be routed anywhere: the packet is dropped.
        Drop(slot);
        return;
    }
    if (record.destination == record.hopEnd) {
        Deliver(slot, destination);
        return;
    }
    ShapeControl& marker = form_.shpPacket[slot];
    marker.borderWidth = Layout::kPacketBorderWidth;
    marker.height = Layout::kPacketSize;
    marker.width = Layout::kPacketSize;
    if (form_.RandomMode) {
        RouteAtRandom(slot, record, here);
    } else if (form_.FloodMode) {
        Drop(slot);
        Flood(record, here, destination);
    } else {
        RouteByTable(slot, record, here);
    }
}

void PacketArrival::Deliver(int slot, int destination) {
    ShapeControl& marker = form_.shpPacket[slot];
    const LineControl& drop = form_.drop[destination];
    constexpr float kSteps = PacketLauncher::kStepsPerHop;
    marker.borderWidth = Layout::kThinBorder;
    marker.height = Layout::kSmallPacket;
    marker.width = Layout::kSmallPacket;
    marker.tag =
        PacketRecord::Start(PacketRecord::kDelivery, destination, destination, destination,
                            NumberTextSingle(static_cast<float>(drop.x1 - drop.x2) / kSteps),
                            NumberTextSingle(static_cast<float>(drop.y1 - drop.y2) / kSteps))
            .Text();
    marker.left = static_cast<float>(drop.x2) - marker.width / 2;
    marker.top = static_cast<float>(drop.y2) - marker.height / 2;
    marker.borderColour = form_.RouterColour[destination];
    form_.Label2.caption = marker.tag;
}

void PacketArrival::RouteByTable(int slot, const PacketRecord& record, int here) {
    runtime_.WriteTable(here, "Q:" + record.destination);
    const std::vector<std::string> reply = SplitFields(runtime_.ReadTable(here));
    const int next = reply.size() >= 2 && IsNumeric(reply[1]) ? NextHopRouter(reply[0]) : -1;
    if (next < 0) {
        // No route ("inf"), or an answer that names no neighbour: dropped silently.
        Drop(slot);
        return;
    }
    Reroute(slot, record, here, next);
}

void PacketArrival::RouteAtRandom(int slot, const PacketRecord& record, int here) {
    const bool noReverse = form_.cmbSims.text == Layout::kNoReverseScenario;
    char choice = kNoChoice;
    int r = static_cast<int>(kDrawRange * random_.Next());
    for (int tries = 0; choice == kNoChoice && tries < kRandomTries; ++tries) {
        r += kDrawStride;
        if (r > kDrawRange) {
            r -= kDrawRange;
        }
        for (const RandomRule& rule : kRandomRules[here]) {
            if (rule.next != 0 && r > rule.threshold && Usable(here, rule.next - 'A')) {
                choice = rule.next;
                break;
            }
        }
        if (noReverse && record.hopStart == std::string(1, choice)) {
            choice = kNoChoice;
        }
    }
    if (choice == kNoChoice) {
        Drop(slot);
        return;
    }
    Reroute(slot, record, here, choice - 'A');
}

void PacketArrival::Flood(const PacketRecord& record, int here, int destination) {
    bool ranOut = false;
    for (const char* n = kFloodNeighbours[here]; *n != 0; ++n) {
        const int neighbour = *n - 'A';
        if (record.hopStart != std::string(1, *n) && Usable(here, neighbour)) {
            ranOut = launcher_.ForwardPacket(here, neighbour, destination) || ranOut;
        }
    }
    if (ranOut) {
        for (ShapeControl& packet : form_.shpPacket) {
            packet.visible = false;
        }
    }
}

void PacketArrival::Reroute(int slot, const PacketRecord& record, int here, int next) {
    ShapeControl& marker = form_.shpPacket[slot];
    marker.tag =
        launcher_
            .PlaceOnHop(marker, PacketRecord::kRouted, RouterIndex(record.destination), here, next)
            .Text();
    marker.borderColour = form_.RouterColour[next];
    form_.Label2.caption = marker.tag;
}
