#include "app/ChangeLog.h"

#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/Translate.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "packets/PacketMotion.h"

#include <algorithm>

namespace {

// A number as a sentence says it: "3", not " 3".
std::string Said(double value) {
    return std::string(TrimBlanks(NumberText(value)));
}

std::string Said(const std::string& cost) {
    return std::string(TrimBlanks(cost));
}

// Networks as a list in a sentence: "a, c".
void List(std::string& list, const std::string& item) {
    list += (list.empty() ? "" : ", ") + item;
}

} // namespace

std::string ChangeLog::Line::Shown() const {
    return Translate("tick {tick}  {line}", {{"tick", std::to_string(tick)}, {"line", text}});
}

ChangeLog::ChangeLog(FormState& form, FormRuntime& runtime) : form_(form), runtime_(runtime) {
    // Whoever watched the messages before goes on being told, first.
    runtime_.routerMessageObserver =
        [this, earlier = std::move(runtime_.routerMessageObserver)](const RouterMessage& message) {
            if (earlier) {
                earlier(message);
            }
            OnMessage(message);
        };
    runtime_.routerEventObserver = [this, earlier = std::move(runtime_.routerEventObserver)](
                                       int router, const std::string& what) {
        if (earlier) {
            earlier(router, what);
        }
        Add(what);
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

const char* ChangeLog::Name(Highlight mode) {
    switch (mode) {
    case Highlight::UntilNextTick:
        return Message("until the next tick").data();
    case Highlight::ForSeconds:
        return Message("for three seconds").data();
    case Highlight::UntilNextChange:
        return Message("until the next change").data();
    case Highlight::Off:
        break;
    }
    return Message("off").data();
}

void ChangeLog::ClearMarks() {
    marks_ = {};
    momentTick_ = -1;
    Refresh();
}

bool ChangeLog::HasMarks() const {
    for (const auto& router : marks_) {
        for (const std::optional<Mark>& mark : router) {
            if (mark) {
                return true;
            }
        }
    }
    return false;
}

std::optional<long> ChangeLog::MarksRunOutAt() const {
    if (highlight_ != Highlight::ForSeconds) {
        return std::nullopt;
    }
    std::optional<long> first;
    for (const auto& router : marks_) {
        for (const std::optional<Mark>& mark : router) {
            if (mark && (!first || mark->time < *first)) {
                first = mark->time;
            }
        }
    }
    return first ? std::optional<long>(*first + kHighlightMilliseconds) : std::nullopt;
}

bool ChangeLog::Alive(const Mark& mark) const {
    switch (highlight_) {
    case Highlight::UntilNextTick:
        return mark.tick == runtime_.TickNumber;
    case Highlight::ForSeconds:
        return now_ - mark.time < kHighlightMilliseconds;
    case Highlight::UntilNextChange:
        return true; // a new moment of change clears the older marks itself
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
        dropped_ += kMostLines / 10;
    }
    lines_.push_back({runtime_.TickNumber, std::move(text)});
}

void ChangeLog::AddAbout(int router, int network, std::string text, bool tie) {
    Add(std::move(text));
    lines_.back().router = router;
    lines_.back().network = network;
    lines_.back().tie = tie;
}

void ChangeLog::OnMessage(const RouterMessage& message) {
    const std::vector<std::string> fields = SplitFields(message.text);
    const int router = message.router;
    const Rows& before = message.before;
    const Rows& after = form_.RouterTable[router].Engine().Rows();
    const std::string me = RouterLetter(router);
    const std::string& kind = fields[0];
    if (kind == "I" && !form_.btnRouter[router].visible) {
        return; // a router the scenario hides is reset out of sight
    }
    Add(me + " <- " + std::string(message.text));
    if (kind == "R") {
        TellUpdate(message, fields);
    } else if (kind == "Z" || kind == "W" || kind == "Q" || kind == "Y") {
        Add(Translate("{router} answers {table}",
                      {{"router", me}, {"table", runtime_.ReadTable(router)}}));
        if (kind == "Z" || kind == "W") {
            TellRequest(router, fields);
        }
    } else if (kind == "B" && fields.size() > 1) {
        std::string lost;
        for (int k = 0; k < Router::kRows; ++k) {
            if (before[k] != after[k]) {
                List(lost, NetworkLetter(k));
            }
        }
        Add(lost.empty()
                ? Translate("{router}: link to {neighbour} broken",
                            {{"router", me}, {"neighbour", fields[1]}})
                : Translate("{router}: link to {neighbour} broken; routes to {networks} "
                            "now inf",
                            {{"router", me}, {"neighbour", fields[1]}, {"networks", lost}}));
        for (int k = 0; k < Router::kRows; ++k) {
            if (before[k] != after[k]) {
                reasons_[router][k] =
                    Reason{after[k],
                           Translate("the link to {neighbour} broke", {{"neighbour", fields[1]}}),
                           runtime_.TickNumber};
            }
        }
    } else if (kind == "I") {
        Add(Translate("{router}: table reset", {{"router", me}}));
    }
    if (before != after && highlight_ != Highlight::Off) {
        MarkChanges(message);
    }
}

void ChangeLog::MarkChanges(const RouterMessage& message) {
    const long tick = runtime_.TickNumber;
    if (highlight_ == Highlight::UntilNextChange) {
        // A table that arrives was sent one hop earlier; a click acts on its own tick. What was
        // already under way when the moment began, or happens on its tick, belongs to it.
        const long sent = message.linkCost ? tick - PacketMotion::kArrivalTick : tick;
        const bool sameMoment = momentTick_ >= 0 && (tick == momentTick_ || sent < momentTick_);
        if (!sameMoment) {
            marks_ = {};
            momentTick_ = tick;
        }
    }
    const Rows& after = form_.RouterTable[message.router].Engine().Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        if (message.before[k] != after[k]) {
            marks_[message.router][k] = Mark{tick, now_};
        }
    }
    Refresh();
}

void ChangeLog::TellUpdate(const RouterMessage& message, const std::vector<std::string>& fields) {
    if (fields.size() < 3) {
        return;
    }
    const int router = message.router;
    const Rows& before = message.before;
    const Rows& after = form_.RouterTable[router].Engine().Rows();
    const std::string me = RouterLetter(router);
    const std::string& sender = fields[2];
    // The table's packet knows the link cost it was charged when it was sent: what the sender
    // offered is the cost it carries less that.
    const auto offer = [&](const std::string& cost) {
        return Offer(sender, me, cost,
                     message.linkCost ? std::optional<double>(*message.linkCost) : std::nullopt);
    };
    const Router& engine = form_.RouterTable[router].Engine();
    const int rows = std::min<int>(Router::kRows, static_cast<int>(fields.size()) - 3);
    for (int k = 0; k < rows; ++k) {
        const std::string& c = fields[k + 3];
        const RouteRow& was = before[k];
        const RouteRow& now = after[k];
        const std::string network = NetworkLetter(k);
        if (c.empty()) {
            continue; // left out of the table
        }
        if (was == now) {
            if (IsNumeric(c) && engine.Held(k)) {
                const long left = engine.Clocks()[k].heldUntil - engine.Clock();
                AddAbout(
                    router, k,
                    Translate("{router}: route to {network} held down, {sender}'s offer refused "
                              "({offer}); {seconds} s more",
                              {{"router", me},
                               {"network", network},
                               {"sender", sender},
                               {"offer", offer(c)},
                               {"seconds", std::to_string(RipRules::Seconds(left))}}));
            } else if (IsNumeric(c) && IsNumeric(was.cost) && was.nextHop != sender &&
                       ReadNumber(c) == ReadNumber(was.cost)) {
                AddAbout(router, k,
                         Translate("{router}: route to {network} kept at cost {cost} via {hop} "
                                   "({sender} offers the same)",
                                   {{"router", me},
                                    {"network", network},
                                    {"cost", Said(was.cost)},
                                    {"hop", was.nextHop},
                                    {"sender", sender}}),
                         true);
            }
            continue;
        }
        const double link = message.linkCost ? *message.linkCost : 0;
        reasons_[router][k] = Reason{
            now,
            IsNumeric(c) && message.linkCost
                ? Translate("{sender} offered {offer} and the link {sender}-{router} adds "
                            "{link}",
                            {{"sender", sender},
                             {"offer", Said(ReadNumber(c) - link)},
                             {"router", me},
                             {"link", Said(link)}})
                : Translate("{sender} offered {offer}", {{"sender", sender}, {"offer", Said(c)}}),
            runtime_.TickNumber};
        if (!IsNumeric(now.cost) && IsNumeric(c)) {
            AddAbout(router, k,
                     Translate("{router}: route to {network} now inf, {infinity} being unreachable "
                               "({offer})",
                               {{"router", me},
                                {"network", network},
                                {"infinity", std::to_string(RipRules::kInfinity)},
                                {"offer", offer(c)}}));
        } else if (!IsNumeric(now.cost)) {
            AddAbout(router, k,
                     Translate("{router}: route to {network} now {cost} (next hop {sender} offers "
                               "{offer})",
                               {{"router", me},
                                {"network", network},
                                {"cost", Said(now.cost)},
                                {"sender", sender},
                                {"offer", Said(c)}}));
        } else if (was.nextHop == sender && IsNumeric(was.cost) &&
                   ReadNumber(now.cost) > ReadNumber(was.cost)) {
            AddAbout(
                router, k,
                Translate("{router}: route to {network} now cost {cost} via {sender}, following "
                          "its next hop up ({offer})",
                          {{"router", me},
                           {"network", network},
                           {"cost", Said(now.cost)},
                           {"sender", sender},
                           {"offer", offer(c)}}));
        } else {
            AddAbout(router, k,
                     Translate("{router}: route to {network} now cost {cost} via {hop} ({offer})",
                               {{"router", me},
                                {"network", network},
                                {"cost", Said(now.cost)},
                                {"hop", now.nextHop},
                                {"offer", offer(c)}}));
        }
    }
}

std::string ChangeLog::Offer(const std::string& sender, const std::string& receiver,
                             const std::string& carried, std::optional<double> linkCost) {
    if (!linkCost || !IsNumeric(carried)) {
        return Translate("{sender} offers {offer}", {{"sender", sender}, {"offer", Said(carried)}});
    }
    return Translate("{sender} offers {offer}, link {sender}-{receiver} adds {link}",
                     {{"sender", sender},
                      {"offer", Said(ReadNumber(carried) - *linkCost)},
                      {"receiver", receiver},
                      {"link", Said(*linkCost)}});
}

void ChangeLog::TellRequest(int router, const std::vector<std::string>& fields) {
    // A plain table request with a fourth field poisons; RIP's says how, and which rows go.
    constexpr std::size_t kRipFields = 6;
    const bool rip = fields[0] == "W";
    if (fields.size() < (rip ? kRipFields : 4)) {
        return;
    }
    const std::string split = rip ? fields[5] : "P";
    if (split != "P" && split != "S") {
        return;
    }
    std::string through;
    const Rows& rows = form_.RouterTable[router].Engine().Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        const bool sent = !rip || (static_cast<int>(fields[4].size()) > k && fields[4][k] == '1');
        if (sent && rows[k].nextHop == fields[3]) {
            List(through, NetworkLetter(k));
        }
    }
    if (!through.empty()) {
        const MessageArguments arguments = {
            {"router", RouterLetter(router)}, {"neighbour", fields[3]}, {"networks", through}};
        Add(split == "P"
                ? Translate("{router} -> {neighbour}: poisoned reverse, {networks} sent as inf",
                            arguments)
                : Translate("{router} -> {neighbour}: split horizon, {networks} left out",
                            arguments));
    }
}

std::string ChangeLog::Explain(int router, int k) const {
    const RouteRow& row = form_.RouterTable[router].Engine().Rows()[k];
    const std::string me = RouterLetter(router);
    const std::string network = NetworkLetter(k);
    if (row.nextHop == "L") {
        return Translate("Network {network} is {router}'s own: cost {cost}, next hop L",
                         {{"network", network}, {"router", me}, {"cost", Said(row.cost)}});
    }
    const std::string said =
        IsNumeric(row.cost)
            ? Translate("{router} reaches network {network} at cost {cost} through {hop}",
                        {{"router", me},
                         {"network", network},
                         {"cost", Said(row.cost)},
                         {"hop", row.nextHop}})
            : Translate("{cost}: {router} has no route to network {network}",
                        {{"cost", Said(row.cost)}, {"router", me}, {"network", network}});
    const std::optional<Reason>& reason = reasons_[router][k];
    if (!reason || reason->row != row) {
        return said;
    }
    return Translate(
        "{row}: {reason} (tick {tick})",
        {{"row", said}, {"reason", reason->why}, {"tick", std::to_string(reason->tick)}});
}
