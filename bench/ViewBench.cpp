#include "BenchSupport.h"

#include "app/view/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One full repaint of the window, child widgets included, with 51 packets on screen.
void FullRepaint(benchmark::State& state) {
    BenchForm bench;
    bench.FillWithLoopingPackets();
    MainWindow window(bench.form);
    const double zoom = static_cast<double>(state.range(0));
    window.resize(static_cast<int>(window.width() * zoom),
                  static_cast<int>(window.height() * zoom));
    window.show();
    window.Sync();
    QPixmap target(window.size() * window.devicePixelRatio());
    for (auto _ : state) {
        window.render(&target);
    }
    state.SetLabel(std::to_string(window.width()) + "x" + std::to_string(window.height()) + " px");
}

// The real timer running for a few seconds with 51 packets moving at 1x: the share of one core
// the animation takes, in per cent.
void AnimationCpuShare(benchmark::State& state) {
    BenchForm bench;
    bench.FillWithLoopingPackets();
    MainWindow window(bench.form);
    window.show();
    window.Sync();
    double share = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        const double cpu = ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        loop.exec();
        share = 100.0 * (ProcessCpuSeconds() - cpu) / (wall.nsecsElapsed() * 1e-9);
    }
    state.counters["cpu_percent"] = share;
}

} // namespace

BENCHMARK(FullRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(AnimationCpuShare)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
