#include "app/MainForm.h"
#include "app/Scenarios.h"
#include "common/SeededRandom.h"
#include "session/Demonstration.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"
#include "support/PacketProgress.h"

#include <gtest/gtest.h>

#include <cstdio>

// Many ticks over every scenario, with Many on, flooding and pool exhaustion, and random user
// actions between ticks; the window must stay sound after every single tick, and every packet on
// the screen must keep moving while the animation runs.
TEST(Soak, TheWindowStaysSoundTickAfterTick) {
    constexpr long kTicks = 1000000;
    constexpr long kPhase = kTicks / 28 + 1;
    FakePlatform platform(7);
    SeededRandom random(2026);
    MainForm form(platform, random);
    std::vector<std::string> faults;
    WatchOutOfPackets(platform, form, faults);
    form.Form_Load();
    FormState& state = form.State();
    SeededRandom user(7);
    PacketProgress progress;
    Demonstration demonstration(form);

    long ran = 0;
    long phase = -1;
    for (long tick = 0; tick < kTicks; ++tick) {
        if (tick / kPhase != phase) {
            phase = tick / kPhase;
            state.cmbSims.text = Scenarios::kNames[phase % 7];
            form.cmbSims_Click();
            if (!state.ManyMode) {
                form.Command2_Click();
            }
        }
        if (tick % 5000 == 4999) {
            // Three quick Updates: in the larger scenarios the pool runs out.
            form.Command4_Click();
            form.Command4_Click();
            form.Command4_Click();
        }
        const double chance = user.Next();
        if (chance < 0.01) {
            // User actions and, now and then, the lecturer's undo, redo, steps and highlighting.
            const auto op = static_cast<std::uint8_t>(user.Next() < 0.8 ? user.Next() * 12
                                                                        : 14 + user.Next() * 5);
            ApplyLectureAction(demonstration, op, static_cast<std::uint8_t>(user.Next() * 256));
        } else if (chance < 0.012 && state.Command3.caption == "Resume") {
            form.Command3_Click();
        }
        const bool tickRan = form.MoveTimer_Timer();
        ran += tickRan ? 1 : 0;
        ASSERT_EQ(CheckFormInvariants(form), "") << "after tick " << tick;
        ASSERT_EQ(progress.AfterTick(state, tickRan), "") << "after tick " << tick;
        ASSERT_TRUE(faults.empty()) << faults.front() << " at tick " << tick;
    }
    std::printf("ticks run: %ld of %ld; out-of-packets messages: %zu\n", ran, kTicks,
                platform.messages.size());
    EXPECT_GT(ran, kTicks / 2) << "the animation ran most of the time";
    EXPECT_GT(platform.messages.size(), 0u) << "the pool ran out at least once";
}
