#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer and runs it, together
# with the programs the tests start (tazune-data, the help viewer double, the probes). Reports
# are written to build-asan/sanitizer-reports rather than to a child's standard error, where a
# test reading the child's output would swallow them; any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"
"$root/tools/install-deps.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
"$root/tools/build.sh" build-asan -DTAZUNE_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"

# The process tests prove nothing about memory unless the program they run is instrumented.
for program in src/datatool/tazune-data; do
    if ! readelf -d "$build/$program" | grep -q 'libasan'; then
        echo "$program is built without the sanitizers" >&2
        exit 1
    fi
done

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
# Figures measured against the clock mean nothing under the sanitizers' slowdown.
status=0
ctest --test-dir "$build" --output-on-failure -j2 --label-exclude timing || status=$?
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "== $report" >&2
        cat "$report" >&2
    done
    exit 1
fi
exit "$status"
