// Start-up to the first painted frame, and the memory it takes: the program's window against a
// plain window showing text in the layout's five fonts, each as a fresh process (offscreen),
// alternating, in the same run.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms = -1;
    double peakKiB = 0;
};

Run RunOnce(const std::string& probe, const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    std::vector<char*> args{const_cast<char*>(probe.c_str()), const_cast<char*>(mode), nullptr};
    if (posix_spawn(&pid, probe.c_str(), nullptr, nullptr, args.data(), environ) != 0) {
        return {};
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {};
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void StartupToFirstFrame(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string probe = STARTUP_PROBE;
    std::vector<double> program;
    std::vector<double> fonts;
    std::vector<double> programMemory;
    std::vector<double> fontsMemory;
    for (auto _ : state) {
        const Run a = RunOnce(probe, "fonts");
        const Run b = RunOnce(probe, "hopscape");
        if (a.ms < 0 || b.ms < 0) {
            state.SkipWithError("the start-up probe failed");
            return;
        }
        fonts.push_back(a.ms);
        fontsMemory.push_back(a.peakKiB);
        program.push_back(b.ms);
        programMemory.push_back(b.peakKiB);
    }
    state.counters["program_ms"] = Median(program);
    state.counters["fonts_ms"] = Median(fonts);
    state.counters["ratio"] = Median(program) / Median(fonts);
    state.counters["program_MiB"] = Median(programMemory) / 1024;
    state.counters["fonts_MiB"] = Median(fontsMemory) / 1024;
    state.counters["memory_ratio"] = Median(programMemory) / Median(fontsMemory);
}

} // namespace

BENCHMARK(StartupToFirstFrame)->Iterations(31)->Unit(benchmark::kMillisecond);
