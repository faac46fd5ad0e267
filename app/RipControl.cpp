#include "app/RipControl.h"

#include <algorithm>

#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "common/Translate.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Topology.h"
#include "packets/PacketLauncher.h"
#include "packets/PacketMotion.h"
#include "packets/PacketRecord.h"

static_assert(RipRules::kPeriodTicks == 6 * PacketMotion::kArrivalTick,
              "an update period is six hops");

namespace {

std::string Rows(std::uint8_t rows) {
    std::string text;
    for (int k = 0; k < Router::kRows; ++k) {
        text += (rows >> k & 1) != 0 ? "1" : "0";
    }
    return text;
}

std::string Networks(std::uint8_t rows) {
    std::string text;
    for (int k = 0; k < Router::kRows; ++k) {
        if ((rows >> k & 1) != 0) {
            text += (text.empty() ? "" : ", ") + NetworkLetter(k);
        }
    }
    return text;
}

std::string Seconds(long ticks) {
    return Translate("{seconds} s", {{"seconds", std::to_string(RipRules::Seconds(ticks))}});
}

} // namespace

const std::array<RipControl::RuleName, RipControl::kRuleCount> RipControl::kRules{{
    {Rule::Infinity, "infinity", "infinity 16"},
    {Rule::Periodic, "periodic", "periodic updates"},
    {Rule::Triggered, "triggered", "triggered updates"},
    {Rule::HoldDown, "hold-down", "hold-down"},
    {Rule::SimpleSplit, "simple-split", "simple split horizon"},
    {Rule::TimeoutOnly, "timeout-only", "failure found only by timeout"},
}};

std::string RipControl::Summary(const RipSwitches& on) {
    const std::string holdDown =
        Translate("hold-down {seconds} s", {{"seconds", std::to_string(on.holdDownSeconds)}});
    if (std::all_of(kRules.begin(), kRules.end(),
                    [&on](const RuleName& rule) { return IsOn(on, rule.rule); })) {
        return Translate("RIP: all rules, {holddown}", {{"holddown", holdDown}});
    }
    // Short names: the corner is narrow.
    std::string rules;
    for (const RuleName& rule : kRules) {
        if (IsOn(on, rule.rule)) {
            rules += rules.empty() ? "" : ", ";
            rules += rule.rule == Rule::Infinity   ? Translate("infinity 16")
                     : rule.rule == Rule::HoldDown ? holdDown
                                                   : Translate(rule.option);
        }
    }
    return rules.empty() ? rules : Translate("RIP: {rules}", {{"rules", rules}});
}

bool RipControl::Active() const {
    return form_.Rip.on.Any();
}

namespace {

bool& Flag(RipSwitches& switches, RipControl::Rule rule) {
    using Rule = RipControl::Rule;
    switch (rule) {
    case Rule::Infinity:
        return switches.infinity;
    case Rule::Periodic:
        return switches.periodic;
    case Rule::Triggered:
        return switches.triggered;
    case Rule::HoldDown:
        return switches.holdDown;
    case Rule::SimpleSplit:
        return switches.simpleSplit;
    case Rule::TimeoutOnly:
        break;
    }
    return switches.timeoutOnly;
}

} // namespace

void RipControl::Switch(RipSwitches& switches, Rule rule, bool on) {
    Flag(switches, rule) = on;
}

bool RipControl::IsOn(const RipSwitches& switches, Rule rule) {
    RipSwitches copy = switches;
    return Flag(copy, rule);
}

void RipControl::Set(Rule rule, bool on) {
    RipSwitches& rules = form_.Rip.on;
    const bool wasActive = rules.Any();
    const bool wasPeriodic = rules.periodic;
    Switch(rules, rule, on);
    if (!wasActive && rules.Any()) {
        // RIP's clock starts with the rows as they stand.
        AfterReset();
    }
    if (rules.periodic && !wasPeriodic) {
        for (int r = 0; r < kRouterCount; ++r) {
            Schedule(r);
        }
    }
    if (rules.infinity) {
        RaiseZeroCosts();
    }
    ApplyRules();
}

void RipControl::SetHoldDownSeconds(int seconds) {
    // One second to the longest, whoever asks: a file saved after it must open again.
    form_.Rip.on.holdDownSeconds = std::clamp(seconds, 1, RipSwitches::kMostHoldDownSeconds);
    ApplyRules();
}

void RipControl::ApplyRules() {
    const RipSwitches& on = form_.Rip.on;
    RipRules rules;
    rules.infinity = on.infinity;
    // Routes time out wherever nothing else tells a router that a link is gone.
    rules.timers = on.periodic || on.timeoutOnly;
    rules.holdDown = on.holdDown;
    rules.partialTables = on.Any();
    rules.timeoutTicks = RipRules::Ticks(kTimeoutSeconds);
    rules.garbageTicks = RipRules::Ticks(kGarbageSeconds);
    rules.holdDownTicks = RipRules::Ticks(on.holdDownSeconds);
    for (RouterPanel& panel : form_.RouterTable) {
        panel.SetRules(rules);
    }
}

void RipControl::Schedule(int router) {
    // One period on, give or take up to five seconds, drawn afresh each time.
    const double jitter = (2 * random_.Next() - 1) * kJitterSeconds;
    form_.Rip.nextPeriodic[router] =
        form_.Rip.clock + RipRules::Ticks(RipRules::kPeriodSeconds + jitter);
}

void RipControl::RequestTable(int p, int q, std::uint8_t rows) {
    form_.Rip.queued[p][q] |= rows;
}

bool RipControl::TableInFlight(int p, int q) const {
    for (const ShapeControl& packet : form_.shpPacket) {
        if (!packet.visible) {
            continue;
        }
        const PacketRecord record = PacketRecord::Parse(packet.tag);
        if (record.kind == PacketRecord::kTable && RouterIndex(record.hopStart) == p &&
            RouterIndex(record.hopEnd) == q) {
            return true;
        }
    }
    return false;
}

std::string RipControl::Request(int p, int q, std::uint8_t rows) const {
    const char* split = !form_.SplitHorizon ? "-" : form_.Rip.on.simpleSplit ? "S" : "P";
    return "W:" + NumberText(form_.CostOf(p, q)) + ":" + RouterLetter(p) + ":" + RouterLetter(q) +
           ":" + Rows(rows) + ":" + split;
}

void RipControl::LaunchQueued() {
    if (!launcher_.HasFreeSlot()) {
        return;
    }
    for (int p = 0; p < kRouterCount; ++p) {
        for (int q = 0; q < kRouterCount; ++q) {
            std::uint8_t& rows = form_.Rip.queued[p][q];
            if (rows == 0 || !launcher_.HasFreeSlot() || TableInFlight(p, q)) {
                continue;
            }
            launcher_.SendTable(p, q, form_.CostOf(p, q), Request(p, q, rows));
            rows = 0;
        }
    }
}

void RipControl::SendToNeighbours(int router, std::uint8_t rows, bool periodic) {
    std::string to;
    for (int q = 0; q < kRouterCount; ++q) {
        if (form_.LinkUp(router, q)) {
            RequestTable(router, q, rows);
            to += (to.empty() ? "" : ", ") + RouterLetter(q);
        }
    }
    if (!to.empty()) {
        const MessageArguments sent = {
            {"router", RouterLetter(router)}, {"neighbours", to}, {"networks", Networks(rows)}};
        const bool all = rows == kAllRows;
        runtime_.Tell(
            router,
            periodic
                ? (all ? Translate("{router}: periodic update to {neighbours}", sent)
                       : Translate("{router}: periodic update to {neighbours} ({networks})", sent))
                : (all ? Translate("{router}: triggered update to {neighbours}", sent)
                       : Translate("{router}: triggered update to {neighbours} ({networks})",
                                   sent)));
    }
}

void RipControl::BeginTick() {
    ++form_.Rip.clock;
    for (RouterPanel& panel : form_.RouterTable) {
        panel.SetClock(form_.Rip.clock);
    }
}

void RipControl::NoteChanges() {
    for (int r = 0; r < kRouterCount; ++r) {
        const auto& rows = form_.RouterTable[r].Engine().Rows();
        for (int k = 0; k < Router::kRows; ++k) {
            if (rows[k] != form_.Rip.seen[r][k]) {
                form_.Rip.changed[r] |= static_cast<std::uint8_t>(1 << k);
            }
        }
        form_.Rip.seen[r] = rows;
    }
}

void RipControl::EndTick() {
    RipState& rip = form_.Rip;
    const std::string timeout = Seconds(RipRules::Ticks(kTimeoutSeconds));
    const std::string garbage = Seconds(RipRules::Ticks(kGarbageSeconds));
    for (int r = 0; r < kRouterCount; ++r) {
        const std::string me = RouterLetter(r);
        for (const RouteEvent& event : form_.RouterTable[r].Advance(rip.clock)) {
            const std::string network = NetworkLetter(event.row);
            switch (event.kind) {
            case RouteEvent::Kind::TimedOut:
                runtime_.Tell(r,
                              Translate("{router}: route to {network} timed out after {timeout}; "
                                        "advertised as unreachable for {garbage}",
                                        {{"router", me},
                                         {"network", network},
                                         {"timeout", timeout},
                                         {"garbage", garbage}}));
                break;
            case RouteEvent::Kind::Cleared:
                runtime_.Tell(
                    r, Translate("{router}: route to {network} cleared after {garbage} of "
                                 "garbage collection",
                                 {{"router", me}, {"network", network}, {"garbage", garbage}}));
                break;
            case RouteEvent::Kind::HoldDownOver:
                runtime_.Tell(r, Translate("{router}: hold-down of the route to {network} over",
                                           {{"router", me}, {"network", network}}));
                break;
            }
        }
    }
    NoteChanges();
    for (int r = 0; r < kRouterCount; ++r) {
        if (rip.on.periodic && rip.clock >= rip.nextPeriodic[r]) {
            // The whole table goes: the changes waiting for a triggered update with it.
            SendToNeighbours(r, kAllRows, true);
            rip.changed[r] = 0;
            Schedule(r);
        }
        if (!rip.on.triggered) {
            rip.changed[r] = 0;
        } else if (rip.changed[r] != 0 && rip.clock >= rip.nextTriggered[r]) {
            SendToNeighbours(r, rip.changed[r], false);
            rip.changed[r] = 0;
            const double wait =
                kTriggerWaitFrom + (kTriggerWaitTo - kTriggerWaitFrom) * random_.Next();
            rip.nextTriggered[r] = rip.clock + RipRules::Ticks(wait);
        }
    }
    LaunchQueued();
}

bool RipControl::Idle() const {
    const RipState& rip = form_.Rip;
    if (!rip.on.Any()) {
        return true;
    }
    if (rip.on.periodic) {
        return false;
    }
    for (int r = 0; r < kRouterCount; ++r) {
        if (rip.changed[r] != 0 || form_.RouterTable[r].Engine().ClocksRun()) {
            return false;
        }
        for (std::uint8_t rows : rip.queued[r]) {
            if (rows != 0) {
                return false;
            }
        }
    }
    return true;
}

void RipControl::RaiseZeroCosts() {
    for (LabelControl& label : form_.lblCost) {
        if (ReadNumber(label.caption) < 1) {
            label.caption = NumberText(1);
        }
    }
}

void RipControl::AfterReset() {
    RipState& rip = form_.Rip;
    // Under the rules a reset starts the network afresh: the tables on their way were sent by
    // routers as they stood before it, for a network that may be gone, and are lost with it.
    for (ShapeControl& marker : form_.shpPacket) {
        if (marker.visible && PacketRecord::Parse(marker.tag).kind == PacketRecord::kTable) {
            marker.visible = false;
        }
    }
    for (int r = 0; r < kRouterCount; ++r) {
        rip.seen[r] = form_.RouterTable[r].Engine().Rows();
        rip.changed[r] = 0;
    }
    if (rip.on.infinity) {
        RaiseZeroCosts();
    }
}
