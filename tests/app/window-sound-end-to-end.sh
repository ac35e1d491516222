#!/usr/bin/env bash
# Sound effects heard from a real main window: a correct answer plays the "正解時" file, a
# time-out the "ﾀｲﾑｱｳﾄ時" file, through the real player into a private null sink whose monitor is
# recorded; paths that name no playable file stay silent and show no message.
#
# usage: window-sound-end-to-end.sh PATH_TO_WindowSoundProbe
set -u
probe=$1
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=../media/pulse-session.sh
source "$here/../media/pulse-session.sh"
pulse_session_require_tools
pulse_session_start || exit 1

files=$PULSE_SESSION_DIR/files
mkdir "$files"
sox -n -r 44100 -c 1 -b 16 "$files/tone.wav" synth 1 sine 440 vol 0.5
echo "This is a text file, not a sound." >"$files/text.wav"
failures=0

# check NAME loud|silent MODE CORRECT_SOUND TIME_OUT_SOUND
check() {
    local name=$1 expected=$2
    shift 2
    local raw=$files/$name.raw
    parec --device=testsink.monitor --latency-msec=20 --raw --format=s16le --rate=44100 \
        --channels=2 >"$raw" &
    local recorder=$!
    sleep 0.3
    QT_QPA_PLATFORM=offscreen timeout 20 "$probe" "$@" >"$files/$name.out" 2>&1
    local status=$?
    sleep 0.3
    kill "$recorder"
    wait "$recorder" 2>/dev/null
    local level heard
    level=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" -n stat 2>&1 |
        awk '/^RMS +amplitude/ { print $3 }')
    heard=$(awk -v level="${level:-0}" 'BEGIN { print (level > 0.01) ? "loud" : "silent" }')
    echo "$name: RMS ${level:-none}, $heard, probe status $status"
    if [[ $status -ne 0 || -z $level || $heard != "$expected" ]]; then
        echo "FAIL: $name: expected $expected with status 0"
        cat "$files/$name.out"
        failures=$((failures + 1))
    fi
}

check correct-answer loud correct "$files/tone.wav" ""
check time-out loud timeout "" "$files/tone.wav"
check correct-plays-no-time-out-sound silent correct "" "$files/tone.wav"
check empty-path silent correct "" ""
check missing-file silent timeout "" "$files/missing.wav"
check text-file silent correct "$files/text.wav" ""

if [[ $failures -gt 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all window sound checks passed"
