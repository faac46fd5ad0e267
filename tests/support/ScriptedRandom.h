#pragma once

#include "common/RandomSource.h"
#include "common/SeededRandom.h"

#include <deque>
#include <initializer_list>

// Hands out the numbers a test scripts, in order. When the script runs dry it fails the test
// loudly, unless it was told to go on with a seeded sequence.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
    void Push(double value) { values_.push_back(value); }
    void GoOnWhenDry() { goOn_ = true; }
    void Seed(std::uint64_t seed) override { fallback_.Seed(seed); }
    double Next() override;
    // The seeded sequence it goes on with stands for it.
    Position Where() const override { return fallback_.Where(); }
    void GoTo(const Position& position) override { fallback_.GoTo(position); }
    std::size_t Left() const { return values_.size(); }

private:
    std::deque<double> values_;
    SeededRandom fallback_;
    bool goOn_ = false;
};
