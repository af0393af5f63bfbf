#!/bin/bash
# Installs what is missing, builds and runs every test: the fuzzer for a bounded time, the
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build under Wine and
# its start-up benchmark, then the normal build, whose CTest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs=$(nproc)

echo "== fuzzing the sign calculation"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
mkdir -p build/fuzz/corpus
# New inputs go to the build folder; the committed seeds are only read.
build/fuzz/tests/fuzz/fuzz_evaluate_query -max_total_time="${FUZZ_SECONDS:-30}" \
    -print_final_stats=1 build/fuzz/corpus tests/fuzz/corpus >build/fuzz/fuzz.log 2>&1 ||
    { tail -n 40 build/fuzz/fuzz.log; exit 1; }
grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' build/fuzz/fuzz.log

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== Windows build, tested under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# CTest and the benchmark stop their wine servers when they are done; this covers a run cut
# short.
display_prefix=build/windows/wineprefix-display
trap 'for p in build/windows/wineprefix "$display_prefix"; do
    cmake/wine-run.sh "$p" --stop >/dev/null 2>&1 || true; done' EXIT
if [ -e build/windows/wineprefix/system.reg ]; then prefix=existing; else prefix=fresh; fi
started=$(date +%s%N)
ctest --preset windows -j "$jobs"
echo "Wine tests took $(( ($(date +%s%N) - started) / 1000000 )) ms, $prefix prefix"

echo "== Windows start-up benchmark under Wine on Xvfb (figures only)"
if [ -e "$display_prefix/system.reg" ]; then prefix=existing; else prefix=fresh; fi
started=$(date +%s%N)
# The prefix's server goes before the display it draws on. The display, the wineserver and the
# programs share one CPU, so that the figures do not wander with the machine's other work.
taskset -c "$(($(nproc) - 1))" xvfb-run -a sh -c \
    '"$1" "$2" "$3" "$4"; status=$?; "$1" "$2" --stop; exit $status' sh \
    cmake/wine-run.sh "$display_prefix" build/windows/benchmarks/moltrava_benchmark_win.exe 7
echo "The benchmark took $(( ($(date +%s%N) - started) / 1000000 )) ms, $prefix prefix"

echo "== tests"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
