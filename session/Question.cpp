#include "session/Question.h"

#include "app/ChangeLog.h"
#include "common/Fields.h"
#include "common/Letters.h"
#include "common/NumberText.h"
#include "common/Translate.h"
#include "session/Rehearsal.h"

#include <algorithm>

namespace {

std::string Said(const std::string& cost) {
    return std::string(TrimBlanks(cost));
}

// In small letters, A to Z only: the same in every locale.
std::string Lower(std::string_view text) {
    std::string out(TrimBlanks(text));
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

bool SameCost(const std::string& given, const std::string& shown) {
    std::string g = Lower(given);
    if (g == "\xE2\x88\x9E" || g == "infinity") {
        g = "inf";
    }
    const std::string s = Lower(shown);
    if (IsNumeric(g) && IsNumeric(s)) {
        return ReadNumber(g) == ReadNumber(s);
    }
    return !IsNumeric(g) && !IsNumeric(s) && g == s;
}

bool SameHop(const std::string& given, const std::string& shown) {
    const std::string g = Lower(given);
    return (g.empty() ? std::string("-") : g) == Lower(shown);
}

// "3 via A", "inf", "1, its own network".
std::string RouteWords(const RouteRow& row) {
    if (row.nextHop == "L") {
        return Translate("{cost}, its own network", {{"cost", Said(row.cost)}});
    }
    if (!IsNumeric(TrimBlanks(row.cost)) || row.nextHop == "-") {
        return Said(row.cost);
    }
    return Translate("{cost} via {hop}", {{"cost", Said(row.cost)}, {"hop", row.nextHop}});
}

// Why a router's row for a network stands as it does after the tables it heard: the log's line
// where a table changed it (or refused it), else what each table offered and why it was no
// better.
std::string Why(const Rehearsal& rehearsal, int router, int k) {
    const std::string me = RouterLetter(router);
    const std::string network = NetworkLetter(k);
    // What each table said of the row; an offer of inf to a row at inf tells nothing, and is
    // said only when nothing else is.
    std::vector<std::string> parts;
    std::vector<std::string> idle;
    for (const Rehearsal::Heard& heard : rehearsal.HeardBy(router)) {
        std::vector<std::string> said;
        for (const ChangeLog::Line& line : heard.lines) {
            // A tie the log tells without the link's cost is told below, with it.
            if (line.router == router && line.network == k && !line.tie) {
                said.push_back(line.text);
            }
        }
        if (!said.empty()) {
            parts.insert(parts.end(), said.begin(), said.end());
            continue;
        }
        const RouteRow& row = heard.after[k];
        const std::string kept =
            Translate("{router} keeps {network} at {route}",
                      {{"router", me}, {"network", network}, {"route", RouteWords(row)}});
        const std::size_t index = static_cast<std::size_t>(k);
        if (index >= heard.carried.size() || heard.carried[index].empty()) {
            parts.push_back(
                Translate("{kept}: {sender}'s table leaves {network} out",
                          {{"kept", kept}, {"sender", heard.sender}, {"network", network}}));
            continue;
        }
        const std::string& carried = heard.carried[index];
        const std::string offer = ChangeLog::Offer(heard.sender, me, carried, heard.linkCost);
        if (!IsNumeric(carried)) {
            (IsNumeric(TrimBlanks(row.cost)) ? parts : idle)
                .push_back(Translate("{kept}: {offer}", {{"kept", kept}, {"offer", offer}}));
        } else if (heard.linkCost) {
            parts.push_back(
                Translate("{kept}: {offer}, and {carried} is no better",
                          {{"kept", kept}, {"offer", offer}, {"carried", Said(carried)}}));
        } else {
            parts.push_back(Translate("{kept}: {offer}", {{"kept", kept}, {"offer", offer}}));
        }
    }
    if (parts.empty()) {
        parts = idle;
    }
    if (parts.empty()) {
        const RouteRow& row = rehearsal.Rows(router)[k];
        if (row.nextHop == "L") {
            return rehearsal.Explain(router, k);
        }
        return Translate("{router} keeps {network} at {route}: no table reached {router}",
                         {{"router", me}, {"network", network}, {"route", RouteWords(row)}});
    }
    std::string why;
    for (const std::string& part : parts) {
        why += (why.empty() ? "" : "; ") + part;
    }
    return why;
}

} // namespace

Question::Attempt Question::Table(const MainForm& form, int router, std::vector<int> networks) {
    Rehearsal rehearsal(form);
    const ChangeLog::Rows now = rehearsal.Rows(router);
    const long arrives = rehearsal.ArriveTables();
    if (arrives == 0) {
        return {std::nullopt, Translate("Not asked: no table is on its way, so {router}'s table "
                                        "stays as it is",
                                        {{"router", RouterLetter(router)}})};
    }
    const ChangeLog::Rows& then = rehearsal.Rows(router);
    if (networks.empty()) {
        for (int k = 0; k < Router::kRows; ++k) {
            if (then[k].shown && then[k].nextHop != "L") {
                networks.push_back(k);
            }
        }
    }
    if (networks.empty()) {
        return {std::nullopt,
                Translate("Not asked: {router}'s table will show no network but its own",
                          {{"router", RouterLetter(router)}})};
    }
    Question question(Kind::Table, router);
    question.arrives_ = arrives;
    for (const int k : networks) {
        question.rows_.push_back({k, now[k], then[k], Why(rehearsal, router, k)});
    }
    return {std::move(question), {}};
}

Question::Attempt Question::Rounds(const MainForm& form, int router, int network) {
    Rehearsal rehearsal(form);
    rehearsal.Settle();
    const std::string me = RouterLetter(router);
    const std::string route = Translate("{router}'s route to {network}",
                                        {{"router", me}, {"network", NetworkLetter(network)}});
    const auto cost = [&] { return Said(rehearsal.Rows(router)[network].cost); };
    const RouteRow now = rehearsal.Rows(router)[network];
    if (!IsNumeric(cost())) {
        return {std::nullopt,
                Translate("Not asked: {router} shows network {network} at inf already",
                          {{"router", me}, {"network", NetworkLetter(network)}})};
    }
    // The cost now and after each round, and the round from which the route has stayed at inf.
    std::vector<std::string> costs{cost()};
    const auto went = [&costs](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < std::min(count, costs.size()); ++i) {
            text += (text.empty() ? "" : ", ") + costs[i];
        }
        return text;
    };
    int givenUp = 0;
    RouteRow then;
    bool cameBack = false;
    for (int round = 1; round <= kRestRounds; ++round) {
        const bool rest = rehearsal.Round();
        costs.push_back(cost());
        if (IsNumeric(cost())) {
            cameBack = cameBack || givenUp > 0;
            givenUp = 0;
            if (round >= kMostRounds) {
                break;
            }
        } else if (givenUp == 0) {
            givenUp = round;
            then = rehearsal.Rows(router)[network];
        }
        if (givenUp > 0 && rest) {
            Question question(Kind::Rounds, router);
            question.sixteen_ = form.State().Rip.on.infinity;
            question.rounds_ = givenUp;
            question.rows_.push_back({network, now, then,
                                      Translate("{route} went {costs}, then inf for good: {rounds}",
                                                {{"route", route},
                                                 {"costs", went(static_cast<std::size_t>(givenUp))},
                                                 {"rounds", Rounds(givenUp)}})});
            return {std::move(question), {}};
        }
    }
    constexpr std::size_t kShown = 8;
    const std::string seen = went(kShown) + (costs.size() > kShown ? ", ..." : "");
    if (cameBack) {
        return {std::nullopt, Translate("Not asked: {route} comes back after it is given up "
                                        "({costs}), so no round gives it up for good",
                                        {{"route", route}, {"costs", seen}})};
    }
    if (givenUp == 0) {
        return {std::nullopt,
                Translate(
                    "Not asked: {route} still stands after {rounds} rounds of "
                    "Update ({costs}), with no infinity to end the count",
                    {{"route", route}, {"rounds", std::to_string(kMostRounds)}, {"costs", seen}})};
    }
    return {std::nullopt, Translate("Not asked: the tables do not come to rest, so whether "
                                    "{route} is given up for good is not known",
                                    {{"route", route}})};
}

std::string Question::Rounds(int count) {
    return TranslateCount("{count} more round of Update", "{count} more rounds of Update", count);
}

std::string Question::Prompt() const {
    const std::string me = RouterLetter(router_);
    if (kind_ == Kind::Rounds) {
        const MessageArguments about = {{"router", me},
                                        {"network", NetworkLetter(rows_.front().network)}};
        return sixteen_ ? Translate("After how many more rounds of Update does {router} give up "
                                    "network {network} for good, with RIP's infinity of 16 on?",
                                    about)
                        : Translate("After how many more rounds of Update does {router} give up "
                                    "network {network} for good?",
                                    about);
    }
    return Translate("Predict {router}'s table once the tables on their way have arrived",
                     {{"router", me}});
}

std::string Question::Hint() const {
    if (kind_ == Kind::Rounds) {
        return Translate("A route given up for good shows inf, and still inf a round later. Type a "
                         "number and press Enter; Page Down reveals the answer.");
    }
    return Translate("Type each row's cost (a number or inf), Tab to its next hop (a router's "
                     "letter), Enter to check; Page Down reveals the answer.");
}

std::vector<Question::Cell> Question::Cells() const {
    const std::string me = RouterLetter(router_);
    std::vector<Cell> cells;
    if (kind_ == Kind::Rounds) {
        cells.push_back(
            {rows_.front().network, false,
             Translate("Rounds of Update until {router} gives up network {network} for good",
                       {{"router", me}, {"network", NetworkLetter(rows_.front().network)}}),
             ""});
        return cells;
    }
    for (const Row& row : rows_) {
        const std::string network = NetworkLetter(row.network);
        const bool shown = row.now.shown;
        cells.push_back({row.network, false,
                         Translate("{router}'s cost to network {network}",
                                   {{"router", me}, {"network", network}}),
                         shown ? Said(row.now.cost) : ""});
        cells.push_back({row.network, true,
                         Translate("{router}'s next hop to network {network}",
                                   {{"router", me}, {"network", network}}),
                         shown ? row.now.nextHop : ""});
    }
    return cells;
}

std::vector<std::string> Question::Answer() const {
    if (kind_ == Kind::Rounds) {
        return {std::to_string(rounds_)};
    }
    std::vector<std::string> cells;
    for (const Row& row : rows_) {
        cells.push_back(Said(row.shows.cost));
        cells.push_back(row.shows.nextHop);
    }
    return cells;
}

std::string Question::Told(const Row& row) const {
    return Translate("{network}: {cost}, next hop {hop}. {why}",
                     {{"network", NetworkLetter(row.network)},
                      {"cost", Said(row.shows.cost)},
                      {"hop", row.shows.nextHop},
                      {"why", row.why}});
}

Question::Result Question::Grade(const std::vector<std::string>& cells) const {
    const auto cell = [&cells](std::size_t i) { return i < cells.size() ? cells[i] : ""; };
    Result result;
    const std::string me = RouterLetter(router_);
    if (kind_ == Kind::Rounds) {
        const std::string given(TrimBlanks(cell(0)));
        const bool right = IsNumeric(given) && ReadNumber(given) == rounds_;
        result.right = {right};
        result.rightCount = right ? 1 : 0;
        const std::string rounds = Rounds(rounds_);
        result.summary = right           ? Translate("Right: {answer}", {{"answer", rounds}})
                         : given.empty() ? Translate("No answer: {answer}", {{"answer", rounds}})
                                         : Translate("Not {given}: {answer}",
                                                     {{"given", given}, {"answer", rounds}});
        if (!right) {
            result.wrong.push_back(rows_.front().why);
        }
        return result;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row& row = rows_[i];
        const bool right =
            SameCost(cell(2 * i), row.shows.cost) && SameHop(cell(2 * i + 1), row.shows.nextHop);
        result.right.push_back(right);
        result.rightCount += right ? 1 : 0;
        if (!right) {
            result.wrong.push_back(Told(row));
        }
    }
    result.summary = Translate("{router}'s table: {right} of {rows} rows right",
                               {{"router", me},
                                {"right", std::to_string(result.rightCount)},
                                {"rows", std::to_string(rows_.size())}});
    return result;
}

std::vector<std::string> Question::Told() const {
    if (kind_ == Kind::Rounds) {
        return {rows_.front().why};
    }
    std::vector<std::string> told;
    for (const Row& row : rows_) {
        told.push_back(Told(row));
    }
    return told;
}

const std::vector<std::string>& Question::PadKeys() {
    static const std::vector<std::string> keys{"1", "2", "3", "4",   "5", "6",    "7",
                                               "8", "9", "0", "inf", "A", "B",    "C",
                                               "D", "E", "F", "L",   "-", kErase, kCheck};
    return keys;
}

Question::Pressed Question::Press(const std::vector<std::string>& values, std::size_t current,
                                  const std::string& key, bool selected) const {
    const std::vector<Cell> cells = Cells();
    const bool digit = key.size() == 1 && key[0] >= '0' && key[0] <= '9';
    const bool erase = key == kErase;
    const auto takes = [&](std::size_t i) {
        return erase || (cells[i].hop ? !digit && key != "inf" : digit || key == "inf");
    };
    Pressed pressed;
    pressed.cell = std::min(current, cells.size() - 1);
    for (std::size_t i = pressed.cell; i < cells.size(); ++i) {
        if (takes(i)) {
            pressed.cell = i;
            break;
        }
    }
    // What was there before the cell was taken up, or selected, is typed over.
    const bool typedOver = selected || pressed.cell != std::min(current, cells.size() - 1);
    const std::string cell = pressed.cell < values.size() && !typedOver ? values[pressed.cell] : "";
    if (erase) {
        pressed.text =
            cell == "inf" || cell.empty() ? std::string() : cell.substr(0, cell.size() - 1);
    } else {
        pressed.text = digit && IsNumeric(cell) ? cell + key : key;
    }
    pressed.next = digit || erase ? pressed.cell : std::min(pressed.cell + 1, cells.size() - 1);
    return pressed;
}
