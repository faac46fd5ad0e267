#include "support/FormInvariants.h"

#include "support/FakePlatform.h"

#include "app/MainForm.h"
#include "app/Scenarios.h"
#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "packets/PacketLauncher.h"
#include "packets/PacketMotion.h"
#include "session/Demonstration.h"

#include <sstream>

namespace {

bool IsLetter(const std::string& field) {
    return field.size() == 1 && RouterIndex(field) >= 0;
}

std::string CheckRecord(const std::string& record) {
    const std::vector<std::string> f = SplitFields(record);
    if (f.size() != 7) {
        return "record without seven fields: " + record;
    }
    const double count = ReadNumber(f[0]);
    if (!IsNumeric(f[0]) || count < 0 || count > 25) {
        return "bad step count: " + record;
    }
    if (f[1] != "T" && f[1] != "U" && f[1] != "R" && f[1] != "D") {
        return "bad kind: " + record;
    }
    if (!IsLetter(f[2]) || !IsLetter(f[3]) || !IsLetter(f[4])) {
        return "bad letters: " + record;
    }
    if (!IsNumeric(f[5]) || !IsNumeric(f[6])) {
        return "bad steps: " + record;
    }
    return "";
}

} // namespace

std::string CheckFormInvariants(const MainForm& main) {
    const FormState& form = main.State();
    if (main.Runtime().TickRunning) {
        return "a tick was left running";
    }
    if (main.Runtime().MessageOpen) {
        return "the message box was left open";
    }
    for (std::size_t i = 0; i < form.shpPacket.size(); ++i) {
        if (form.shpPacket[i].visible) {
            const std::string fault = CheckRecord(form.shpPacket[i].tag);
            if (!fault.empty()) {
                return "slot " + std::to_string(i) + ": " + fault;
            }
        }
    }
    return "";
}

std::string DescribeState(const FormState& form) {
    std::ostringstream out;
    out.precision(9);
    for (std::size_t i = 0; i < form.shpPacket.size(); ++i) {
        const ShapeControl& p = form.shpPacket[i];
        out << i << (p.visible ? "+" : "-") << p.left << "," << p.top << "," << p.width << ","
            << p.height << "," << p.borderColour << "," << p.fillColour << "," << p.borderWidth
            << "," << p.tag << "," << form.PacketPayload[i] << "," << form.PacketLinkCost[i]
            << "\n";
    }
    out << form.LaunchCountdown << form.ManyMode << form.RandomMode << form.FloodMode
        << form.SplitHorizon << form.MoveTimer.enabled << form.StartIndex << form.EndIndex
        << form.RouterStartChosen << form.NetworkStartChosen << "|" << form.Label2.caption << "|"
        << form.Command2.caption << "|" << form.Command3.caption << "|" << form.cmbSims.text << "|"
        << form.chkSplit.value << "\n";
    for (const LineControl& line : form.lne) {
        out << line.visible << line.colour << " ";
    }
    for (const LabelControl& label : form.lblCost) {
        out << label.visible << "'" << label.caption << "' ";
    }
    for (const RouterPanel& panel : form.RouterTable) {
        out << "\n" << panel.visible << panel.Table() << ":";
        for (const RouteRow& row : panel.Engine().Rows()) {
            out << row.cost << "/" << row.nextHop << "/" << row.shown << " ";
        }
    }
    return out.str();
}

void WatchOutOfPackets(FakePlatform& platform, MainForm& form, std::vector<std::string>& faults) {
    platform.onMessage = [&platform, &form, &faults] {
        const std::string& text = platform.messages.back();
        if (text != PacketLauncher::kOutOfPackets) {
            faults.push_back("unexpected message: " + text);
        }
        for (int i = 0; i < PacketLauncher::kLastSlot; ++i) {
            if (!form.State().shpPacket[i].visible) {
                faults.push_back("out of packets with slot " + std::to_string(i) + " free");
                break;
            }
        }
        if (form.MoveTimer_Timer()) {
            faults.push_back("a tick ran while the message was open");
        }
    };
}

namespace {

int RunTicks(MainForm& form, std::uint8_t arg) {
    const int ticks = arg % 40 + 1;
    for (int t = 0; t < ticks; ++t) {
        form.MoveTimer_Timer();
    }
    return ticks;
}

} // namespace

int ApplyLectureAction(Demonstration& lesson, std::uint8_t op, std::uint8_t arg, long now) {
    switch (op % 20) {
    case 14:
        lesson.Undo(now);
        return 0;
    case 15:
        lesson.Redo(now);
        return 0;
    case 16:
        lesson.Step(arg % 2 == 0 ? 1 : PacketMotion::kArrivalTick, now);
        return 0;
    case 17:
        lesson.CycleHighlight(now);
        return 0;
    case 18: {
        // One of RIP's rules, or all of them, switched the other way.
        const int rule = arg % (RipControl::kRuleCount + 1);
        const bool on = rule == RipControl::kRuleCount
                            ? !lesson.State().Rip.on.Any()
                            : !lesson.RuleOn(RipControl::kRules[rule].rule);
        lesson.Act(Action::Rule(rule, on), now);
        return 0;
    }
    default:
        if (const std::optional<Action> action = UserAction(op % 20, arg); action && op % 20 < 12) {
            lesson.Act(*action, now);
            return 0;
        }
        return RunTicks(lesson.Form(), arg);
    }
}

std::optional<Action> UserAction(std::uint8_t op, std::uint8_t arg) {
    using Control = Action::Control;
    switch (op % 14) {
    case 0:
        return Action::Click(Control::Router, arg % 6);
    case 1:
        return Action::Click(Control::Network, arg % 6);
    case 2:
        return Action::Click(Control::Break, arg % 10);
    case 3:
        return Action::CostPress(arg % 20, (arg / 20) % 3 == 0 ? 2 : (arg / 20) % 3 == 1 ? 1 : 4);
    case 4:
        return Action::Choose(arg % 8 < 7 ? Scenarios::kNames[arg % 8] : "no such scenario");
    case 5:
        return Action::Click(Control::One);
    case 6:
        return Action::Click(Control::Many);
    case 7:
        return Action::Click(Control::Pause);
    case 8:
        return Action::Click(Control::Update);
    case 9:
        return Action::Click(Control::Reset);
    case 10:
        return Action::Click(Control::Kill);
    case 11:
        return Action::Split(arg % 2 == 1);
    default:
        return std::nullopt;
    }
}

int ApplyUserAction(MainForm& form, std::uint8_t op, std::uint8_t arg) {
    if (const std::optional<Action> action = UserAction(op, arg)) {
        action->Perform(form);
        return 0;
    }
    return RunTicks(form, arg);
}
