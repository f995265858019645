# A private PulseAudio server with a null sink, for tests that play and record real sound.
# Sourced by scripts/test. zib_pulse_start exports PULSE_SERVER and PULSE_CLIENTCONFIG, so every
# process started afterwards talks to this server only; zib_pulse_stop stops exactly the process
# it started. Nothing here touches another server or another user's files.

ZIB_PULSE_PID=
ZIB_PULSE_DIR=

# Starts the server in a fresh private folder and waits until it answers (10 s at most).
# Returns non-zero, with the end of the server's log on stderr, when it does not answer.
zib_pulse_start() {
    ZIB_PULSE_DIR=$(mktemp -d "${TMPDIR:-/tmp}/zib-pulse.XXXXXX") || return 1
    chmod 0700 "$ZIB_PULSE_DIR"
    local d=$ZIB_PULSE_DIR
    mkdir -m 0700 "$d/runtime" "$d/state"

    # The keep-alive loopback keeps the null sink rendering in real time (an idle one runs up to
    # 2 s ahead, and the first captured data then comes late); the suspend/resume pair avoids a
    # 1.6 s block in the first capture after start. Only this configuration is loaded (-n), so no
    # suspend-on-idle, no device detection and no D-Bus.
    cat > "$d/ci.pa" <<PA
load-module module-native-protocol-unix socket=$d/native auth-anonymous=1 auth-cookie-enabled=0
load-module module-null-sink sink_name=ci_sink rate=48000 channels=1 sink_properties=device.description=CI_Null_Sink
load-module module-null-sink sink_name=ci_keepalive rate=48000 channels=1
load-module module-loopback source=ci_sink.monitor sink=ci_keepalive latency_msec=20 source_dont_move=true sink_dont_move=true
suspend-sink ci_sink 1
suspend-sink ci_sink 0
set-default-sink ci_sink
set-default-source ci_sink.monitor
PA
    # Clients must never start a server of their own (the default one would come up instead).
    printf 'autospawn = no\n' > "$d/client.conf"

    XDG_RUNTIME_DIR=$d PULSE_RUNTIME_PATH=$d/runtime PULSE_STATE_PATH=$d/state \
        pulseaudio -n -F "$d/ci.pa" --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
        --realtime=no --high-priority=no --log-target=file:"$d/server.log" </dev/null &
    ZIB_PULSE_PID=$!

    export PULSE_SERVER=unix:$d/native
    export PULSE_CLIENTCONFIG=$d/client.conf

    local tries
    for tries in $(seq 100); do
        if pactl info >/dev/null 2>&1; then
            echo "PulseAudio test server up: pid $ZIB_PULSE_PID, $PULSE_SERVER"
            return 0
        fi
        zib_pid_running "$ZIB_PULSE_PID" || break
        sleep 0.1
    done
    echo "the PulseAudio test server did not answer; its log:" >&2
    tail -n 20 "$d/server.log" >&2 2>/dev/null
    return 1
}

# True while the process is there and not a zombie (kill -0 is true for a zombie too).
zib_pid_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    # The state follows the command name in parentheses, which may itself hold spaces.
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# Stops the server started by zib_pulse_start (TERM, then KILL after 5 s) and removes its folder.
# Safe to call more than once.
zib_pulse_stop() {
    if [ -n "$ZIB_PULSE_PID" ]; then
        kill -TERM "$ZIB_PULSE_PID" 2>/dev/null
        local tries
        for tries in $(seq 50); do
            zib_pid_running "$ZIB_PULSE_PID" || break
            sleep 0.1
        done
        if zib_pid_running "$ZIB_PULSE_PID"; then
            echo "the PulseAudio test server ignored TERM; killing pid $ZIB_PULSE_PID" >&2
            kill -KILL "$ZIB_PULSE_PID" 2>/dev/null
        fi
        wait "$ZIB_PULSE_PID" 2>/dev/null
        ZIB_PULSE_PID=
    fi
    if [ -n "$ZIB_PULSE_DIR" ]; then
        rm -rf "$ZIB_PULSE_DIR"
        ZIB_PULSE_DIR=
    fi
    unset PULSE_SERVER PULSE_CLIENTCONFIG
}
