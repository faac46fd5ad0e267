#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window; every argument goes on to the
# program (bash scripts/run.sh --scenario "Example 1"). What the build says goes to standard
# error, so that standard output is the program's own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build --target hopscape >&2
# The build writes down where it put the program.
exec "$(cat build/hopscape-path)" "$@"
