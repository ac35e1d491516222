#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz and runs each for up to 60 seconds, five minutes in
# all, on a copy of its seed corpus, so the repository is never changed. Any finding (crash, undefined behaviour, leak,
# allocation above 64 MB, an input taking over a second) makes the script end with a non-zero
# status once every fuzzer has run, and leaves the input that caused it in
# build-fuzz/findings/<fuzzer>.
#   tools/fuzz.sh [seconds per fuzzer]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

# One name per parser: fuzz/fuzz_<name>.cpp, fuzz/corpus/<name>/ and, if any, fuzz/<name>.dict.
fuzzers=(
    question-file
    wave
    table
    settings
    results-csv
    readings-companion
    romaji-judge
    readings
    anki-text
    anki-package
    kvtml
    quizlet
)
# Five minutes for all of them, and at most one for each, unless a time is given.
share=$((300 / ${#fuzzers[@]}))
seconds=${1:-$((share < 60 ? share : 60))}

"$root/tools/install-deps.sh"
export CC=clang-14 CXX=clang++-14
"$root/tools/build.sh" build-fuzz -DTAZUNE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -- \
    "${fuzzers[@]/#/tazune-fuzz-}"

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for name in "${fuzzers[@]}"; do
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    rm -rf "$corpus" "$findings"
    mkdir -p "$findings" "$build/corpus"
    cp -r "$root/fuzz/corpus/$name" "$corpus"
    dictionary=()
    [[ -f "$root/fuzz/$name.dict" ]] && dictionary=("-dict=$root/fuzz/$name.dict")
    echo "== $name: ${seconds} s"
    if ! "$build/fuzz/tazune-fuzz-$name" -max_total_time="$seconds" -malloc_limit_mb=64 \
        -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 "${dictionary[@]}" \
        -artifact_prefix="$findings/" "$corpus"; then
        failed+=("$name")
    fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Findings from: ${failed[*]} (inputs in $build/findings)" >&2
    exit 1
fi
