#pragma once

#include <cstdint>

// The program's one pseudo-random source: uniform numbers in [0, 1). Integer draws take the
// integer part of the number times n.
class RandomSource {
public:
    // Where a source stands: the seed it was last given, and its state after the draws since.
    struct Position {
        std::uint64_t seed = 0;
        std::uint64_t state = 0;
        bool operator==(const Position&) const = default;
    };

    virtual ~RandomSource() = default;
    virtual void Seed(std::uint64_t seed) = 0;
    virtual double Next() = 0;
    virtual Position Where() const = 0;
    // Puts the source back where Where said it stood: the same numbers follow.
    virtual void GoTo(const Position& position) = 0;
};
