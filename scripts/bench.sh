#!/usr/bin/env bash
# Builds with optimisation and runs every benchmark (headless). The window's benchmarks run twice:
# on a screen of one device pixel a pixel, and of two (a HiDPI laptop, a 4K projector).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh emscripten chromium chromium-driver python3-selenium python3-websockets python3-fonttools \
    python3-brotli nats-server
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release -j "$(nproc)"
for b in router_bench tick_bench startup_bench; do
    ./build-release/bench/$b --benchmark_counters_tabular=true
done
# The memory after the lessons counts on a real X server, in a process of its own (below); here
# the benchmarks before it would count too. The bare window's baseline counts there as well.
offscreen=("--benchmark_filter=-(MemoryAfterTheLessons|BareWindow)" --benchmark_counters_tabular=true)
./build-release/bench/view_bench "${offscreen[@]}"
QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/support/offscreen-2x.json" \
    ./build-release/bench/view_bench "${offscreen[@]}"
bash scripts/bench-xvfb.sh
# The page, built for size as it is served, in headless Chromium.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j "$(nproc)" --target hopscape_web hopscape_served
./build-release/bench/spread_demonstration > build-web/spread.json
/usr/bin/python3 bench/page_bench.py build-web/web build-web/spread.json
# The hall following: what a phone downloads, join to the first message, and the program's CPU
# serving 500 followers while 51 packets move, all on loopback.
HOPSCAPE_PAGE=build-web/web /usr/bin/python3 bench/hall_bench.py build-release/desktop/hopscape \
    build-web/spread.json
# Through a relay (nats-server on loopback with the deploy's users): 2,000 followers, and the
# program's CPU publishing to it.
/usr/bin/python3 bench/relay_bench.py build-release/desktop/hopscape build-web/spread.json
