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
        return Initialise(fields, rowCount);
    }
    if (kind == "R") {
        return Update(fields, rowCount);
    }
    if (kind == "B") {
        return Break(fields);
    }
    if (kind == "Z") {
        return TableRequest(fields);
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
    for (RouteRow& row : rows_) {
        if (row.nextHop == fields[1]) {
            row.cost = "inf";
            row.nextHop = "-";
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
        std::string offer;
        if (IsNumeric(row.cost)) {
            offer = NumberText(ReadNumber(row.cost) + ReadNumber(linkCost));
        } else if (row.cost == "inf") {
            offer = "inf";
        } else {
            offer = linkCost;
        }
        if (poison && fields[3] == row.nextHop) {
            offer = "inf";
        }
        reply += ":" + offer;
    }
    reply_ = std::move(reply);
    return true;
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
