#include "session/HallAnswers.h"

#include "common/Fields.h"
#include "common/Translate.h"

#include <algorithm>
#include <cctype>

void HallAnswers::Ask(int number, std::size_t cells) {
    if (number != number_) {
        answers_.clear();
    }
    number_ = number;
    cells_ = cells;
}

bool HallAnswers::Take(long long phone, int number, const std::vector<std::string>& cells) {
    if (number != number_ || number_ == 0 || cells.size() > cells_) {
        return false;
    }
    std::vector<std::string> plain(cells_);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        plain[i] = Plain(cells[i]);
    }
    answers_[phone] = std::move(plain);
    return true;
}

std::string HallAnswers::Said(int answered, int following) {
    return Translate(
        "{answered} of {following} answered",
        {{"answered", std::to_string(answered)}, {"following", std::to_string(following)}});
}

std::string HallAnswers::Plain(const std::string& cell) {
    const std::string text(TrimBlanks(cell));
    if (text.empty()) {
        return "";
    }
    if (text == "\xE2\x88\x9E") { // ∞
        return "inf";
    }
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "INF") {
        return "inf";
    }
    if (std::all_of(upper.begin(), upper.end(),
                    [](unsigned char c) { return std::isdigit(c) != 0; })) {
        const std::size_t digit = upper.find_first_not_of('0');
        return digit == std::string::npos ? "0" : upper.substr(digit);
    }
    return upper;
}

std::vector<HallAnswers::Share> HallAnswers::Shares(std::size_t index,
                                                    const std::string& right) const {
    const std::string wanted = Plain(right);
    std::map<std::string, int> counts;
    for (const auto& [phone, cells] : answers_) {
        if (index < cells.size()) {
            ++counts[cells[index]];
        }
    }
    const double all = static_cast<double>(std::max<std::size_t>(answers_.size(), 1));
    std::vector<Share> shares{{wanted, counts[wanted], counts[wanted] / all, true}};
    std::vector<Share> wrong;
    for (const auto& [text, count] : counts) {
        if (text != wanted && count > 0) {
            wrong.push_back({text, count, count / all, false});
        }
    }
    // The most given first; among as many, in the order of their text, so the same answers
    // always show the same.
    std::stable_sort(wrong.begin(), wrong.end(),
                     [](const Share& a, const Share& b) { return a.count > b.count; });
    wrong.resize(std::min<std::size_t>(wrong.size(), 2));
    shares.insert(shares.end(), wrong.begin(), wrong.end());
    return shares;
}
