#include "packets/PacketLauncher.h"

#include "app/form/FormState.h"
#include "app/form/Layout.h"
#include "app/form/Platform.h"
#include "common/Letters.h"
#include "common/NumberText.h"

std::string PacketLauncher::Record(const std::string& kind, int destination, int hopEnd,
                                   int hopStart, const std::string& stepX,
                                   const std::string& stepY) {
    return "0:" + kind + ":" + RouterLetter(destination) + ":" + RouterLetter(hopEnd) + ":" +
           RouterLetter(hopStart) + ":" + stepX + ":" + stepY;
}

void PacketLauncher::ShowOutOfPackets() {
    // While the box is open no tick may start: the view's timer keeps firing inside its loop.
    const bool wasOpen = form_.MessageOpen;
    form_.MessageOpen = true;
    platform_.ShowMessage(kOutOfPackets);
    form_.MessageOpen = wasOpen;
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

void PacketLauncher::SendTablePacket(int p, int q, std::int16_t cost) {
    bool exhausted = false;
    const int slot = TakeSlot(exhausted);
    ShapeControl& marker = form_.shpPacket[slot];
    marker.visible = true;
    marker.left = form_.XS[p][q] - marker.width / 2;
    marker.top = form_.YS[p][q] - marker.height / 2;
    marker.borderColour = form_.RouterColour[q];
    marker.fillColour = Layout::kWhite;
    std::string request = "Z:" + NumberText(cost) + ":" + RouterLetter(p);
    if (form_.SplitHorizon) {
        request += ":" + RouterLetter(q);
    }
    form_.WriteTable(p, request);
    const std::string reply = form_.ReadTable(p);
    form_.Label2.caption = reply;
    form_.PacketPayload[slot] = reply;
    marker.tag = Record("T", q, q, p, NumberText((form_.XE[p][q] - form_.XS[p][q]) / 24.0),
                        NumberText((form_.YE[p][q] - form_.YS[p][q]) / 24.0));
}

void PacketLauncher::SendDataPacket(int p, int q) {
    if (p < 0 || q < 0 || p >= kRouterCount || q >= kRouterCount) {
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
    marker.tag =
        Record("U", q, p, p, NumberTextSingle(static_cast<float>(drop.x2 - drop.x1) / 24.0f),
               NumberTextSingle(static_cast<float>(drop.y2 - drop.y1) / 24.0f));
    marker.borderWidth = 1;
    marker.height = 450;
    marker.width = 450;
    form_.Label2.caption = marker.tag;
}

bool PacketLauncher::ForwardPacket(int p, int q, int r) {
    bool exhausted = false;
    ShapeControl& marker = form_.shpPacket[TakeSlot(exhausted)];
    marker.visible = true;
    marker.left = form_.XS[p][q] - marker.width / 2;
    marker.top = form_.YS[p][q] - marker.height / 2;
    marker.borderColour = form_.RouterColour[q];
    marker.fillColour = form_.RouterColour[r];
    marker.borderWidth = 6;
    marker.height = 450;
    marker.width = 450;
    marker.tag = Record("R", r, q, p, NumberText((form_.XE[p][q] - form_.XS[p][q]) / 24.0),
                        NumberText((form_.YE[p][q] - form_.YS[p][q]) / 24.0));
    form_.Label2.caption = marker.tag;
    return exhausted;
}
