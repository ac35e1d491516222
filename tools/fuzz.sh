#!/usr/bin/env bash
# Builds the question-file fuzzer with clang in build-fuzz and runs it for 60 seconds on a copy of
# the seed corpus, so the repository is never changed. Any finding (crash, undefined behaviour,
# leak, oversized allocation, time-out) ends the script with a non-zero status and leaves the
# input that caused it in build-fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
"$root/tools/install-deps.sh"

export CC=clang-14 CXX=clang++-14
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAZUNE_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
ninja -C "$build" -j"$(nproc)" tazune-fuzz-question-file | { grep -v -E '^\[[0-9]+/[0-9]+\] ' || true; }

corpus="$build/corpus"
findings="$build/findings"
rm -rf "$corpus" "$findings"
mkdir -p "$findings"
cp -r "$root/fuzz/corpus" "$corpus"

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/fuzz/tazune-fuzz-question-file" -max_total_time=60 -malloc_limit_mb=64 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus"

# The deck readers of the import, 30 seconds each on a copy of their own seeds.
for reader in anki-text anki-package kvtml quizlet; do
    ninja -C "$build" -j"$(nproc)" "tazune-fuzz-$reader" | { grep -v -E '^\[[0-9]+/[0-9]+\] ' || true; }
    rm -rf "$corpus-$reader"
    cp -r "$root/fuzz/corpus-$reader" "$corpus-$reader"
    "$build/fuzz/tazune-fuzz-$reader" -max_total_time=30 -malloc_limit_mb=64 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus-$reader"
done
