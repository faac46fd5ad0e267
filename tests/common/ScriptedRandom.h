#pragma once

#include "common/RandomSource.h"

#include <deque>
#include <stdexcept>

// Hands out the numbers a test scripts, in order, and fails the test loudly when it runs dry.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
    void Push(double value) { values_.push_back(value); }
    void Seed(std::uint64_t seed) override { seeds.push_back(seed); }
    double Next() override {
        if (values_.empty()) {
            throw std::logic_error("the test scripted no more random numbers");
        }
        const double value = values_.front();
        values_.pop_front();
        return value;
    }
    std::size_t Left() const { return values_.size(); }
    std::deque<std::uint64_t> seeds;

private:
    std::deque<double> values_;
};
