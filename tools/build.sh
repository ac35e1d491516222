#!/usr/bin/env bash
# Configures and builds one build folder: tools/build.sh <folder> [cmake options...] [-- targets...]
# Without targets everything is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$1
shift
options=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
    options+=("$1")
    shift
done
[[ $# -gt 0 ]] && shift
# The compiler cache (the top-level CMakeLists.txt launches the compiler through it when it is
# installed) keys on paths relative to the clone and not on the folder the compiler runs in, so
# that a fresh clone elsewhere, as continuous integration makes, and the other build folders of
# this one, whose debug information names their own folder, take the same files from it.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
# Progress lines are dropped; warnings, errors and the build's outcome stay visible.
ninja -C "$root/$folder" -j"$(nproc)" "$@" | { grep -v -E '^\[[0-9]+/[0-9]+\] ' || true; }
