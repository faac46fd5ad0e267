#pragma once

#include "common/RandomSource.h"

// A small, fast, deterministic generator (SplitMix64): the same seed gives the same sequence.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 0) : seed_(seed), state_(seed) {}
    void Seed(std::uint64_t seed) override { seed_ = state_ = seed; }
    double Next() override;
    Position Where() const override { return {seed_, state_}; }
    void GoTo(const Position& position) override {
        seed_ = position.seed;
        state_ = position.state;
    }

private:
    std::uint64_t seed_;
    std::uint64_t state_;
};
