#include "packets/PacketMotion.h"

#include "app/form/FormState.h"
#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "packets/PacketArrival.h"
#include "packets/PacketLauncher.h"

namespace {

constexpr std::size_t kRecordFields = 7;

} // namespace

void PacketMotion::MoveTimer_Timer() {
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
    for (int i = 0; i < PacketLauncher::kSlots; ++i) {
        ShapeControl& marker = form_.shpPacket[i];
        if (!marker.visible) {
            continue;
        }
        std::vector<std::string> fields = SplitFields(marker.tag);
        // Records are always written with seven fields; a short one is read as if padded.
        if (fields.size() < kRecordFields) {
            fields.resize(kRecordFields);
        }
        const double count = ReadNumber(fields[0]) + 1;
        fields[0] = NumberText(count);
        if (count < kArrivalTick) {
            marker.tag = JoinFields(fields);
            marker.top += static_cast<float>(ReadNumber(fields[6]));
            marker.left += static_cast<float>(ReadNumber(fields[5]));
        } else {
            arrival_.Arrive(i, fields);
        }
    }
}

int PacketMotion::NetworksInUse() const {
    int networks = 1;
    for (int j = 0; j < 6; ++j) {
        if (form_.btnNetwork[j].visible) {
            networks = j + 1;
        }
    }
    return networks;
}
