#include "common/SeededRandom.h"

double SeededRandom::Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 53 bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}
