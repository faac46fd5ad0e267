#pragma once

#include <cstdint>

// The program's one pseudo-random source: uniform numbers in [0, 1). Integer draws take the
// integer part of the number times n.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint64_t seed) = 0;
    virtual double Next() = 0;
};
