#!/bin/bash
# Installs what is missing, builds and runs every test: the fuzzer for a bounded time, the
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build of the Qt-free
# parts under Wine, then the normal build, whose CTest summary ends the output.
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

echo "== Windows build of the Qt-free parts, tested under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# CTest stops the wine server when the tests are done; this covers a run cut short.
trap 'cmake/wine-run.sh build/windows/wineprefix --stop >/dev/null 2>&1 || true' EXIT
if [ -e build/windows/wineprefix/system.reg ]; then prefix=existing; else prefix=fresh; fi
started=$(date +%s%N)
ctest --preset windows -j "$jobs"
echo "Wine tests took $(( ($(date +%s%N) - started) / 1000000 )) ms, $prefix prefix"

echo "== tests"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
