#pragma once

#include "session/Question.h"

#include <cstdint>
#include <string>

class Demonstration;

// Practice for a student alone: question after question drawn at random at one of three levels
// (three routers; four with RIP's infinity of 16; all six with split horizon and RIP's rules),
// each from a seed of its own that the strip shows, so that a question can be shared and asked
// again; a score and a streak of right answers.
class Practice {
public:
    static constexpr int kLevels = 3;
    // Seeds run from 1 to this: short enough to read out.
    static constexpr std::uint64_t kMostSeed = 999999;

    // Practice at `level` (1 to 3), its first question drawn from `seed` (one past 999999 is
    // taken as the seed it leaves over 999999 plus 1).
    Practice(int level, std::uint64_t seed);
    int Level() const { return level_; }
    // The seed of the question asked now.
    std::uint64_t Seed() const { return seed_; }
    // A fresh question on the demonstration: the level's scenario with random costs, some rounds
    // of Update already run, at times a link broken, then a table or a round of Update on its way
    // to predict, or a count to infinity. The first comes from the seed given, each next from the
    // one before.
    void Ask(Demonstration& demonstration, long now);
    // An answer given, or revealed with none.
    void Count(const Question::Result& result);
    void Revealed();
    // "Practice, level 2: 3 of 4 right, streak 2; seed 81234".
    std::string Status() const;
    static const char* LevelName(int level);

private:
    bool TryAsk(Demonstration& demonstration, long now);

    int level_;
    std::uint64_t seed_;
    bool drawn_ = false;
    int asked_ = 0;
    int right_ = 0;
    int streak_ = 0;
};
