// Start-up to the first painted frame: the program's window against a bare Qt window (and one
// showing a line of text), each as a fresh process (offscreen), alternating, in the same run.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

double RunOnce(const std::string& probe, const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    std::vector<char*> args{const_cast<char*>(probe.c_str()), const_cast<char*>(mode), nullptr};
    if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0
               ? std::chrono::duration<double, std::milli>(end - start).count()
               : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void StartupToFirstFrame(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string probe = STARTUP_PROBE;
    std::vector<double> program;
    std::vector<double> minimal;
    std::vector<double> label;
    for (auto _ : state) {
        minimal.push_back(RunOnce(probe, "minimal"));
        program.push_back(RunOnce(probe, "hopscape"));
        label.push_back(RunOnce(probe, "label"));
    }
    if (std::min({*std::min_element(program.begin(), program.end()),
                  *std::min_element(minimal.begin(), minimal.end()),
                  *std::min_element(label.begin(), label.end())}) < 0) {
        state.SkipWithError("the start-up probe failed");
        return;
    }
    state.counters["program_ms"] = Median(program);
    state.counters["minimal_ms"] = Median(minimal);
    state.counters["label_ms"] = Median(label);
    state.counters["ratio"] = Median(program) / Median(minimal);
    state.counters["ratio_to_label"] = Median(program) / Median(label);
}

} // namespace

BENCHMARK(StartupToFirstFrame)->Iterations(31)->Unit(benchmark::kMillisecond);
