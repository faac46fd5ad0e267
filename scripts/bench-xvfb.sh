#!/usr/bin/env bash
# The animation's share of a core on a real X server (Xvfb, 3840 x 2160), the X server's share
# included: 51 packets spread over every link, in a window of the layout's size and one of
# 1920 x 1080, each at a pixel ratio of 1 and of 2 (QT_SCALE_FACTOR), and a bare Qt window beside
# the 4K one; then the memory the 4K projector's window holds after the seven lessons.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh xvfb
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j "$(nproc)" --target view_bench
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1
for scale in 1 2; do
    DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale HOPSCAPE_XSERVER_PID=$server \
        ./build-release/bench/view_bench --benchmark_filter=AnimationCpuShare \
        --benchmark_counters_tabular=true
done
# The 4K projector's baseline: a bare Qt window moving 51 discs of the markers' size.
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 HOPSCAPE_XSERVER_PID=$server \
    ./build-release/bench/view_bench --benchmark_filter=BareWindowCpuShare \
    --benchmark_counters_tabular=true
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 \
    ./build-release/bench/view_bench --benchmark_filter=MemoryAfterTheLessons \
    --benchmark_counters_tabular=true
