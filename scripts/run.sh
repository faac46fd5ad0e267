#!/usr/bin/env bash
# Installs what is missing, builds the program and opens its window; every argument goes on to the
# program (bash scripts/run.sh --scenario "Example 1"). What the build says goes to standard
# error, so that standard output is the program's own.
# With --web, builds the page instead and serves it on http://127.0.0.1 at a free port; the
# built folder (build-web/web) is plain static files any web server can host, and
# build-web/one-file/hopscape.html is the page in one file, which opens from disk.
# With --serve (the hall follows), the page the phones are served is built first.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--web" ]; then
    bash scripts/deps.sh emscripten python3 python3-fonttools python3-brotli >&2
    export NODE_PATH=/usr/share/nodejs
    emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >&2
    cmake --build build-web --target hopscape_web hopscape_one_file >&2
    exec python3 scripts/serve.py build-web/web
fi
bash scripts/deps.sh >&2
for argument in "$@"; do
    if [ "${argument%%=*}" = "--serve" ]; then
        bash scripts/deps.sh emscripten python3 python3-fonttools python3-brotli >&2
        export NODE_PATH=/usr/share/nodejs
        emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >&2
        cmake --build build-web --target hopscape_served >&2
    fi
done
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build --target hopscape >&2
# The build writes down where it put the program.
exec "$(cat build/hopscape-path)" "$@"
