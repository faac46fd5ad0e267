#include "packets/PacketMotion.h"

#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "packets/PacketArrival.h"
#include "packets/PacketLauncher.h"
#include "packets/PacketRecord.h"

void PacketMotion::MoveTimer_Timer() {
    ++runtime_.TickNumber;
    Sweep();
    --form_.LaunchCountdown;
    if (form_.LaunchCountdown == -1) {
        form_.LaunchCountdown = kCountdownCycle - 1;
    }
    const int networks = NetworksInUse();
    if (form_.LaunchCountdown == 0 && form_.ManyMode) {
        const double r1 = random_.Next();
        const double r2 = random_.Next();
        launcher_.SendDataPacket(static_cast<int>(r1 * networks), static_cast<int>(r2 * networks));
    }
}

void PacketMotion::Sweep() {
    for (std::size_t i = 0; i < form_.shpPacket.size(); ++i) {
        ShapeControl& marker = form_.shpPacket[i];
        if (!marker.visible) {
            continue;
        }
        PacketRecord record = PacketRecord::Parse(marker.tag);
        const double count = ReadNumber(record.stepCount) + 1;
        record.stepCount = NumberText(count);
        if (count < kArrivalTick) {
            marker.tag = record.Text();
            marker.top += static_cast<float>(ReadNumber(record.stepY));
            marker.left += static_cast<float>(ReadNumber(record.stepX));
        } else {
            arrival_.Arrive(static_cast<int>(i), record);
        }
    }
}

bool PacketMotion::Idle() const {
    if (form_.ManyMode) {
        return false;
    }
    for (const ShapeControl& marker : form_.shpPacket) {
        if (marker.visible) {
            return false;
        }
    }
    return true;
}

void PacketMotion::SkipIdleTicks(long count) {
    // The countdown runs 47, 46, ..., 0, 47, ...: count steps down, wrapping.
    const long left =
        (form_.LaunchCountdown - count % kCountdownCycle + kCountdownCycle) % kCountdownCycle;
    form_.LaunchCountdown = static_cast<std::int16_t>(left);
    runtime_.TickNumber += count;
}

int PacketMotion::NetworksInUse() const {
    int networks = 1;
    for (int j = 0; j < kNetworkCount; ++j) {
        if (form_.btnNetwork[j].visible) {
            networks = j + 1;
        }
    }
    return networks;
}
