#include "BenchSupport.h"

#include "common/Letters.h"
#include "common/NumberText.h"

#include <vector>

void BenchForm::PlaceOnHop(int slot, const std::string& kind, int destination, int p, int q,
                           int count) {
    FormState& s = form.State();
    ShapeControl& marker = s.shpPacket[slot];
    const double dx = (s.XE[p][q] - s.XS[p][q]) / 24.0;
    const double dy = (s.YE[p][q] - s.YS[p][q]) / 24.0;
    marker.visible = true;
    marker.width = marker.height = 500;
    marker.borderWidth = 6;
    marker.borderColour = s.RouterColour[q];
    marker.fillColour = s.RouterColour[destination];
    marker.left = static_cast<float>(s.XS[p][q] + dx * count - 250);
    marker.top = static_cast<float>(s.YS[p][q] + dy * count - 250);
    marker.tag = (count == 0 ? std::string("0") : NumberText(count)) + ":" + kind + ":" +
                 RouterLetter(destination) + ":" + RouterLetter(q) + ":" + RouterLetter(p) + ":" +
                 NumberText(dx) + ":" + NumberText(dy);
}

void BenchForm::FillWithLoopingPackets() {
    Choose("Example 1");
    form.Runtime().WriteTable(0, "R:0:B:inf:inf:inf:inf:inf: 2");
    form.Runtime().WriteTable(1, "R:0:A:inf:inf:inf:inf:inf: 2");
    for (int slot = 0; slot < 51; ++slot) {
        const bool there = slot % 2 == 0;
        PlaceOnHop(slot, "R", 5, there ? 0 : 1, there ? 1 : 0, slot % 26);
    }
}

namespace {

// The next hop of each router (A to F) for each destination network (a to f): never the
// destination's own router, so that a packet circles for ever; "-" for the destination itself.
// Together the six cover all twenty directions of the ten links.
constexpr std::array<const char*, kNetworkCount> kEndlessRoutes{"-FBFFE", "C-DAFD", "BE-BBB",
                                                                "CAA-BB", "DDBA-D", "DCDCB-"};

} // namespace

void BenchForm::FillWithSpreadPackets() {
    Choose("Everything");
    FormState& s = form.State();
    for (int r = 0; r < kRouterCount; ++r) {
        form.Runtime().WriteTable(r, "I:0:A:inf:inf:inf:inf:inf:inf");
        // One table update from each neighbour that is the next hop for some networks.
        for (int n = 0; n < kRouterCount; ++n) {
            std::string update = "R:0:" + RouterLetter(n);
            bool any = false;
            for (int x = 0; x < kNetworkCount; ++x) {
                const bool via = kEndlessRoutes[x][r] == 'A' + n;
                update += via ? ": 1" : ":inf";
                any = any || via;
            }
            if (any) {
                form.Runtime().WriteTable(r, update);
            }
        }
    }
    std::vector<std::array<int, 3>> hops; // from, to, a destination routed that way
    for (int p = 0; p < kRouterCount; ++p) {
        for (int q = 0; q < kRouterCount; ++q) {
            for (int x = 0; x < kNetworkCount; ++x) {
                if (kEndlessRoutes[x][p] == 'A' + q) {
                    hops.push_back({p, q, x});
                    break;
                }
            }
        }
    }
    for (int slot = 0; slot < kPacketSlots; ++slot) {
        const auto& [p, q, x] = hops[slot % hops.size()];
        PlaceOnHop(slot, "R", x, p, q, (slot * 7) % 25);
    }
    spread_ = s.shpPacket;
}

void BenchForm::Respread() {
    form.State().shpPacket = spread_;
}
