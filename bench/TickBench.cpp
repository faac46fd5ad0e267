#include "BenchSupport.h"

#include "app/Action.h"
#include "session/Demonstration.h"
#include "session/Lecture.h"
#include "session/Question.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <malloc.h>

namespace {

// One tick of "Flooding 1" with all 51 slots busy: the packets move and the one that arrives
// floods, runs out of slots and empties the pool. The state is restored before every tick and the
// restoring is not timed.
void BusyFloodingTick(benchmark::State& state) {
    BenchForm bench;
    bench.Choose("Flooding 1");
    constexpr std::array<std::array<int, 2>, 8> hops{
        {{0, 1}, {1, 4}, {4, 5}, {5, 3}, {3, 2}, {2, 0}, {0, 3}, {1, 3}}};
    for (int slot = 0; slot < 51; ++slot) {
        const auto& hop = hops[slot % hops.size()];
        bench.PlaceOnHop(slot, "R", (slot * 5) % 6, hop[0], hop[1], slot % 26);
    }
    // The packet in slot 25 arrives at D from A: its copy to B takes the slot it frees, the
    // copies to C and F find none.
    bench.PlaceOnHop(25, "R", 5, 0, 3, 25);
    const FormState snapshot = bench.form.State();
    for (auto _ : state) {
        bench.form.State() = snapshot;
        const auto start = std::chrono::steady_clock::now();
        bench.form.MoveTimer_Timer();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["out_of_packets"] =
        benchmark::Counter(bench.platform.messages, benchmark::Counter::kAvgIterations);
}

// One tick with 51 data packets circling in a routing loop: every packet moves, one or two arrive
// and are re-routed. This is the steady state of a busy screen.
void BusyLoopTick(benchmark::State& state) {
    BenchForm bench;
    bench.FillWithLoopingPackets();
    for (auto _ : state) {
        bench.form.MoveTimer_Timer();
    }
}

// A practice question drawn at a level: a fresh scenario, its costs, the rounds already run, a
// break, and the answer worked out on a copy played ahead; what a student waits for after Page
// Down.
void PracticeQuestion(benchmark::State& state) {
    BenchForm bench;
    Demonstration demonstration(bench.form);
    Lecture lecture(demonstration);
    lecture.Practise(static_cast<int>(state.range(0)), 1, 0);
    for (auto _ : state) {
        lecture.Do(Extras::Id::NextStep, 0); // the answer revealed
        lecture.Do(Extras::Id::NextStep, 0); // the next question
    }
}

// The answer to one question in the worst case: "Example 1" with RIP's rules and split horizon,
// every router sending its table at once (twenty tables on their way), asked of router D.
void AskAfterUpdate(benchmark::State& state) {
    BenchForm bench;
    Demonstration demonstration(bench.form);
    demonstration.Act(Action::Choose("Example 1"), 0);
    demonstration.Act(Action::Split(true), 0);
    demonstration.SetAllRules(true, 0);
    demonstration.Act(Action::Click(Action::Control::Update), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Question::Table(bench.form, 3).question);
    }
}

// What a level of undo holds: 51 packets spread over every link, RIP's rules on with their
// clocks running, and a hundred clicks (the most undo keeps), each keeping the state before it.
// The heap the levels add, a level; the target is under 64 KiB.
void UndoLevel(benchmark::State& state) {
    double perLevel = 0;
    for (auto _ : state) {
        BenchForm bench;
        Demonstration demonstration(bench.form);
        demonstration.SetAllRules(true, 0);
        bench.FillWithSpreadPackets();
        demonstration.RunTicks(100, 0);
        const std::size_t before = mallinfo2().uordblks;
        for (int click = 0; click < 100; ++click) {
            demonstration.Act(Action::Split(click % 2 == 0), 0);
        }
        perLevel = static_cast<double>(mallinfo2().uordblks - before) / 100;
    }
    state.counters["KiB_per_level"] = perLevel / 1024;
    state.SetLabel("target: under 64 KiB");
}

} // namespace

BENCHMARK(PracticeQuestion)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(AskAfterUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BusyFloodingTick)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoLevel)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BusyLoopTick)->Unit(benchmark::kMicrosecond);
