#include "packets/PacketLauncher.h"

#include "common/Letters.h"
#include "common/NumberText.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "form/Platform.h"

static_assert(PacketLauncher::kLastSlot == kPacketSlots - 1);

void PacketLauncher::ShowOutOfPackets() {
    // While the box is open no tick may start: the view's timer keeps firing inside its loop.
    const bool wasOpen = runtime_.MessageOpen;
    runtime_.MessageOpen = true;
    platform_.ShowMessage(kOutOfPackets);
    runtime_.MessageOpen = wasOpen;
}

int PacketLauncher::TakeSlot(bool& exhausted) {
    int slot = 0;
    while (form_.shpPacket[slot].visible && slot < kLastSlot) {
        ++slot;
    }
    exhausted = slot == kLastSlot;
    if (exhausted) {
        ShowOutOfPackets();
    }
    return slot;
}

PacketRecord PacketLauncher::PlaceOnHop(ShapeControl& marker, std::string_view kind,
                                        int destination, int from, int to) const {
    marker.left = form_.XS[from][to] - marker.width / 2;
    marker.top = form_.YS[from][to] - marker.height / 2;
    return PacketRecord::Start(
        kind, destination, to, from,
        NumberText((form_.XE[from][to] - form_.XS[from][to]) / double{kStepsPerHop}),
        NumberText((form_.YE[from][to] - form_.YS[from][to]) / double{kStepsPerHop}));
}

void PacketLauncher::SendTablePacket(int p, int q, std::int16_t cost) {
    std::string request = "Z:" + NumberText(cost) + ":" + RouterLetter(p);
    if (form_.SplitHorizon) {
        request += ":" + RouterLetter(q);
    }
    SendTable(p, q, cost, request);
}

bool PacketLauncher::HasFreeSlot() const {
    for (int slot = 0; slot < kLastSlot; ++slot) {
        if (!form_.shpPacket[slot].visible) {
            return true;
        }
    }
    return false;
}

void PacketLauncher::SendTable(int p, int q, std::int16_t cost, const std::string& request) {
    bool exhausted = false;
    const int slot = TakeSlot(exhausted);
    ShapeControl& marker = form_.shpPacket[slot];
    marker.visible = true;
    // A table packet keeps the size and border width its slot last had.
    const PacketRecord record = PlaceOnHop(marker, PacketRecord::kTable, q, p, q);
    marker.borderColour = form_.RouterColour[q];
    marker.fillColour = Layout::kWhite;
    runtime_.WriteTable(p, request);
    const std::string reply = runtime_.ReadTable(p);
    form_.Label2.caption = reply;
    form_.PacketPayload[slot] = reply;
    form_.PacketLinkCost[slot] = cost;
    marker.tag = record.Text();
}

void PacketLauncher::SendDataPacket(int p, int q) {
    if (p < 0 || q < 0 || p >= kNetworkCount || q >= kNetworkCount) {
        return;
    }
    bool exhausted = false;
    ShapeControl& marker = form_.shpPacket[TakeSlot(exhausted)];
    marker.visible = true;
    const LineControl& drop = form_.drop[p];
    // Placed with the size the slot had, then resized: the centre is off by the difference.
    marker.left = static_cast<float>(drop.x1) - marker.width / 2;
    marker.top = static_cast<float>(drop.y1) - marker.height / 2;
    marker.borderColour = form_.RouterColour[p];
    marker.fillColour = form_.RouterColour[q];
    marker.tag = PacketRecord::Start(
                     PacketRecord::kUp, q, p, p,
                     NumberTextSingle(static_cast<float>(drop.x2 - drop.x1) / float{kStepsPerHop}),
                     NumberTextSingle(static_cast<float>(drop.y2 - drop.y1) / float{kStepsPerHop}))
                     .Text();
    marker.borderWidth = Layout::kThinBorder;
    marker.height = Layout::kSmallPacket;
    marker.width = Layout::kSmallPacket;
    form_.Label2.caption = marker.tag;
}

bool PacketLauncher::ForwardPacket(int p, int q, int r) {
    bool exhausted = false;
    ShapeControl& marker = form_.shpPacket[TakeSlot(exhausted)];
    marker.visible = true;
    const PacketRecord record = PlaceOnHop(marker, PacketRecord::kRouted, r, p, q);
    marker.borderColour = form_.RouterColour[q];
    marker.fillColour = form_.RouterColour[r];
    marker.borderWidth = Layout::kPacketBorderWidth;
    marker.height = Layout::kSmallPacket;
    marker.width = Layout::kSmallPacket;
    marker.tag = record.Text();
    form_.Label2.caption = marker.tag;
    return exhausted;
}
