#include "support/PacketProgress.h"

#include "form/FormState.h"
#include "packets/PacketMotion.h"

std::string PacketProgress::AfterTick(const FormState& form, bool ran) {
    seen_.resize(form.shpPacket.size());
    std::string fault;
    for (std::size_t i = 0; i < form.shpPacket.size(); ++i) {
        const ShapeControl& packet = form.shpPacket[i];
        Seen& was = seen_[i];
        const bool still =
            packet.visible && was.visible && packet.left == was.left && packet.top == was.top;
        was.stillTicks = still ? was.stillTicks + (ran ? 1 : 0) : 0;
        was.visible = packet.visible;
        was.left = packet.left;
        was.top = packet.top;
        if (was.stillTicks > PacketMotion::kArrivalTick && fault.empty()) {
            fault = "slot " + std::to_string(i) + " has not moved for " +
                    std::to_string(was.stillTicks) + " ticks: " + packet.tag;
        }
    }
    return fault;
}
