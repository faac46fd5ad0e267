#include "app/Snapshot.h"

#include "app/MainForm.h"
#include "form/Topology.h"

Snapshot Snapshot::Capture(const MainForm& form, IdleTimer::Speed speed) {
    const FormState& state = form.State();
    Snapshot demo;
    demo.scenario = state.cmbSims.text;
    for (int c = 0; c < Layout::kCostLabelCount; ++c) {
        demo.costs[c] = state.lblCost[c].caption;
    }
    for (int b = 0; b < Layout::kBreakCount; ++b) {
        demo.broken[b] = state.lne[Topology::LinkOfBreak(b)].colour == Layout::kRed;
    }
    demo.split = state.chkSplit.value;
    demo.paused = state.Command3.caption == Layout::kResume;
    demo.many = state.ManyMode;
    demo.status = state.Label2.caption;
    demo.start = state.StartIndex;
    demo.end = state.EndIndex;
    demo.routerStarted = state.RouterStartChosen;
    demo.networkStarted = state.NetworkStartChosen;
    demo.countdown = state.LaunchCountdown;
    demo.tick = form.Runtime().TickNumber;
    demo.speed = speed;
    demo.random = form.Random().Where();
    demo.rip = state.Rip;
    for (int r = 0; r < kRouterCount; ++r) {
        const Router& router = state.RouterTable[r].Engine();
        demo.routers[r] = {router.Rows(), router.Clocks(), router.Height(), router.Reply(),
                           router.Clock()};
    }
    for (int i = 0; i < kPacketSlots; ++i) {
        demo.packets[i] = {state.shpPacket[i], state.PacketPayload[i], state.PacketLinkCost[i]};
    }
    return demo;
}

void Snapshot::ApplyTo(MainForm& form) const {
    FormState& state = form.State();
    state.cmbSims.text = scenario;
    form.ShowScenario();
    for (int c = 0; c < Layout::kCostLabelCount; ++c) {
        state.lblCost[c].caption = costs[c];
    }
    for (int b = 0; b < Layout::kBreakCount; ++b) {
        state.lne[Topology::LinkOfBreak(b)].colour = broken[b] ? Layout::kRed : Layout::kGrey;
    }
    state.chkSplit.value = split;
    state.SplitHorizon = split == 1;
    state.Command3.caption = paused ? Layout::kResume : Layout::kPause;
    state.MoveTimer.enabled = !paused;
    state.ManyMode = many;
    state.Command2.caption = many ? Layout::kStop : Layout::kMany;
    state.Label2.caption = status;
    state.StartIndex = static_cast<std::int16_t>(start);
    state.EndIndex = static_cast<std::int16_t>(end);
    state.RouterStartChosen = routerStarted;
    state.NetworkStartChosen = networkStarted;
    state.LaunchCountdown = static_cast<std::int16_t>(countdown);
    form.Runtime().TickNumber = tick;
    form.Random().GoTo(random);
    state.Rip = rip;
    form.Rip().ApplyRules();
    for (int r = 0; r < kRouterCount; ++r) {
        const Panel& p = routers[r];
        state.RouterTable[r].Load(p.rows, p.height, p.reply, p.clocks, p.clock);
    }
    for (int i = 0; i < kPacketSlots; ++i) {
        const Packet& p = packets[i];
        state.shpPacket[i] = p.marker;
        state.PacketPayload[i] = p.payload;
        state.PacketLinkCost[i] = static_cast<std::int16_t>(p.linkCost);
    }
}
