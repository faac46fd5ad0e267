#include "router/Router.h"

#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "router/PanelLayout.h"

#include <algorithm>

namespace {

// First character of a text, or 0 for the empty text (which then matches nothing non-empty).
int FirstChar(std::string_view text) {
    return text.empty() ? -1 : static_cast<unsigned char>(text.front());
}

std::string RowReply(const RouteRow& row) {
    return row.nextHop + ":" + row.cost;
}

} // namespace

std::string Router::FormatCost(std::string_view offered, std::string_view added) {
    if (!IsNumeric(added)) {
        return std::string(offered);
    }
    return NumberText(ReadNumber(offered) + ReadNumber(added));
}

bool Router::Write(std::string_view message) {
    const std::vector<std::string> fields = SplitFields(message);
    const int count = static_cast<int>(fields.size());
    // At most kRows rows are addressed.
    const int rowCount = count <= kLeadingFields + kRows ? count - kLeadingFields : kRows;
    const std::string& kind = fields[0];
    if (kind == "Q") {
        return Query(fields);
    }
    if (kind == "Y") {
        return RandomQuery();
    }
    if (kind == "I") {
        clocks_ = {};
        return Initialise(fields, rowCount);
    }
    if (kind == "R") {
        return rules_.Any() ? RipUpdate(fields, rowCount) : Update(fields, rowCount);
    }
    if (kind == "B") {
        return Break(fields);
    }
    if (kind == "Z") {
        return TableRequest(fields);
    }
    if (kind == "W") {
        return RipRequest(fields);
    }
    return true;
}

void Router::HideFrom(int rowCount) {
    for (int k = rowCount; k < kRows; ++k) {
        rows_[k].shown = false;
    }
    height_ = PanelLayout::kFullHeight - PanelLayout::kRowPitch * (kRows - rowCount);
}

bool Router::Initialise(const std::vector<std::string>& fields, int rowCount) {
    if (rowCount < 0) {
        return false;
    }
    for (int k = 0; k < rowCount; ++k) {
        const std::string& c = fields[k + kLeadingFields];
        RouteRow& row = rows_[k];
        row.nextHop = "-";
        if (IsNumeric(c)) {
            row.cost = NumberText(ReadNumber(c));
            row.nextHop = "L";
            row.shown = true;
        } else {
            row.cost = c;
            row.shown = false;
        }
    }
    HideFrom(rowCount);
    return true;
}

bool Router::Update(const std::vector<std::string>& fields, int rowCount) {
    if (rowCount < 0) {
        return false;
    }
    const std::string& added = fields[1];
    const std::string& sender = fields[2];
    for (int k = 0; k < rowCount; ++k) {
        const std::string& c = fields[k + kLeadingFields];
        if (c.empty()) {
            continue; // left out of a table sent under RIP's rules: nothing is said of it
        }
        RouteRow& row = rows_[k];
        const bool numeric = IsNumeric(c);
        // The route through the sender follows the sender's latest offer, up or down.
        if (FirstChar(row.nextHop) == FirstChar(sender) && FirstChar(sender) >= 0) {
            row.cost = numeric ? FormatCost(c, added) : c;
            row.nextHop = sender;
        }
        // A strictly cheaper offer (or any offer against a non-numeric cost) wins; ties keep the
        // route already held.
        if (numeric &&
            (!IsNumeric(row.cost) || ReadNumber(added) + ReadNumber(c) < ReadNumber(row.cost))) {
            row.cost = FormatCost(c, added);
            row.nextHop = sender;
        }
        if (numeric) {
            row.shown = true;
        }
    }
    HideFrom(rowCount);
    return true;
}

bool Router::Break(const std::vector<std::string>& fields) {
    if (fields.size() < 2) {
        return false;
    }
    for (int k = 0; k < kRows; ++k) {
        RouteRow& row = rows_[k];
        if (row.nextHop == fields[1]) {
            const bool wasReachable = IsNumeric(row.cost);
            row.cost = "inf";
            row.nextHop = "-";
            if (wasReachable) {
                Unreachable(k);
            }
        }
    }
    return true;
}

bool Router::TableRequest(const std::vector<std::string>& fields) {
    if (fields.size() < 3) {
        return false;
    }
    const std::string& linkCost = fields[1];
    const bool poison = fields.size() > 3;
    std::string reply = "R:0:" + fields[2];
    for (const RouteRow& row : rows_) {
        std::string offer = Offer(row, linkCost);
        if (poison && fields[3] == row.nextHop) {
            offer = "inf";
        }
        reply += ":" + offer;
    }
    reply_ = std::move(reply);
    return true;
}

std::string Router::Offer(const RouteRow& row, const std::string& linkCost) const {
    if (IsNumeric(row.cost)) {
        const double value = ReadNumber(row.cost) + ReadNumber(linkCost);
        return rules_.infinity && value >= RipRules::kInfinity ? "inf" : NumberText(value);
    }
    return row.cost == "inf" ? "inf" : linkCost;
}

bool Router::Query(const std::vector<std::string>& fields) {
    if (fields.size() < 2) {
        return false;
    }
    const int wanted = FirstChar(fields[1]);
    reply_.clear();
    for (int k = 0; k < kRows; ++k) {
        const int letter = 'a' + k;
        if (letter - 32 == wanted || letter == wanted) {
            reply_ = RowReply(rows_[k]);
        }
    }
    return true;
}

bool Router::RandomQuery() {
    reply_.clear();
    if (std::none_of(rows_.begin(), rows_.end(), [](const RouteRow& r) { return r.shown; })) {
        return false;
    }
    int k = 0;
    do {
        k = std::clamp(static_cast<int>(kRows * random_->Next()), 0, kRows - 1) + 1;
    } while (!rows_[k - 1].shown);
    reply_ = RowReply(rows_[k - 1]);
    return true;
}

void Router::Load(const std::array<RouteRow, kRows>& rows, int height, std::string reply,
                  const std::array<RouteClock, kRows>& clocks, long clock) {
    rows_ = rows;
    height_ = height;
    reply_ = std::move(reply);
    clocks_ = clocks;
    now_ = clock;
}

void Router::SetRules(const RipRules& rules) {
    const bool capNow = rules.infinity && !rules_.infinity;
    if (rules.timers && !rules_.timers) {
        // Every learned route starts its timeout afresh.
        for (int k = 0; k < kRows; ++k) {
            const bool learned = IsNumeric(rows_[k].cost) && RouterIndex(rows_[k].nextHop) >= 0;
            clocks_[k].heard = learned ? now_ : -1;
        }
    }
    if (!rules.timers) {
        for (RouteClock& clock : clocks_) {
            clock.heard = clock.garbageUntil = -1;
        }
    }
    if (!rules.holdDown) {
        for (RouteClock& clock : clocks_) {
            clock.heldUntil = -1;
        }
    }
    rules_ = rules;
    if (capNow) {
        // 16 is unreachable from now on, for the routes held already too.
        for (int k = 0; k < kRows; ++k) {
            if (IsNumeric(rows_[k].cost) && ReadNumber(rows_[k].cost) >= RipRules::kInfinity) {
                rows_[k].cost = "inf";
                Unreachable(k);
            }
        }
    }
}

void Router::Unreachable(int k) {
    if (rules_.timers) {
        clocks_[k].garbageUntil = now_ + rules_.garbageTicks;
    }
    if (rules_.holdDown) {
        clocks_[k].heldUntil = now_ + rules_.holdDownTicks;
    }
}

bool Router::RipUpdate(const std::vector<std::string>& fields, int rowCount) {
    if (rowCount < 0) {
        return false;
    }
    const std::string& added = fields[1];
    const std::string& sender = fields[2];
    const bool fromRouter = FirstChar(sender) >= 0;
    for (int k = 0; k < rowCount; ++k) {
        const std::string& c = fields[k + kLeadingFields];
        RouteRow& row = rows_[k];
        if (c.empty() || row.nextHop == "L") {
            // Left out of the table, nothing is said of this network; or it is the router's
            // own, directly connected, which no offer replaces.
            continue;
        }
        RouteClock& clock = clocks_[k];
        std::string offer = IsNumeric(c) ? FormatCost(c, added) : c;
        bool reachable = IsNumeric(offer);
        if (reachable && rules_.infinity && ReadNumber(offer) >= RipRules::kInfinity) {
            offer = "inf";
            reachable = false;
        }
        const bool held = Held(k);
        if (fromRouter && FirstChar(row.nextHop) == FirstChar(sender)) {
            // The route through the sender hears from its next hop: its timeout restarts, and it
            // follows the offer, up or down, but not out of hold-down.
            clock.heard = now_;
            if (!reachable) {
                const bool wasReachable = IsNumeric(row.cost);
                row.cost = offer;
                row.nextHop = sender;
                if (wasReachable) {
                    Unreachable(k);
                }
            } else if (!held) {
                row.cost = offer;
                row.nextHop = sender;
                clock.garbageUntil = -1;
            }
        }
        if (reachable && !held &&
            (!IsNumeric(row.cost) || ReadNumber(offer) < ReadNumber(row.cost))) {
            row.cost = offer;
            row.nextHop = sender;
            clock.heard = now_;
            clock.garbageUntil = -1;
        }
        if (reachable && !held) {
            row.shown = true;
        }
    }
    HideFrom(rowCount);
    return true;
}

bool Router::RipRequest(const std::vector<std::string>& fields) {
    constexpr std::size_t kFields = 6; // W, cost, sender, receiver, rows, split
    if (fields.size() < kFields) {
        return false;
    }
    const std::string& linkCost = fields[1];
    const std::string& receiver = fields[3];
    const std::string& include = fields[4];
    const std::string& split = fields[5];
    std::string reply = "R:0:" + fields[2];
    for (int k = 0; k < kRows; ++k) {
        const RouteRow& row = rows_[k];
        std::string offer;
        if (static_cast<int>(include.size()) > k && include[k] == '1') {
            offer = Offer(row, linkCost);
            if (row.nextHop == receiver && split == "S") {
                offer.clear();
            } else if (row.nextHop == receiver && split == "P") {
                offer = "inf";
            }
        }
        reply += ":" + offer;
    }
    reply_ = std::move(reply);
    return true;
}

std::vector<RouteEvent> Router::Advance(long tick) {
    now_ = tick;
    std::vector<RouteEvent> events;
    for (int k = 0; k < kRows; ++k) {
        RouteRow& row = rows_[k];
        RouteClock& clock = clocks_[k];
        const bool learned = IsNumeric(row.cost) && RouterIndex(row.nextHop) >= 0;
        if (rules_.timers && learned && clock.heard >= 0 &&
            clock.heard + rules_.timeoutTicks <= tick) {
            // Timed out when the timeout ran out, whenever Advance noticed.
            const long at = clock.heard + rules_.timeoutTicks;
            row.cost = "inf";
            clock.heard = -1;
            clock.garbageUntil = at + rules_.garbageTicks;
            clock.heldUntil = rules_.holdDown ? at + rules_.holdDownTicks : -1;
            events.push_back({k, RouteEvent::Kind::TimedOut});
        }
        if (clock.garbageUntil >= 0 && clock.garbageUntil <= tick) {
            clock.garbageUntil = -1;
            if (!IsNumeric(row.cost)) {
                row.cost = "inf";
                row.nextHop = "-";
                row.shown = false;
                events.push_back({k, RouteEvent::Kind::Cleared});
            }
        }
        if (clock.heldUntil >= 0 && clock.heldUntil <= tick) {
            clock.heldUntil = -1;
            events.push_back({k, RouteEvent::Kind::HoldDownOver});
        }
    }
    return events;
}

bool Router::ClocksRun() const {
    for (int k = 0; k < kRows; ++k) {
        const RouteClock& clock = clocks_[k];
        const bool learned = IsNumeric(rows_[k].cost) && RouterIndex(rows_[k].nextHop) >= 0;
        if ((rules_.timers && learned && clock.heard >= 0) || clock.garbageUntil >= 0 ||
            clock.heldUntil >= 0) {
            return true;
        }
    }
    return false;
}
