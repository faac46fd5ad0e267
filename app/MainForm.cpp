#include "app/MainForm.h"

#include "common/Letters.h"
#include "common/RandomSource.h"
#include "form/Layout.h"
#include "form/LinkGeometry.h"
#include "form/Platform.h"
#include "form/Topology.h"

MainForm::MainForm(Platform& platform, RandomSource& random)
    : platform_(platform), random_(random), form_(random), runtime_(form_),
      scenarios_(form_, runtime_), links_(form_, runtime_), launcher_(form_, runtime_, platform_),
      arrival_(form_, runtime_, launcher_, random_),
      motion_(form_, runtime_, launcher_, arrival_, random_), commands_(form_, launcher_) {}

bool MainForm::MoveTimer_Timer() {
    if (runtime_.TickRunning || runtime_.MessageOpen || !form_.MoveTimer.enabled) {
        return false;
    }
    RunTick();
    return true;
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
    motion_.MoveTimer_Timer();
}

void MainForm::Form_Load() {
    for (int i = 0; i < kRouterCount; ++i) {
        form_.RouterColour[i] = Layout::kRouters[i].colour;
    }
    form_.ManyMode = false;
    random_.Seed(platform_.ClockSeed());
    for (int i = 0; i < kRouterCount; ++i) {
        form_.RouterTable[i].SetBackground(form_.RouterColour[i]);
        form_.RouterTable[i].SetTitle("Table " + RouterLetter(i));
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
