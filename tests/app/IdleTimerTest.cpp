#include "app/IdleTimer.h"
#include "app/MainForm.h"
#include "app/RipControl.h"
#include "common/SeededRandom.h"
#include "session/Demonstration.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// One window and the timer that drives it, on a simulated clock: the timer fires when it is due,
// as a periodic timer that is started, stopped and restarted would.
struct Timeline {
    FakePlatform platform{7};
    SeededRandom random{99};
    MainForm form{platform, random};
    IdleTimer timer;
    long nextFire = -1;
    long fired = 0;

    explicit Timeline(bool mayIdle) : timer(form, mayIdle) {
        form.Form_Load();
        Schedule(0);
    }
    void Schedule(long now) {
        const std::optional<long> next = timer.Next(now);
        if (!next) {
            nextFire = -1;
        } else if (nextFire < 0) {
            nextFire = now + *next;
        }
    }
    // Fires every tick due up to and including `now`.
    void RunUntil(long now) {
        while (nextFire >= 0 && nextFire <= now) {
            const long at = nextFire;
            ++fired;
            nextFire = timer.Fire(at) ? at + timer.Interval() : -1;
        }
    }
    // A user action at `now`, after the ticks due by then.
    void Act(long now, std::uint8_t op, std::uint8_t arg) {
        RunUntil(now);
        timer.CatchUp(now);
        ApplyUserAction(form, static_cast<std::uint8_t>(op % 12), arg);
        Schedule(now);
    }
};

} // namespace

// The same actions at the same moments give the same window, tick for tick, whether the timer
// sleeps while nothing can change or runs all the time.
TEST(IdleTimer, SleepingChangesNoStateAtAnyMoment) {
    for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
        Timeline always(false);
        Timeline sleeping(true);
        SeededRandom user(seed);
        long now = 0;
        for (int action = 0; action < 1500; ++action) {
            // Mostly quick clicks, now and then a long pause with nothing on the screen.
            now += user.Next() < 0.1 ? 1000 + static_cast<long>(user.Next() * 9000)
                                     : 1 + static_cast<long>(user.Next() * 700);
            // Kill, Many and Pause come often, so that the window is often idle.
            const double pick = user.Next();
            const auto op = static_cast<std::uint8_t>(pick < 0.15   ? 10
                                                      : pick < 0.2  ? 6
                                                      : pick < 0.25 ? 7
                                                                    : user.Next() * 12);
            const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
            always.Act(now, op, arg);
            sleeping.Act(now, op, arg);
            ASSERT_EQ(DescribeState(sleeping.form.State()), DescribeState(always.form.State()))
                << "seed " << seed << ", action " << action << " at " << now << " ms";
        }
        always.RunUntil(now + 5000);
        sleeping.RunUntil(now + 5000);
        sleeping.timer.CatchUp(now + 5000);
        EXPECT_EQ(DescribeState(sleeping.form.State()), DescribeState(always.form.State()));
        EXPECT_LT(sleeping.fired * 5, always.fired * 4) << "the sleeping timer fired less often";
    }
}

// While a route's RIP timeout runs nothing moves on the screen, yet the timer must not sleep
// through it: the route goes when its time is up, with no click to wake the window.
TEST(IdleTimer, RunsWhileRipsClocksRun) {
    Timeline line(true);
    line.form.State().cmbSims.text = "Three Routers";
    line.form.cmbSims_Click();
    long now = 0;
    for (int round = 0; round < 3; ++round) {
        line.form.Command4_Click();
        line.Schedule(now);
        now += 2000;
        line.RunUntil(now);
    }
    line.form.Rip().Set(RipControl::Rule::TimeoutOnly, true);
    line.Schedule(now);
    line.RunUntil(now + 60000);
    EXPECT_EQ(line.form.State().RouterTable[0].Engine().Rows()[2].cost, "inf")
        << "A's route to c timed out after 936 ticks of 40 ms";
}

TEST(IdleTimer, SleepsWhileNothingMovesAndWakesOnTheBeat) {
    Timeline line(true);
    EXPECT_FALSE(line.timer.Running()) << "at start-up nothing moves and Many is off";
    EXPECT_EQ(line.nextFire, -1);
    // Many on at 1001 ms: the countdown stood at 0 at start-up and would have run down 25 ticks
    // (40 ms to 1000 ms); the timer wakes for the tick at 1040 ms.
    line.Act(1001, 6, 0);
    EXPECT_TRUE(line.form.State().ManyMode);
    EXPECT_EQ(line.form.State().LaunchCountdown, 23);
    EXPECT_EQ(line.nextFire, 1040);
    line.RunUntil(1040 + 22 * 40);
    EXPECT_EQ(line.form.State().LaunchCountdown, 0);
    bool launched = false;
    for (const auto& packet : line.form.State().shpPacket) {
        launched = launched || packet.visible;
    }
    EXPECT_TRUE(launched) << "the launch falls on the tick it would have without sleeping";
    // Pause, then Resume: the timer starts afresh one interval after the click.
    line.Act(5003, 7, 0);
    EXPECT_EQ(line.nextFire, -1);
    line.Act(7010, 7, 0);
    EXPECT_EQ(line.nextFire, 7050);
}

// At every speed, and stepped while paused, the window goes through the same states tick by
// tick: speed changes only when the ticks fall.
TEST(IdleTimer, EverySpeedAndEveryStepGivesTheSameTicks) {
    using Speed = IdleTimer::Speed;
    std::vector<std::vector<std::string>> runs;
    for (Speed speed : {Speed::Normal, Speed::Quarter, Speed::Half, Speed::Double}) {
        Timeline line(true);
        line.timer.SetSpeed(speed, 0);
        const long interval = line.timer.Interval();
        EXPECT_EQ(interval, 160 / static_cast<long>(speed));
        std::vector<std::string> states;
        SeededRandom user(3);
        // An action every three and a half intervals, half-way between two ticks: the same
        // moments counted in ticks on every clock.
        for (int round = 1; round <= 300; ++round) {
            line.Act(round * 7 * interval / 2, static_cast<std::uint8_t>(user.Next() * 12),
                     static_cast<std::uint8_t>(user.Next() * 256));
            states.push_back(DescribeState(line.form.State()));
        }
        runs.push_back(states);
    }
    for (std::size_t r = 1; r < runs.size(); ++r) {
        EXPECT_EQ(runs[r], runs[0]) << "speed number " << r;
    }
}

TEST(IdleTimer, StepsRunTicksOnlyWhilePausedAndAHopIsTwentySixTicks) {
    FakePlatform platform;
    SeededRandom random(1);
    MainForm stepped(platform, random);
    stepped.Form_Load();
    SeededRandom random2(1);
    MainForm running(platform, random2);
    running.Form_Load();
    for (MainForm* form : {&stepped, &running}) {
        form->State().cmbSims.text = "Example 1";
        form->cmbSims_Click();
        form->Command4_Click();
    }
    EXPECT_FALSE(stepped.StepTicks(1)) << "not while the animation runs";
    stepped.Command3_Click(); // Pause
    ASSERT_TRUE(stepped.StepTicks(1));
    running.MoveTimer_Timer();
    for (std::size_t i = 0; i < stepped.State().shpPacket.size(); ++i) {
        EXPECT_EQ(stepped.State().shpPacket[i].tag, running.State().shpPacket[i].tag) << i;
        EXPECT_EQ(stepped.State().shpPacket[i].left, running.State().shpPacket[i].left) << i;
    }
    const std::string before = stepped.State().shpPacket[0].tag;
    ASSERT_TRUE(stepped.StepTicks(25));
    EXPECT_EQ(before.substr(0, 2), " 1");
    EXPECT_FALSE(stepped.State().shpPacket[0].visible) << "one hop later every table has arrived";
    for (int t = 0; t < 25; ++t) {
        running.MoveTimer_Timer();
    }
    for (std::size_t i = 0; i < stepped.State().shpPacket.size(); ++i) {
        EXPECT_EQ(stepped.State().shpPacket[i].visible, running.State().shpPacket[i].visible);
    }
    EXPECT_EQ(stepped.State().RouterTable[1].Engine().Rows()[0].cost,
              running.State().RouterTable[1].Engine().Rows()[0].cost);
    EXPECT_EQ(stepped.State().Command3.caption, "Resume") << "stepping does not resume";
}

// On a busy machine a timer fires late and a click is handled after a tick fell due: whenever a
// tick could change something, the window is still told when to fire next (an overdue tick at
// once), in any order of late ticks, clicks and lecturer's keys.
TEST(IdleTimer, RunsWheneverATickCouldChangeSomethingHoweverLateEventsCome) {
    for (std::uint64_t seed : {5u, 6u, 7u}) {
        FakePlatform platform{7};
        SeededRandom random{99};
        MainForm form{platform, random};
        form.Form_Load();
        Demonstration demonstration{form};
        SeededRandom user(seed);
        std::optional<long> due = demonstration.NextTick(0);
        long now = 0;
        for (int event = 0; event < 3000; ++event) {
            now += 1 + static_cast<long>(user.Next() * 130);
            if (due && *due <= now && user.Next() < 0.6) {
                // The timer fires, late by up to 130 ms.
                const std::optional<long> next = demonstration.Tick(now);
                due = next ? std::optional<long>(now + *next) : std::nullopt;
            } else {
                // Clicks and the lecturer's keys; no ticks run behind the timer's back.
                constexpr std::uint8_t kOps[] = {0, 1, 2,  3,  4,  5,  6,  6,  7,
                                                 8, 9, 10, 11, 14, 15, 16, 17, 18};
                const auto op = kOps[static_cast<int>(user.Next() * std::size(kOps))];
                ApplyLectureAction(demonstration, op, static_cast<std::uint8_t>(user.Next() * 256),
                                   now);
                const std::optional<long> next = demonstration.NextTick(now);
                due = next ? std::optional<long>(now + *next) : std::nullopt;
                if (next) {
                    ASSERT_GE(*next, 0);
                }
            }
            const bool couldChange = form.State().MoveTimer.enabled && !form.TickIsIdle();
            ASSERT_EQ(due.has_value(), couldChange)
                << "seed " << seed << ", event " << event << " at " << now << " ms";
        }
    }
}
