#include "session/Rehearsal.h"

#include "app/Snapshot.h"
#include "common/Fields.h"
#include "common/NumberText.h"
#include "packets/PacketMotion.h"
#include "packets/PacketRecord.h"

#include <algorithm>

Rehearsal::Rehearsal(const MainForm& original)
    : form_(platform_, random_), log_(form_.State(), form_.Runtime()) {
    form_.LoadAfresh();
    Snapshot::Capture(original, IdleTimer::Speed::Normal).ApplyTo(form_);
    // Told after the log, so that its lines on a message are there to be kept.
    form_.Runtime().routerMessageObserver =
        [this,
         log = std::move(form_.Runtime().routerMessageObserver)](const RouterMessage& message) {
            log(message);
            OnMessage(message);
        };
}

const ChangeLog::Rows& Rehearsal::Rows(int router) const {
    return form_.State().RouterTable[router].Engine().Rows();
}

void Rehearsal::OnMessage(const RouterMessage& message) {
    const std::vector<std::string> fields = SplitFields(message.text);
    if (fields.size() < 3 || fields[0] != "R") {
        return;
    }
    Heard heard;
    heard.sender = fields[2];
    heard.carried.assign(fields.begin() + 3, fields.end());
    if (message.linkCost) {
        heard.linkCost = *message.linkCost;
    }
    heard.before = message.before;
    heard.after = Rows(message.router);
    // The log's lines on this table, which follow the line that shows it arriving.
    const std::vector<ChangeLog::Line>& lines = log_.Lines();
    const std::string arrived = RouterLetter(message.router) + " <- " + std::string(message.text);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->text == arrived) {
            for (auto after = line.base(); after != lines.end(); ++after) {
                heard.lines.push_back(*after);
            }
            break;
        }
    }
    heard_[message.router].push_back(std::move(heard));
}

long Rehearsal::ArriveTables() {
    long longest = 0;
    for (const ShapeControl& marker : form_.State().shpPacket) {
        const PacketRecord record = PacketRecord::Parse(marker.tag);
        if (marker.visible && record.kind == PacketRecord::kTable) {
            const std::string_view travelled = TrimBlanks(record.stepCount);
            const long done = IsNumeric(travelled) ? static_cast<long>(ReadNumber(travelled)) : 0;
            longest = std::max(longest, PacketMotion::kArrivalTick - done);
        }
    }
    form_.Advance(longest);
    return longest;
}

bool Rehearsal::Round() {
    const FormState& state = form_.State();
    // A clock that acts (hold-down, garbage collection) can change a later round.
    const auto clocksWait = [&state] {
        for (const RouterPanel& panel : state.RouterTable) {
            for (const RouteClock& clock : panel.Engine().Clocks()) {
                if (panel.visible && (clock.garbageUntil >= 0 || clock.heldUntil >= 0)) {
                    return true;
                }
            }
        }
        return false;
    };
    const bool waitedBefore = clocksWait();
    std::array<ChangeLog::Rows, kRouterCount> before;
    std::array<long, kRouterCount> start{};
    for (int r = 0; r < kRouterCount; ++r) {
        before[r] = Rows(r);
        start[r] = state.RouterTable[r].Engine().Clock();
    }
    form_.Command4_Click();
    form_.Settle();
    if (waitedBefore || clocksWait()) {
        return false;
    }
    for (int r = 0; r < kRouterCount; ++r) {
        const Router& router = state.RouterTable[r].Engine();
        if (!state.RouterTable[r].visible) {
            continue;
        }
        if (router.Rows() != before[r]) {
            return false;
        }
        for (int k = 0; k < Router::kRows; ++k) {
            const RouteClock& clock = router.Clocks()[k];
            const RouteRow& row = router.Rows()[k];
            // A learned route not heard from its next hop this round times out in a later one.
            const bool learned = IsNumeric(row.cost) && RouterIndex(row.nextHop) >= 0;
            if (router.Rules().timers && learned && clock.heard >= 0 && clock.heard < start[r]) {
                return false;
            }
        }
    }
    return true;
}
