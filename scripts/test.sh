#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once as shipped, with warnings
# as errors, and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
# Xvfb: the screen test runs again at a real X server.
bash scripts/deps.sh xvfb xauth openbox xdotool x11-utils emscripten chromium chromium-driver python3-selenium \
    python3-fonttools python3-brotli \
    python3-websockets zbar-tools nats-server openssl
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOPSCAPE_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The README's run command, as a user types it: it builds, finds the program and passes the
# arguments on.
expected="Pelko's Hopscape Demo $(sed -n -E 's/^project\(hopscape VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"
printed=$(bash scripts/run.sh --version 2>/dev/null) || true
if [ "$printed" != "$expected" ]; then
    echo "FAILED: 'bash scripts/run.sh --version' printed '$printed', not '$expected'"
    exit 1
fi
echo "run: 1 passed, 0 failed"

# The installed program, menu entry, icon and catalogue entry, in a temporary prefix.
prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
for f in bin/hopscape share/applications/org.hopscape.Hopscape.desktop \
         share/icons/hicolor/scalable/apps/org.hopscape.Hopscape.svg \
         share/metainfo/org.hopscape.Hopscape.metainfo.xml; do
    [ -f "$prefix/$f" ] || { echo "FAILED: cmake --install did not install $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.hopscape.Hopscape.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.hopscape.Hopscape.metainfo.xml"
fi
rm -rf "$prefix"
echo "install: 4 passed, 0 failed"

# The core built to WebAssembly does what the native build does: the same transcript of every
# built-in lesson, press by press, and of random lectures, byte for byte, run under node (which
# must not try fetch() on a file path; the linker needs Debian's acorn).
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DHOPSCAPE_WERROR=ON >/dev/null
cmake --build build-web -j "$jobs"
native=$(mktemp)
./build/tests/web/lecture_transcript >"$native"
if ! node --no-experimental-fetch build-web/tests/web/lecture_transcript.js | cmp -s - "$native"; then
    echo "FAILED: the WebAssembly build's transcript differs from the native build's"
    exit 1
fi
# And once more in German: the same sentences from the same catalogue.
./build/tests/web/lecture_transcript --lang <build/lang/de.json >"$native.de"
if ! node --no-experimental-fetch build-web/tests/web/lecture_transcript.js --lang <build/lang/de.json |
    cmp -s - "$native.de"; then
    echo "FAILED: the WebAssembly build's German transcript differs from the native build's"
    exit 1
fi
echo "webassembly: the transcript of $(wc -c <"$native") bytes is the same, and in German" \
     "$(wc -c <"$native.de") bytes; 2 passed, 0 failed"
rm -f "$native" "$native.de"
# The page in headless Chromium, driven by real clicks, against the native core (Selenium is
# Debian's, seen by Debian's own Python).
/usr/bin/python3 tests/web/page_test.py build-web/web build-web/one-file/hopscape.html \
    build/tests/web/lecture_transcript build-web/page-test build/hopscape_snapshot
# The hall follows on loopback: 500 followers of a lesson the clicker plays, and a hostile client.
HOPSCAPE_PAGE=build-web/web QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24 -nolisten tcp" \
    sh tests/support/with-openbox.sh /usr/bin/python3 tests/hall/hall_test.py build/desktop/hopscape \
    build/tests/web/lecture_transcript build-web/hall-test
# The department's relay as deploy/nats configures it: two nats-server processes on loopback,
# then a lecture through them to 500 followers, one server killed mid-lecture.
/usr/bin/python3 tests/relay/relay_config_test.py build/relay-test
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x768x24 -nolisten tcp" \
    sh tests/support/with-openbox.sh /usr/bin/python3 tests/relay/relay_follow_test.py \
    build/desktop/hopscape build/tests/web/lecture_transcript build-web/web build/relay-follow-test

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHOPSCAPE_WERROR=ON \
      -DHOPSCAPE_SANITIZE=ON -DHOPSCAPE_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Fuzzing: every harness, built with clang and the sanitizers, for a bounded time each, on
# copies of the seed corpora kept in the repository.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DHOPSCAPE_WERROR=ON -DHOPSCAPE_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
root=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for harness in router window demonstration options frame; do
    mkdir -p "$work/$harness"
    cp fuzz/corpus/"$harness"/* "$work/$harness/"
    echo "Fuzzing the $harness harness for ${FUZZ_SECONDS:-60} s"
    if ! (cd "$work" && "$root/build-fuzz/fuzz/${harness}_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" \
            -print_final_stats=1 "$harness" >"$harness.log" 2>&1); then
        tail -n 40 "$work/$harness.log"
        echo "FAILED: the $harness fuzz harness found a fault"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$work/$harness.log"
done
echo "fuzz: 5 passed, 0 failed"
