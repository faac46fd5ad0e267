#include "common/SeededRandom.h"
#include "router/Router.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A router as it stands after a few exchanges: every row numeric, learned from neighbours.
Router Converged(SeededRandom& random) {
    Router router(random);
    router.Write("I:0:A:1:inf:inf:inf:inf:inf");
    router.Write("R:0:B: 4: 2: 5: 6: 3: 8");
    router.Write("R:0:C: 3: 4: 2: 5: 7: 6");
    return router;
}

void RunMessage(benchmark::State& state, const std::string& message) {
    SeededRandom random(1);
    Router router = Converged(random);
    for (auto _ : state) {
        router.Write(message);
        benchmark::DoNotOptimize(router.Reply());
    }
}

} // namespace

BENCHMARK_CAPTURE(RunMessage, Initialise, std::string("I:0:A:1:inf:inf:inf:inf:inf"));
BENCHMARK_CAPTURE(RunMessage, TableUpdate, std::string("R:0:B: 4: 2: 5: 6: 3: 8"));
BENCHMARK_CAPTURE(RunMessage, Break, std::string("B:D"));
BENCHMARK_CAPTURE(RunMessage, TableRequest, std::string("Z: 3:A"));
BENCHMARK_CAPTURE(RunMessage, TableRequestSplitHorizon, std::string("Z: 3:A:B"));
BENCHMARK_CAPTURE(RunMessage, RouteQuery, std::string("Q:D"));
BENCHMARK_CAPTURE(RunMessage, RandomRouteQuery, std::string("Y"));
