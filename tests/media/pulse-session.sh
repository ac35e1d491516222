#!/usr/bin/env bash
# A private PulseAudio server for tests: one null sink "testsink" (the default sink), whose
# monitor source "testsink.monitor" records whatever is played. Its runtime folder and home are
# fresh temporary folders, so the user's own sound setup is neither used nor touched.
#
# Run a command inside a session:   pulse-session.sh COMMAND [ARG...]
# Or source this file and call:     pulse_session_start   (also installs an EXIT trap that stops
#                                                          the server whatever happens)
#                                   pulse_session_freeze / pulse_session_thaw
#                                   pulse_session_stop
# While a session runs, XDG_RUNTIME_DIR, HOME and PULSE_SERVER point at it, PULSE_SESSION_DIR
# is a scratch folder removed with the session and PULSE_SESSION_PID is the server's process.

# pulse_session_require_tools: ends the calling test as skipped (exit 77) when a tool the
# sound tests need is not installed.
pulse_session_require_tools() {
    local tool
    for tool in pulseaudio pactl parec pacat sox; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed" >&2
            exit 77
        fi
    done
}

pulse_session_start() {
    PULSE_SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tazune-pulse.XXXXXX") || return 1
    mkdir -m 700 "$PULSE_SESSION_DIR/run" "$PULSE_SESSION_DIR/home"
    export PULSE_SESSION_DIR
    export XDG_RUNTIME_DIR=$PULSE_SESSION_DIR/run
    export HOME=$PULSE_SESSION_DIR/home
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    unset PULSE_SINK PULSE_SOURCE
    trap pulse_session_stop EXIT
    # Tests run as root in containers; --system=no keeps it a per-user server all the same.
    # No real-time scheduling: the tests measure the client side, not the server.
    pulseaudio -n --daemonize=yes --system=no --exit-idle-time=-1 --use-pid-file=yes \
        --realtime=no --high-priority=no --log-target="file:$PULSE_SESSION_DIR/pulse.log" \
        --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=testsink" || return 1
    local tries
    for tries in $(seq 50); do
        if pactl info >/dev/null 2>&1; then
            PULSE_SESSION_PID=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
            export PULSE_SESSION_PID
            pactl set-default-sink testsink
            # An idle null sink sleeps for up to two seconds between renderings and only then
            # notices a new stream, unlike a sound card. A silent stream asking for low latency
            # keeps it rendering in small blocks, so that sounds are heard when they are played.
            pacat --playback --raw --format=s16le --rate=44100 --channels=2 \
                --latency-msec=10 --stream-name=keep-alive </dev/zero &
            PULSE_SESSION_KEEPALIVE=$!
            # The sink takes up the small blocks only once its current long one is done.
            for tries in $(seq 50); do
                pulse_session_sink_latency_below 100000 && return
                sleep 0.1
            done
            echo "pulse-session: the sink does not render in small blocks" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "pulse-session: the server did not come up; its log:" >&2
    cat "$PULSE_SESSION_DIR/pulse.log" >&2
    return 1
}

# pulse_session_sink_latency_below USEC: whether testsink's current latency is below USEC.
pulse_session_sink_latency_below() {
    LC_ALL=C pactl list sinks | awk -v limit="$1" '
        /^[[:space:]]*Latency:/ { found = 1; below = ($2 < limit) }
        END { exit !(found && below) }'
}

pulse_session_freeze() { kill -STOP "$PULSE_SESSION_PID"; }

pulse_session_thaw() { kill -CONT "$PULSE_SESSION_PID"; }

pulse_session_stop() {
    if [[ -n ${PULSE_SESSION_KEEPALIVE:-} ]]; then
        kill "$PULSE_SESSION_KEEPALIVE" 2>/dev/null
        wait "$PULSE_SESSION_KEEPALIVE" 2>/dev/null
        PULSE_SESSION_KEEPALIVE=
    fi
    if [[ -n ${PULSE_SESSION_PID:-} ]]; then
        kill -CONT "$PULSE_SESSION_PID" 2>/dev/null
        kill -TERM "$PULSE_SESSION_PID" 2>/dev/null
        local tries
        for tries in $(seq 30); do
            kill -0 "$PULSE_SESSION_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$PULSE_SESSION_PID" 2>/dev/null
        PULSE_SESSION_PID=
    fi
    if [[ -n ${PULSE_SESSION_DIR:-} ]]; then
        rm -rf "$PULSE_SESSION_DIR"
        PULSE_SESSION_DIR=
    fi
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    set -u
    if [[ $# -eq 0 ]]; then
        echo "usage: $0 COMMAND [ARG...]" >&2
        exit 2
    fi
    pulse_session_start || exit 1
    "$@"
    exit $?
fi
