#pragma once

#include "common/RandomSource.h"

// A small, fast, deterministic generator (SplitMix64): the same seed gives the same sequence.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 0) : state_(seed) {}
    void Seed(std::uint64_t seed) override { state_ = seed; }
    double Next() override;

private:
    std::uint64_t state_;
};
