#include "app/MainForm.h"

#include "app/AccessibleText.h"
#include "common/Letters.h"
#include "common/RandomSource.h"
#include "form/Layout.h"
#include "form/LinkGeometry.h"
#include "form/Platform.h"
#include "form/Topology.h"

#include <algorithm>

MainForm::MainForm(Platform& platform, RandomSource& random)
    : platform_(platform), random_(random), form_(random), runtime_(form_),
      scenarios_(form_, runtime_), links_(form_, runtime_), launcher_(form_, runtime_, platform_),
      arrival_(form_, runtime_, launcher_, random_),
      motion_(form_, runtime_, launcher_, arrival_, random_),
      rip_(form_, runtime_, launcher_, random_), commands_(form_, launcher_, rip_) {}

void MainForm::cmbSims_Click() {
    scenarios_.cmbSims_Click();
    if (rip_.Active()) {
        rip_.AfterReset();
    }
}

void MainForm::cmbSims_Change() {
    scenarios_.cmbSims_Change();
    if (rip_.Active()) {
        rip_.AfterReset();
    }
}

void MainForm::Command5_Click() {
    scenarios_.Command5_Click();
    if (rip_.Active()) {
        rip_.AfterReset();
    }
}

void MainForm::SkipIdleTicks(long count) {
    motion_.SkipIdleTicks(count);
    if (rip_.Active()) {
        // RIP's clock runs on through the ticks slept, though nothing of RIP's is waiting.
        form_.Rip.clock += count;
        for (RouterPanel& panel : form_.RouterTable) {
            panel.SetClock(form_.Rip.clock);
        }
    }
}

bool MainForm::MoveTimer_Timer() {
    if (runtime_.TickRunning || runtime_.MessageOpen || !form_.MoveTimer.enabled) {
        return false;
    }
    RunTick();
    return true;
}

void MainForm::Advance(long count) {
    for (long t = 0; t < count; ++t) {
        if (!StepTicks(1)) {
            MoveTimer_Timer();
        }
    }
}

void MainForm::Settle() {
    constexpr long kLongest = kLongestQuietHops * PacketMotion::kArrivalTick;
    for (long t = 0; t < kLongest && (t == 0 || !Quiet()); ++t) {
        Advance(1);
    }
}

bool MainForm::CanStep() const {
    return form_.Command3.caption == Layout::kResume && !runtime_.TickRunning &&
           !runtime_.MessageOpen;
}

bool MainForm::StepTicks(int count) {
    if (!CanStep()) {
        return false;
    }
    for (int t = 0; t < count; ++t) {
        RunTick();
    }
    return true;
}

void MainForm::RunTick() {
    runtime_.TickRunning = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{runtime_.TickRunning};
    if (!rip_.Active()) {
        motion_.MoveTimer_Timer();
        return;
    }
    rip_.BeginTick();
    motion_.MoveTimer_Timer();
    rip_.EndTick();
}

void MainForm::Form_Load() {
    random_.Seed(platform_.ClockSeed());
    LoadAfresh();
}

void MainForm::LoadAfresh() {
    form_ = FormState(random_);
    for (int i = 0; i < kRouterCount; ++i) {
        form_.RouterColour[i] = Layout::kRouters[i].colour;
    }
    form_.ManyMode = false;
    for (int i = 0; i < kRouterCount; ++i) {
        form_.RouterTable[i].SetBackground(form_.RouterColour[i]);
        form_.RouterTable[i].SetTitle(AccessibleText::PanelName(i));
    }
    for (ShapeControl& packet : form_.shpPacket) {
        packet.visible = false;
    }
    ComputeLinkGeometry(form_);
    // Every usable line, and lneDE although it stays hidden, starts up (grey).
    for (const char* name : {"AB", "AC", "AD", "BC", "BD", "BE", "BF", "CD", "DE", "DF", "EF"}) {
        form_.lne[Topology::LinkIndex(name[0] - 'A', name[1] - 'A')].colour = Layout::kGrey;
    }
    scenarios_.Command5_Click();
    form_.SplitHorizon = false;
    scenarios_.FillScenarioList();
}

bool MainForm::Quiet() const {
    const bool moving = std::any_of(form_.shpPacket.begin(), form_.shpPacket.end(),
                                    [](const ShapeControl& packet) { return packet.visible; });
    const auto waiting = [](const auto& masks) {
        return std::any_of(masks.begin(), masks.end(), [](std::uint8_t rows) { return rows; });
    };
    const bool owed = std::any_of(form_.Rip.queued.begin(), form_.Rip.queued.end(), waiting) ||
                      (form_.Rip.on.triggered && waiting(form_.Rip.changed));
    return !moving && !owed;
}
