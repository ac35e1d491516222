#!/usr/bin/env bash
# Tazune's start-up against a bare Qt window with the same window, menus and controls
# (tazune-bench-bare-window): both start in turn under a private Xvfb with no window manager,
# with fresh settings and a private sound server, for N rounds after one warm-up round. Prints
# each start, then the medians of exec to the first window mapped, of the processor time used
# by then and of the proportional set size three seconds later, each with Tazune's ratio to the
# bare window. On a busy machine the processor time is the steadier figure of the first two.
#
# With -p PAIRS, Tazune starts on a question file of that many pairs made for the run (with
# tazune-data): the window is up before the file is read, so its size should not show in the map.
#
# With -c OTHER_BUILD_FOLDER, the Tazune built there (an earlier version, say) starts in every
# round too, with the same arguments, and its medians are printed beside this build's: a change's
# cost to start-up measured under the same load.
#
# usage: bench/startup/startup.sh [-n ROUNDS] [-p PAIRS] [-c OTHER_BUILD_FOLDER] [BUILD_FOLDER]
#                                 [-- TAZUNE_ARG...]
#        (the build folder defaults to build/; build it with the benchmarks first)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
rounds=7
pairs=
other=
while [[ ${1:-} == -n || ${1:-} == -p || ${1:-} == -c ]]; do
    case $1 in
    -n) rounds=$2 ;;
    -p) pairs=$2 ;;
    -c) other=$(cd "$2" && pwd)/src/app/tazune ;;
    esac
    shift 2
done
build=$root/build
if [[ $# -gt 0 && $1 != -- ]]; then
    build=$(cd "$1" && pwd)
    shift
fi
[[ ${1:-} == -- ]] && shift
tazuneArgs=("$@")

tazune=$build/src/app/tazune
bare=$build/bench/startup/tazune-bench-bare-window
timer=$build/bench/startup/tazune-bench-map-timer
for program in "$tazune" "$bare" "$timer" ${other:+"$other"}; do
    if [[ ! -x $program ]]; then
        echo "startup.sh: $program is not built (ninja -C $build tazune tazune-bench-bare-window tazune-bench-map-timer)" >&2
        exit 1
    fi
done
if ! command -v Xvfb >/dev/null; then
    echo "startup.sh: Xvfb is not installed (Debian package xvfb; tools/install-deps.sh)" >&2
    exit 1
fi

# shellcheck source=../../tests/media/pulse-session.sh
source "$root/tests/media/pulse-session.sh"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tazune-startup.XXXXXX")
xvfb=
# The script's own status is kept: a server that is already gone, or that ends on the signal, is
# no failure of the measurement.
cleanUp() {
    local status=$?
    set +e
    if [[ -n $xvfb ]]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$scratch"
    pulse_session_stop
    exit "$status"
}
if command -v pulseaudio >/dev/null; then
    pulse_session_start || exit 1
else
    # No server at all rather than one started on demand in the middle of a measurement.
    export PULSE_SERVER=unix:$scratch/no-sound-server
fi
trap cleanUp EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [[ -s $scratch/display ]] && break
    sleep 0.05
done
if [[ ! -s $scratch/display ]]; then
    echo "startup.sh: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
if [[ -n $pairs ]]; then
    awk -v n="$pairs" 'BEGIN { for (i = 0; i < n; i++) printf "初級\t問題%d\tanswer%d\n", i, i }' \
        >"$scratch/pairs.tsv"
    "$build/src/datatool/tazune-data" import "$scratch/pairs.tsv" -o "$scratch/pairs.DAT" >/dev/null
    tazuneArgs=("$scratch/pairs.DAT" "${tazuneArgs[@]}")
fi
export DISPLAY=:$(cat "$scratch/display")
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$scratch/config
unset WAYLAND_DISPLAY SESSION_MANAGER

# measure NAME PROGRAM [ARG...]: one start; appends "map_ms M cpu_ms C pss_kb P" to $scratch/NAME.
measure() {
    local name=$1
    shift
    local line
    line=$("$timer" "$@" 2>>"$scratch/$name.log") || {
        echo "startup.sh: $name did not show its window:" >&2
        cat "$scratch/$name.log" >&2
        exit 1
    }
    echo "$line" >>"$scratch/$name"
    awk '{ printf "%.1f ms (CPU %.1f ms), PSS %d kB", $2, $4, $6 }' <<<"$line"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure warm-up "$bare" >/dev/null
measure warm-up "$tazune" "${tazuneArgs[@]}" >/dev/null
[[ -n $other ]] && measure warm-up "$other" "${tazuneArgs[@]}" >/dev/null
rm -f "$scratch/bare" "$scratch/tazune" "$scratch/other"
for round in $(seq "$rounds"); do
    # The order turns round every other round, so that a drift of the machine's load between the
    # starts of a round falls on all alike.
    o=
    if ((round % 2)); then
        b=$(measure bare "$bare")
        t=$(measure tazune "$tazune" "${tazuneArgs[@]}")
        [[ -n $other ]] && o=$(measure other "$other" "${tazuneArgs[@]}")
    else
        [[ -n $other ]] && o=$(measure other "$other" "${tazuneArgs[@]}")
        t=$(measure tazune "$tazune" "${tazuneArgs[@]}")
        b=$(measure bare "$bare")
    fi
    echo "round $round: bare $b; tazune $t${o:+; other $o}"
done

bareMap=$(awk '{ print $2 }' "$scratch/bare" | median)
tazuneMap=$(awk '{ print $2 }' "$scratch/tazune" | median)
bareCpu=$(awk '{ print $4 }' "$scratch/bare" | median)
tazuneCpu=$(awk '{ print $4 }' "$scratch/tazune" | median)
barePss=$(awk '{ print $6 }' "$scratch/bare" | median)
tazunePss=$(awk '{ print $6 }' "$scratch/tazune" | median)
awk -v rounds="$rounds" -v bm="$bareMap" -v tm="$tazuneMap" -v bc="$bareCpu" -v tc="$tazuneCpu" \
    -v bp="$barePss" -v tp="$tazunePss" 'BEGIN {
    printf "medians of %d rounds:\n", rounds
    printf "  exec to first window mapped: bare %.1f ms, tazune %.1f ms, ratio %.3f\n", bm, tm, tm / bm
    printf "  processor time by the map:   bare %.1f ms, tazune %.1f ms, ratio %.3f\n", bc, tc, tc / bc
    printf "  PSS 3 s after the map:       bare %d kB, tazune %d kB, ratio %.3f\n", bp, tp, tp / bp
}'
if [[ -n $other ]]; then
    otherMap=$(awk '{ print $2 }' "$scratch/other" | median)
    otherCpu=$(awk '{ print $4 }' "$scratch/other" | median)
    otherPss=$(awk '{ print $6 }' "$scratch/other" | median)
    awk -v on="$other" -v om="$otherMap" -v tm="$tazuneMap" -v oc="$otherCpu" -v tc="$tazuneCpu" \
        -v op="$otherPss" -v tp="$tazunePss" 'BEGIN {
        printf "against the other build (%s):\n", on
        printf "  exec to first window mapped: other %.1f ms, tazune %.1f ms, ratio %.3f\n", om, tm, tm / om
        printf "  processor time by the map:   other %.1f ms, tazune %.1f ms, ratio %.3f\n", oc, tc, tc / oc
        printf "  PSS 3 s after the map:       other %d kB, tazune %d kB, ratio %.3f\n", op, tp, tp / op
    }'
fi
