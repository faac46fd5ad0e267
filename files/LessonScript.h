#pragma once

#include "app/Action.h"
#include "app/IdleTimer.h"
#include "app/Snapshot.h"
#include "files/Extras.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A lesson: a demonstration told step by step. It starts from a scenario or from a demonstration
// and goes through steps, each an action (a click on a control, a rule switched), an extra as the
// lecturer's menu and keys give it (undo, redo, a step of ticks while paused, the speed, the
// highlighting, the true costs), a caption to show, a wait (some ticks, or until nothing moves),
// or a question for the students on what a table is about to show.
struct LessonScript {
    struct Step {
        enum class Kind { Act, Extra, Caption, Wait, Predict };
        enum class Until { Ticks, Quiet };
        Kind kind = Kind::Caption;
        Action action;                              // Act
        Extras::Id extra = Extras::Id::NormalSpeed; // Extra
        // Extra: a switch's new state (1 on, 0 off), a step's ticks; else 0.
        long value = 0;
        std::string caption; // Caption
        // Caption: a longer line under it for a student reading alone; empty for none.
        std::string detail;
        Until until = Until::Ticks; // Wait
        long ticks = 0;             // Wait: how many
        // Predict: the router asked about; the networks asked, as letters ("" for every row it
        // shows but its own network's); with `rounds`, after how many more rounds of Update it
        // shows inf for the one network given.
        int router = 0;
        std::string networks;
        bool rounds = false;

        static Step Do(const Action& action);
        static Step Say(std::string caption, std::string detail = {});
        static Step WaitTicks(long ticks);
        static Step WaitQuiet();
        static Step Of(Extras::Id extra, long value = 0);
        static Step Predict(int router, std::string networks = {});
        static Step PredictRounds(int router, char network);
        // Whether the step changes the window as a click does (and takes an undo level).
        bool Acts() const;
        bool operator==(const Step&) const = default;
    };

    // A lesson that starts from a scenario starts from a clean window, its random source seeded
    // with this, so that it plays the same every time.
    static constexpr std::uint64_t kSeed = 1;

    std::string title;
    std::string scenario;                  // the start: a scenario ...
    std::optional<Snapshot> demonstration; // ... or, where given, a demonstration
    // With a scenario: "Split Horizons" ticked and RIP's rules switched on from the start.
    bool splitHorizons = false;
    RipSwitches rules;
    std::vector<Step> steps;

    // How many steps act on the window.
    long Actions() const;
    // Where a press of Next that begins at step `from` ends: it runs one action (a click on a
    // router or network with the click that completes the pair) and what follows it up to the
    // next action, or up to and including a caption with words (blank captions, a recording's,
    // wait for words and do not stop it).
    std::size_t PressEnd(std::size_t from) const;
    // How many presses play the lesson through.
    long Presses() const;

    bool operator==(const LessonScript&) const = default;
};
