#include "support/FormInvariants.h"

#include "support/FakePlatform.h"

#include "app/ChangeLog.h"
#include "app/History.h"
#include "app/MainForm.h"
#include "app/Scenarios.h"
#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "packets/PacketLauncher.h"
#include "packets/PacketMotion.h"

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

std::string CheckFormInvariants(const FormState& form) {
    if (form.TickRunning) {
        return "a tick was left running";
    }
    if (form.MessageOpen) {
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
            << "," << p.tag << "," << form.PacketPayload[i] << "\n";
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

int ApplyLectureAction(MainForm& form, History& history, ChangeLog& log, std::uint8_t op,
                       std::uint8_t arg) {
    switch (op % 20) {
    case 14:
        history.Undo();
        log.ClearMarks();
        return 0;
    case 15:
        history.Redo();
        log.ClearMarks();
        return 0;
    case 16:
        history.BeforeAction();
        form.StepTicks(arg % 2 == 0 ? 1 : PacketMotion::kArrivalTick);
        return 0;
    case 17:
        log.SetHighlight(ChangeLog::Next(log.CurrentHighlight()));
        return 0;
    default:
        if (op % 20 < 12) {
            history.BeforeAction();
        }
        return ApplyUserAction(form, op, arg);
    }
}

int ApplyUserAction(MainForm& form, std::uint8_t op, std::uint8_t arg) {
    FormState& state = form.State();
    switch (op % 14) {
    case 0:
        form.btnRouter_Click(arg % 6);
        return 0;
    case 1:
        form.btnNetwork_Click(arg % 6);
        return 0;
    case 2:
        form.cmdBreak_Click(arg % 10);
        return 0;
    case 3:
        form.lblCost_MouseDown(arg % 20, (arg / 20) % 3 == 0 ? 2 : (arg / 20) % 3 == 1 ? 1 : 4);
        return 0;
    case 4:
        state.cmbSims.text = arg % 8 < 7 ? Scenarios::kNames[arg % 8] : "no such scenario";
        form.cmbSims_Click();
        return 0;
    case 5:
        form.Command1_Click();
        return 0;
    case 6:
        form.Command2_Click();
        return 0;
    case 7:
        form.Command3_Click();
        return 0;
    case 8:
        form.Command4_Click();
        return 0;
    case 9:
        form.Command5_Click();
        return 0;
    case 10:
        form.Command7_Click();
        return 0;
    case 11:
        state.chkSplit.value = arg % 3;
        form.chkSplit_Click();
        return 0;
    default: {
        const int ticks = arg % 40 + 1;
        for (int t = 0; t < ticks; ++t) {
            form.MoveTimer_Timer();
        }
        return ticks;
    }
    }
}
