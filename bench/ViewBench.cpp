// What the window costs while packets move: one busy tick with its repaint, a full repaint, and
// the share of a core the running animation takes, with 51 packets spread over every link.
#include "BareWindow.h"
#include "BenchSupport.h"

#include "desktop/LectureMenu.h"
#include "desktop/LogWindow.h"
#include "desktop/MainWindow.h"
#include "desktop/Program.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// CPU seconds another process has used so far (user and system), from /proc; 0 when unknown.
double OtherProcessCpuSeconds(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (pid <= 0 || !std::getline(stat, line)) {
        return 0;
    }
    // Fields after the command name, which ends with ")": state is field 3, utime 14, stime 15.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i >= 14) {
            ticks += std::stod(field);
        }
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A shown window with 51 packets spread over every link, at the layout's size for 1, or 1920 x
// 1080 (a projector) for 0, at the screen's pixel ratio (scripts/bench.sh runs at 1 and 2); with
// `rip`, all of RIP's rules on, their clocks written beside the rows, and periodic updates falling
// due in the run.
struct SpreadWindow {
    BenchForm bench;
    Demonstration demonstration{bench.form};
    MainWindow window{demonstration};

    explicit SpreadWindow(long zoom, bool rip = false) {
        if (rip) {
            demonstration.SetAllRules(true, 0);
        }
        bench.FillWithSpreadPackets();
        if (zoom == 0) {
            window.resize(1920, 1080);
        } else {
            window.resize(window.width() * static_cast<int>(zoom),
                          window.height() * static_cast<int>(zoom));
        }
        window.show();
        window.Sync();
    }
    // Opens the log beside the window with highlighting on: empty for 1, full for 2.
    void OpenLog(long log) {
        if (log == 0) {
            return;
        }
        demonstration.CycleHighlight(0);
        while (log == 2 && demonstration.LogLinesDropped() == 0) {
            demonstration.RunTicks(26, 0);
            bench.Respread();
        }
        LogWindow* shown = window.Lecture().Log();
        shown->show();
        shown->Show(demonstration.LogLines(), demonstration.LogLinesDropped());
    }
    std::string SizeLabel() const {
        const double ratio = window.devicePixelRatioF();
        return std::to_string(window.width()) + "x" + std::to_string(window.height()) + " px at " +
               (ratio == 2   ? "2x"
                : ratio == 1 ? "1x"
                             : std::to_string(ratio) + "x");
    }
};

// One tick with 51 packets spread over every link at 1x, and the repaint it asks for, painted
// into the window's backing store as the event loop would. A third argument opens the log with
// highlighting on: 1 with the log empty, 2 with it full.
void BusyTickWithRepaint(benchmark::State& state) {
    SpreadWindow spread(state.range(0), state.range(1) != 0);
    MainWindow& window = spread.window;
    const long log = state.range(2);
    spread.OpenLog(log);
    // Shown and exposed, as a window on screen is, so that its repaints are carried out.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
    int ticks = 0;
    for (auto _ : state) {
        if (++ticks % 26 == 0) {
            spread.bench.Respread();
        }
        const auto start = std::chrono::steady_clock::now();
        window.Tick();
        // What the event loop does next: what the tick posted, and the regions it marked dirty
        // painted, the log's too.
        QCoreApplication::sendPostedEvents();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetLabel(spread.SizeLabel() + (state.range(1) != 0 ? ", RIP" : "") +
                   (log == 1   ? ", log open"
                    : log == 2 ? ", log open and full"
                               : ""));
}

// One full repaint of the window, child widgets included, with 51 packets spread over the links.
void FullRepaint(benchmark::State& state) {
    SpreadWindow spread(state.range(0));
    QPixmap target(spread.window.size() * spread.window.devicePixelRatio());
    for (auto _ : state) {
        spread.window.render(&target);
    }
    state.SetLabel(spread.SizeLabel());
}

// What the event loop costs for ten seconds once half a second has settled it (the first frames
// pay for glyph and ring caches): the process's share of one core in per cent, and the X server's
// when its process id is given in HOPSCAPE_XSERVER_PID (scripts/bench-xvfb.sh does), and the
// pages the process touched for the first time. `settled` runs between the two.
struct CpuShare {
    long serverPid = 0;
    double program = 0;
    double server = 0;
    double faults = 0;
};
CpuShare TenSeconds(const std::function<void()>& settled) {
    CpuShare share;
    const char* server = std::getenv("HOPSCAPE_XSERVER_PID");
    share.serverPid = server != nullptr ? std::strtol(server, nullptr, 10) : 0;
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    settled();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    const double cpu = ProcessCpuSeconds();
    const double serverCpu = OtherProcessCpuSeconds(share.serverPid);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer wall;
    wall.start();
    loop.exec();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    share.program = 100.0 * (ProcessCpuSeconds() - cpu) / seconds;
    share.server = 100.0 * (OtherProcessCpuSeconds(share.serverPid) - serverCpu) / seconds;
    share.faults = static_cast<double>(after.ru_minflt - before.ru_minflt);
    return share;
}

void Report(benchmark::State& state, const CpuShare& share) {
    state.counters["cpu_percent"] = share.program;
    if (share.serverPid > 0) {
        state.counters["xserver_percent"] = share.server;
        state.counters["total_percent"] = share.program + share.server;
    }
}

// The real 40 ms timer running for ten seconds with 51 packets spread over every link: the
// share of a core the program takes, and the X server's.
void AnimationCpuShare(benchmark::State& state) {
    SpreadWindow spread(state.range(0), state.range(1) != 0);
    int ticks = 0;
    // The longest time between two ticks once the run has settled: the 40 ms beat held or not.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    bool settled = false;
    QObject::connect(spread.window.findChild<QTimer*>(QStringLiteral("MoveTimer")),
                     &QTimer::timeout, [&] {
                         if (++ticks % 26 == 0) {
                             spread.bench.Respread();
                         }
                         if (settled && sinceTick.isValid()) {
                             longestGap = std::max(longestGap, sinceTick.elapsed());
                         }
                         sinceTick.start();
                     });
    CpuShare share;
    int ticksBefore = 0;
    for (auto _ : state) {
        share = TenSeconds([&] {
            settled = true;
            ticksBefore = ticks;
        });
    }
    Report(state, share);
    state.counters["ticks_per_s"] = ticks / 10.5;
    // Pages the process touched for the first time: memory mapped afresh while it animates.
    state.counters["faults_per_tick"] = share.faults / std::max(1, ticks - ticksBefore);
    state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
    // The process's peak memory so far: with the rows in order, the largest window's.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetLabel(spread.SizeLabel() + (state.range(1) != 0 ? ", RIP" : "") +
                   (share.serverPid > 0 ? "; target: under 4 % of a core with the X server" : ""));
}

// Resident memory in MiB, from /proc.
double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// The seven built-in lessons pressed through one after another (80 presses, the lesson's waits
// ticked through between them) full screen in the projector's look with the log open, as a hall
// sees them; on a 3840 x 2160 screen at QT_SCALE_FACTOR=2 it is the 4K projector. The memory the
// program holds after the last press: resident, its peak, and the heap in use. Run it on its own:
// the peak is the process's.
void MemoryAfterTheLessons(benchmark::State& state) {
    StartOptions options;
    options.lesson = BuiltInLessons::All().front();
    options.projector = true;
    Program program(options, QSize(1920, 1080));
    MainWindow& window = program.Window();
    window.showFullScreen();
    // Without a window manager to carry it out, the whole screen is given by hand.
    window.setGeometry(window.screen()->geometry());
    window.Lecture().Action(Extras::Id::Log)->trigger();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        for (int press = 0; press < 80; ++press) {
            window.Lecture().Action(Extras::Id::NextStep)->trigger();
            for (int tick = 0; tick < 40; ++tick) {
                window.Tick();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            }
            QCoreApplication::processEvents();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["resident_MiB"] = ResidentMiB();
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["heap_MiB"] = static_cast<double>(mallinfo2().uordblks) / 1048576.0;
    state.SetLabel(window.windowHandle()->screen()->name().toStdString() + ", " +
                   std::to_string(window.width()) + "x" + std::to_string(window.height()) +
                   " px at " + std::to_string(window.devicePixelRatioF()).substr(0, 3) +
                   "x; target: under 120 MiB resident");
}

// The log open and full beside the window, with RIP's rules on and 51 packets spread, as 1.24
// million more lines go through it (the oldest dropped as new ones come, the log drawing what it
// is shown): the resident memory and the heap in use grow by nothing that stays.
void MemoryOnceTheLogIsFull(benchmark::State& state) {
    SpreadWindow spread(1, true);
    spread.OpenLog(2);
    LogWindow* shown = spread.window.Lecture().Log();
    const auto catchUp = [&] {
        spread.demonstration.RunTicks(26, 0);
        spread.bench.Respread();
        shown->Show(spread.demonstration.LogLines(), spread.demonstration.LogLinesDropped());
        QCoreApplication::processEvents();
    };
    // Once round the log, so that what it keeps stands at its size before the measure.
    const std::size_t full = spread.demonstration.LogLinesDropped() + ChangeLog::kMostLines;
    while (spread.demonstration.LogLinesDropped() < full) {
        catchUp();
    }
    const double resident = ResidentMiB();
    const double heap = static_cast<double>(mallinfo2().uordblks) / 1048576.0;
    const std::size_t from = spread.demonstration.LogLinesDropped();
    for (auto _ : state) {
        while (spread.demonstration.LogLinesDropped() < from + 1240000) {
            catchUp();
        }
    }
    state.counters["resident_grew_MiB"] = ResidentMiB() - resident;
    state.counters["heap_grew_MiB"] = static_cast<double>(mallinfo2().uordblks) / 1048576.0 - heap;
    state.counters["lines"] = static_cast<double>(spread.demonstration.LogLinesDropped() - from);
    state.SetLabel("target: flat (the resident memory grows by under 1 MiB)");
}

// The bare window's share of a core, with the X server's, beside the program's: the window of
// 1920 x 1080 with its discs as large as the program's markers there, drawn (0) or copied (1).
void BareWindowCpuShare(benchmark::State& state) {
    double diameter = 0;
    {
        SpreadWindow spread(0);
        const FormState& form = spread.demonstration.State();
        const FormScene scene(form, spread.window.Transform().Core(), kPlainLook);
        for (const ShapeControl& packet : form.shpPacket) {
            diameter = std::max(diameter, static_cast<double>(scene.PacketArea(packet).width - 4));
        }
    }
    BareWindow window(QSize(1920, 1080), diameter, state.range(0) != 0);
    window.show();
    CpuShare share;
    for (auto _ : state) {
        share = TenSeconds([] {});
    }
    Report(state, share);
    state.counters["ticks_per_s"] = window.Ticks() / 10.5;
    state.SetLabel("discs " + std::to_string(static_cast<int>(diameter)) + " px across at " +
                   std::to_string(window.devicePixelRatioF()).substr(0, 3) + "x, " +
                   (state.range(0) != 0 ? "copied" : "drawn"));
}

// `count` busy ticks with their repaints, for a profiler to count what one costs
// (valgrind --tool=callgrind --toggle-collect='*ProfiledTicks*').
[[gnu::noinline]] void ProfiledTicks(SpreadWindow& spread, int count) {
    for (int t = 1; t <= count; ++t) {
        if (t % 26 == 0) {
            spread.bench.Respread();
        }
        spread.window.Tick();
        QCoreApplication::sendPostedEvents();
    }
}

// With `--profile-ticks=N [--profile-size=ZOOM] [--profile-rip] [--profile-log=LOG]`: settles a
// spread window (RIP's rules on, the log open as BusyTickWithRepaint opens it), runs N busy ticks
// in ProfiledTicks and says how many it ran, instead of the benchmarks.
bool Profile(int argc, char* argv[]) {
    int count = 0;
    long zoom = 1;
    long log = 0;
    bool rip = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--profile-ticks=", 0) == 0) {
            count = std::stoi(argument.substr(16));
        } else if (argument.rfind("--profile-size=", 0) == 0) {
            zoom = std::stol(argument.substr(15));
        } else if (argument == "--profile-rip") {
            rip = true;
        } else if (argument.rfind("--profile-log=", 0) == 0) {
            log = std::stol(argument.substr(14));
        }
    }
    if (count <= 0) {
        return false;
    }
    SpreadWindow spread(zoom, rip);
    spread.OpenLog(log);
    QCoreApplication::processEvents();
    for (int t = 0; t < 52; ++t) { // the sprites and the still picture made
        spread.window.Tick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    ProfiledTicks(spread, count);
    std::printf("%d busy ticks, %s\n", count, spread.SizeLabel().c_str());
    return true;
}

} // namespace

BENCHMARK(BusyTickWithRepaint)
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 1, 1})
    ->Args({1, 1, 2})
    ->Args({0, 0, 0})
    ->Args({0, 1, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(MemoryAfterTheLessons)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(MemoryOnceTheLogIsFull)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BareWindowCpuShare)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(FullRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(AnimationCpuShare)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Program::SetUpApplication();
    if (Profile(argc, argv)) {
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
