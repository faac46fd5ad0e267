#include "app/ChangeLog.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "form/FormState.h"
#include "form/Topology.h"

#include <cmath>

namespace {

bool SameRow(const RouteRow& a, const RouteRow& b) {
    return a.cost == b.cost && a.nextHop == b.nextHop && a.shown == b.shown;
}

// A number as a sentence says it: "3", not " 3".
std::string Said(double value) {
    return std::string(TrimBlanks(NumberText(value)));
}

std::string Said(const std::string& cost) {
    return std::string(TrimBlanks(cost));
}

} // namespace

ChangeLog::ChangeLog(FormState& form) : form_(form) {
    // Whoever watched the messages before goes on being told, first.
    form_.routerMessageObserver = [this, earlier = std::move(form_.routerMessageObserver)](
                                      int router, std::string_view message, const Rows& before) {
        if (earlier) {
            earlier(router, message, before);
        }
        OnMessage(router, message, before);
    };
}

void ChangeLog::SetHighlight(Highlight mode) {
    highlight_ = mode;
    if (mode == Highlight::Off) {
        ClearMarks();
    }
    Refresh();
}

ChangeLog::Highlight ChangeLog::Next(Highlight mode) {
    switch (mode) {
    case Highlight::Off:
        return Highlight::UntilNextTick;
    case Highlight::UntilNextTick:
        return Highlight::ForSeconds;
    case Highlight::ForSeconds:
        return Highlight::UntilNextChange;
    case Highlight::UntilNextChange:
        break;
    }
    return Highlight::Off;
}

void ChangeLog::ClearMarks() {
    marks_ = {};
    Refresh();
}

bool ChangeLog::Alive(const Mark& mark) const {
    switch (highlight_) {
    case Highlight::UntilNextTick:
        return mark.tick == form_.TickNumber;
    case Highlight::ForSeconds:
        return now_ - mark.time < kHighlightMilliseconds;
    case Highlight::UntilNextChange:
        return true; // a new change clears the older marks itself
    case Highlight::Off:
        break;
    }
    return false;
}

void ChangeLog::Refresh() {
    for (int r = 0; r < kRouterCount; ++r) {
        for (int k = 0; k < Router::kRows; ++k) {
            std::optional<Mark>& mark = marks_[r][k];
            if (mark && !Alive(*mark)) {
                mark.reset();
            }
            form_.RouterTable[r].highlighted[k] = mark.has_value();
        }
    }
}

void ChangeLog::Add(std::string text) {
    if (lines_.size() >= kMostLines) {
        lines_.erase(lines_.begin(), lines_.begin() + kMostLines / 10);
    }
    lines_.push_back({form_.TickNumber, std::move(text)});
}

void ChangeLog::OnMessage(int router, std::string_view message, const Rows& before) {
    const std::vector<std::string> fields = SplitFields(message);
    const Rows& after = form_.RouterTable[router].Engine().Rows();
    const std::string me = RouterLetter(router);
    Add(me + " <- " + std::string(message));
    const std::string& kind = fields[0];
    if (kind == "R") {
        TellUpdate(router, fields, before);
    } else if (kind == "Z" || kind == "Q" || kind == "Y") {
        Add(me + " answers " + form_.ReadTable(router));
        if (kind == "Z") {
            TellRequest(router, fields);
        }
    } else if (kind == "B" && fields.size() > 1) {
        std::string lost;
        for (int k = 0; k < Router::kRows; ++k) {
            if (!SameRow(before[k], after[k])) {
                lost += (lost.empty() ? "" : ", ") + NetworkLetter(k);
            }
        }
        Add(me + ": link to " + fields[1] + " broken" +
            (lost.empty() ? "" : "; routes to " + lost + " now inf"));
    } else if (kind == "I") {
        Add(me + ": table reset");
    }

    bool changed = false;
    for (int k = 0; k < Router::kRows; ++k) {
        changed = changed || !SameRow(before[k], after[k]);
    }
    if (!changed || highlight_ == Highlight::Off) {
        return;
    }
    if (highlight_ == Highlight::UntilNextChange) {
        marks_ = {};
    }
    for (int k = 0; k < Router::kRows; ++k) {
        if (!SameRow(before[k], after[k])) {
            marks_[router][k] = Mark{form_.TickNumber, now_};
        }
    }
    Refresh();
}

void ChangeLog::TellUpdate(int router, const std::vector<std::string>& fields, const Rows& before) {
    if (fields.size() < 3) {
        return;
    }
    const Rows& after = form_.RouterTable[router].Engine().Rows();
    const std::string me = RouterLetter(router);
    const std::string& sender = fields[2];
    const int from = RouterIndex(sender);
    // The cost the sender's table was charged on the way: the label of that direction, now.
    const int label = from >= 0 ? Topology::CostLabel(from, router) : -1;
    const double link = label >= 0 ? std::nearbyint(ReadNumber(form_.lblCost[label].caption)) : 0.0;
    const auto offer = [&](const std::string& cost) {
        if (label < 0) {
            return sender + " offers " + Said(cost);
        }
        return sender + " offers " + Said(ReadNumber(cost) - link) + ", link " + sender + "-" + me +
               " adds " + Said(link);
    };
    const int rows = std::min<int>(Router::kRows, static_cast<int>(fields.size()) - 3);
    for (int k = 0; k < rows; ++k) {
        const std::string& c = fields[k + 3];
        const RouteRow& was = before[k];
        const RouteRow& now = after[k];
        const std::string network = NetworkLetter(k);
        if (SameRow(was, now)) {
            if (IsNumeric(c) && IsNumeric(was.cost) && was.nextHop != sender &&
                ReadNumber(c) == ReadNumber(was.cost)) {
                Add(me + ": route to " + network + " kept at cost " + Said(was.cost) + " via " +
                    was.nextHop + " (" + sender + " offers the same)");
            }
            continue;
        }
        if (!IsNumeric(now.cost)) {
            Add(me + ": route to " + network + " now " + Said(now.cost) + " (next hop " + sender +
                " offers " + Said(c) + ")");
        } else if (was.nextHop == sender && IsNumeric(was.cost) &&
                   ReadNumber(now.cost) > ReadNumber(was.cost)) {
            Add(me + ": route to " + network + " now cost " + Said(now.cost) + " via " + sender +
                ", following its next hop up (" + offer(c) + ")");
        } else {
            Add(me + ": route to " + network + " now cost " + Said(now.cost) + " via " +
                now.nextHop + " (" + offer(c) + ")");
        }
    }
}

void ChangeLog::TellRequest(int router, const std::vector<std::string>& fields) {
    if (fields.size() < 4) {
        return;
    }
    std::string poisoned;
    const Rows& rows = form_.RouterTable[router].Engine().Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        if (rows[k].nextHop == fields[3]) {
            poisoned += (poisoned.empty() ? "" : ", ") + NetworkLetter(k);
        }
    }
    if (!poisoned.empty()) {
        Add(RouterLetter(router) + " -> " + fields[3] + ": poisoned reverse, " + poisoned +
            " sent as inf");
    }
}
