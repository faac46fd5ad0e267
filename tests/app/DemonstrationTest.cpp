#include "session/Demonstration.h"

#include "support/FormFixture.h"

#include <algorithm>

namespace {

using Control = Action::Control;

struct Running : FormFixture {
    Demonstration demonstration{form};
    long now = 0;

    Running() {
        Act(Action::Choose("Example 1"));
        demonstration.NextTick(now); // the window schedules its timer after every event
    }
    void Act(const Action& action) {
        demonstration.Act(action, now);
        demonstration.NextTick(now);
    }
    bool Logged(const std::string& text) const {
        const auto& lines = demonstration.LogLines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const ChangeLog::Line& line) { return line.text == text; });
    }
};

} // namespace

// Undo and redo say what they did; a cost's change is written to the log; a step key pressed
// while the animation runs does nothing and takes no undo level.
TEST_F(Running, UndoAndRedoSayWhatTheyDidAndStepsWhileRunningTakeNoLevel) {
    Act(Action::Click(Control::Break, 7)); // C-D
    for (int press = 0; press < 3; ++press) {
        EXPECT_FALSE(demonstration.Step(1, now)) << "running: no step";
    }
    Act(Action::CostPress(4, 1)); // B to C, 2 -> 3
    EXPECT_TRUE(Logged("Cost from B to C raised to 3"));
    ASSERT_TRUE(demonstration.Undo(now));
    EXPECT_EQ(state.Label2.caption, "Undone: cost from B to C up");
    ASSERT_TRUE(demonstration.Undo(now));
    EXPECT_EQ(state.Label2.caption, "Undone: break of link C-D");
    EXPECT_TRUE(Logged("Undone: break of link C-D"));
    EXPECT_EQ(state.Link(2, 3).colour, 0x808080) << "one undo after the break took it back";
    ASSERT_TRUE(demonstration.Redo(now));
    EXPECT_EQ(state.Label2.caption, "Redone: break of link C-D");
    EXPECT_TRUE(Logged("Redone: break of link C-D"));
    Act(Action::Click(Control::Break, 7));
    ASSERT_TRUE(demonstration.Undo(now));
    EXPECT_EQ(state.Label2.caption, "Undone: mend of link C-D");
}

// Frames that last for three seconds, or until the next tick, go on time also while the timer
// sleeps because nothing moves; while the animation is paused no tick comes to clear them.
TEST_F(Running, FramesGoOnTimeWhileTheTimerSleeps) {
    demonstration.CycleHighlight(now); // until the next tick
    Act(Action::Click(Control::Update));
    for (int t = 0; t < 26; ++t) {
        now += 40;
        demonstration.Tick(now);
    }
    ASSERT_TRUE(AnyFramed()) << "the round's changes, on its last tick";
    ASSERT_FALSE(demonstration.NextTick(now).has_value()) << "nothing moves: the timer sleeps";
    const std::optional<long> tick = demonstration.NextFrameChange(now);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(*tick, 40) << "the next tick, which the sleeping timer skips";
    demonstration.RefreshFrames(now + *tick);
    EXPECT_FALSE(AnyFramed());

    demonstration.CycleHighlight(now); // for three seconds
    now = 5000;
    Act(Action::Click(Control::Break, 0)); // A-B: routes through it go
    ASSERT_TRUE(AnyFramed());
    EXPECT_EQ(demonstration.NextFrameChange(now + 1000), 2000);
    demonstration.RefreshFrames(now + 2999);
    EXPECT_TRUE(AnyFramed());
    demonstration.RefreshFrames(now + 3000);
    EXPECT_FALSE(AnyFramed());

    demonstration.CycleHighlight(now); // until the next change
    demonstration.CycleHighlight(now); // off
    demonstration.CycleHighlight(now); // until the next tick again
    Act(Action::Click(Control::Pause));
    Act(Action::Click(Control::Break, 1)); // A-C broken while paused
    ASSERT_TRUE(AnyFramed());
    EXPECT_FALSE(demonstration.NextFrameChange(now).has_value()) << "paused: no tick will come";
}

// The ticks the timer sleeps through still count: a click after a second of sleep happens on
// the 25th tick, and after another second at quarter speed six ticks later.
TEST_F(Running, SleptTicksCountAcrossAChangeOfSpeed) {
    now = 1000;
    Act(Action::Click(Control::Break, 0));
    EXPECT_GE(demonstration.LogLines().back().tick, 25);
    demonstration.SetSpeed(Demonstration::Speed::Quarter, now);
    now = 2000;
    Act(Action::Click(Control::Break, 1));
    EXPECT_GE(demonstration.LogLines().back().tick, 25 + 6);
    EXPECT_LE(demonstration.LogLines().back().tick, 25 + 7);
}
