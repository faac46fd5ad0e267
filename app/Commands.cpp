#include "app/Commands.h"

#include "app/RipControl.h"
#include "common/Letters.h"
#include "common/Translate.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "form/Topology.h"
#include "packets/PacketLauncher.h"

#include <array>

namespace {

// Update walks the links in this order, each first from its lower router.
constexpr std::array<const char*, Topology::kBreakCount> kUpdateOrder{"EF", "DF", "CD", "BF", "BE",
                                                                      "BD", "BC", "AD", "AC", "AB"};

} // namespace

void Commands::SendTable(int sender, int receiver) {
    if (rip_.Active()) {
        rip_.RequestTable(sender, receiver);
        rip_.LaunchQueued();
        return;
    }
    launcher_.SendTablePacket(sender, receiver, form_.CostOf(sender, receiver));
}

void Commands::Command4_Click() {
    for (const char* link : kUpdateOrder) {
        const int lo = link[0] - 'A';
        const int hi = link[1] - 'A';
        if (form_.LinkUp(lo, hi)) {
            SendTable(lo, hi);
            SendTable(hi, lo);
        }
    }
}

bool Commands::Pick(int index, bool& startChosen) {
    if (!startChosen) {
        form_.Label2.caption = Translate("Start from {router}", {{"router", RouterLetter(index)}});
        form_.StartIndex = static_cast<std::int16_t>(index);
        startChosen = true;
        return false;
    }
    form_.Label2.caption =
        Translate("Start from {router}; end at {end}",
                  {{"router", RouterLetter(form_.StartIndex)}, {"end", RouterLetter(index)}});
    form_.EndIndex = static_cast<std::int16_t>(index);
    startChosen = false;
    return true;
}

void Commands::btnRouter_Click(int index) {
    if (Pick(index, form_.RouterStartChosen) && form_.LinkUp(form_.StartIndex, index)) {
        SendTable(form_.StartIndex, index);
    }
}

void Commands::btnNetwork_Click(int index) {
    if (Pick(index, form_.NetworkStartChosen)) {
        launcher_.SendDataPacket(form_.StartIndex, form_.EndIndex);
    }
}

void Commands::Command1_Click() {
    form_.Command3.caption = Layout::kPause;
    form_.MoveTimer.enabled = true;
    launcher_.SendDataPacket(form_.StartIndex, form_.EndIndex);
}

void Commands::Command2_Click() {
    form_.ManyMode = !form_.ManyMode;
    form_.Command2.caption = form_.ManyMode ? Layout::kStop : Layout::kMany;
}

void Commands::Command3_Click() {
    const bool pause = form_.Command3.caption == Layout::kPause;
    form_.Command3.caption = pause ? Layout::kResume : Layout::kPause;
    form_.MoveTimer.enabled = !pause;
}

void Commands::Command7_Click() {
    for (ShapeControl& packet : form_.shpPacket) {
        packet.visible = false;
    }
}
