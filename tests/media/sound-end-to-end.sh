#!/usr/bin/env bash
# Sound effects heard for real: SoundProbe plays through QtWavePlayer into a private null sink,
# whose monitor is recorded and measured. Then the sound server is frozen to show that the
# program keeps running and still closes within a second.
#
# usage: sound-end-to-end.sh PATH_TO_SoundProbe
set -u
probe=$1
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=pulse-session.sh
source "$here/pulse-session.sh"
pulse_session_require_tools
pulse_session_start || exit 1

files=$PULSE_SESSION_DIR/files
mkdir "$files"
sox -n -r 44100 -c 1 -b 16 "$files/tone.wav" synth 1 sine 440 vol 0.5
sox -n -r 22050 -c 2 -b 24 "$files/long.wav" synth 4 sine 660 vol 0.5
echo "This is a text file, not a sound." >"$files/text.wav"
head -c 30 "$files/tone.wav" >"$files/cut-header.wav"
: >"$files/empty.wav"
mkdir "$files/folder.wav"

Loud=0.01
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# rms RAW_FILE [SOX_EFFECT...]: RMS amplitude of a recording of the monitor.
rms() {
    local raw=$1
    shift
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" -n "$@" stat 2>&1 |
        awk '/^RMS +amplitude/ { print $3 }'
}

# record NAME PROBE_ARG...: runs the probe while the monitor is recorded to NAME.raw.
record() {
    local name=$1
    shift
    local raw=$files/$name.raw
    parec --device=testsink.monitor --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 >"$raw" &
    local recorder=$!
    sleep 0.3
    timeout 20 "$probe" "$@" >"$files/$name.out" 2>&1
    local status=$?
    sleep 0.3
    kill "$recorder"
    wait "$recorder" 2>/dev/null
    if [[ $status -ne 0 ]]; then
        fail "$name: the probe ended with status $status"
        cat "$files/$name.out"
    fi
}

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

expect_sound() {
    local name=$1 level
    level=$(rms "$files/$name.raw")
    echo "$name: RMS $level"
    above "${level:-0}" "$Loud" || fail "$name: nothing was heard (RMS ${level:-none})"
}

expect_silence() {
    local name=$1 level
    level=$(rms "$files/$name.raw")
    echo "$name: RMS $level"
    [[ -n $level ]] || fail "$name: no recording"
    above "${level:-1}" "$Loud" && fail "$name: something was heard (RMS $level)"
}

record tone play 1500 "$files/tone.wav"
expect_sound tone

for case in empty-path:"" missing:"$files/missing.wav" text:"$files/text.wav" \
    cut-header:"$files/cut-header.wav" empty-file:"$files/empty.wav" folder:"$files/folder.wav"; do
    record "${case%%:*}" play 1500 "${case#*:}"
    expect_silence "${case%%:*}"
done

# A later event cuts the sound before it off, even one whose own file cannot be played.
record cut-off play 3000 "$files/long.wav" "$files/missing.wav"
level=$(rms "$files/cut-off.raw")
tail_level=$(rms "$files/cut-off.raw" trim -2)
echo "cut-off: RMS $level overall, $tail_level in the last 2 s"
above "${level:-0}" "$Loud" || fail "cut-off: the first sound was not heard"
above "${tail_level:-1}" "$Loud" && fail "cut-off: the first sound went on after the next event"

# Events in quick succession: each new sound cuts off the one before, and nothing breaks.
record rapid rapid 1500 "$files/tone.wav"
expect_sound rapid

# No sound server at all: the program runs as usual and plays nothing, without a word.
PULSE_SERVER=unix:$PULSE_SESSION_DIR/no-server timeout 20 "$probe" play 1000 "$files/tone.wav" \
    >"$files/no-server.out" 2>&1
status=$?
echo "no-server: status $status"
[[ $status -eq 0 ]] || fail "no-server: the probe ended with status $status"
grep -q '^started' "$files/no-server.out" && fail "no-server: a sound claims to have started"

# frozen NAME FREEZE_AFTER TOTAL_MS: the server stops answering FREEZE_AFTER seconds after the
# probe starts (0: before it starts) while the probe plays at every 100 ms tick.
frozen() {
    local name=$1 after=$2 total=$3
    local out=$files/$name.out
    [[ $after == 0 ]] && pulse_session_freeze
    timeout 30 "$probe" responsive "$total" "$files/tone.wav" >"$out" 2>&1 &
    local pid=$!
    if [[ $after != 0 ]]; then
        sleep "$after"
        pulse_session_freeze
    fi
    wait "$pid"
    local status=$? ended closing ticks expected
    ended=$(date +%s%3N)
    pulse_session_thaw
    closing=$(awk '/^closing / { print $2 }' "$out")
    ticks=$(awk '/^ticks / { print $2 }' "$out")
    expected=$((total / 100))
    echo "$name: $ticks of $expected ticks, closed in $((ended - ${closing:-0})) ms"
    [[ $status -eq 0 ]] || fail "$name: the probe ended with status $status"
    [[ -n $ticks && $ticks -ge $((expected * 9 / 10)) ]] ||
        fail "$name: the timer missed ticks ($ticks of $expected)"
    [[ -n $closing && $((ended - closing)) -lt 1000 ]] || fail "$name: closing took too long"
    [[ $status -eq 0 ]] || cat "$out"
}

frozen frozen-while-playing 1 10000
frozen frozen-from-start 0 3000

if [[ $failures -gt 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all sound checks passed"
