#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// What the hall's phones answered to the question asked: one answer a phone, the last it sent
// counting, kept only for the question asked now and never shown before the answer is revealed.
class HallAnswers {
public:
    // Question `number` is asked, with `cells` cells: the answers to any other go.
    void Ask(int number, std::size_t cells);
    // A phone's answer to question `number`; false (and nothing kept) for another question or
    // one with more cells than it has.
    bool Take(long long phone, int number, const std::vector<std::string>& cells);
    int Number() const { return number_; }
    int Answered() const { return static_cast<int>(answers_.size()); }
    // "12 of 37 answered".
    static std::string Said(int answered, int following);

    // A cell as the grading reads it: blanks round it gone, "∞" and any case of "inf" as "inf",
    // a number without leading zeros, letters in capitals; "" where nothing was written.
    static std::string Plain(const std::string& cell);
    // How the hall answered cell `index`: the right answer (`right`, as Question::Answer gives
    // it) with its share first, then the two wrong answers given most, each with its share of
    // those who answered (an answer left blank is a wrong one, written "").
    struct Share {
        std::string text;
        int count = 0;
        double share = 0; // of the phones that answered
        bool right = false;
        bool operator==(const Share&) const = default;
    };
    std::vector<Share> Shares(std::size_t index, const std::string& right) const;

private:
    int number_ = 0;
    std::size_t cells_ = 0;
    std::map<long long, std::vector<std::string>> answers_; // by phone, each cell plain
};
