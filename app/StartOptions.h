#pragma once

#include "form/RipState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class MainForm;
class RandomSource;

// How the lecturer asked the program to open, from its command line: a scenario to open in
// instead of "Random 1", a fixed seed for the random source instead of the clock (so random and
// flooding runs repeat from one lecture to the next), and full screen. With none given the
// program opens exactly as it always does.
struct StartOptions {
    std::optional<std::string> scenario;
    std::optional<std::uint64_t> seed;
    bool fullScreen = false;
    RipSwitches rip; // RIP's rules to switch on

    // Reads a seed written as decimal digits only, the same in every locale.
    static std::optional<std::uint64_t> ReadSeed(std::string_view text);
    // Reads RIP's rules: "all", or names separated by commas ("infinity,hold-down"). Returns the
    // first name it does not know, or the empty text.
    static std::string ReadRules(std::string_view text, RipSwitches& rules);
    // What is wrong with the options ("no scenario is called ..."), or the empty text.
    std::string Problem() const;
    // Start-up, then what the options ask for, as if the lecturer had picked the scenario and
    // switched the rules on.
    void Start(MainForm& form, RandomSource& random) const;
};
