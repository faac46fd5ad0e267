#!/usr/bin/env bash
# Builds with optimisation and runs every benchmark (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release -j "$(nproc)"
for b in router_bench tick_bench view_bench startup_bench; do
    ./build-release/bench/$b --benchmark_counters_tabular=true
done
bash scripts/bench-xvfb.sh
