#!/usr/bin/env bash
# Usage: expect-window.sh PROGRAM TITLE [SECONDS]
# Starts PROGRAM (from the current folder) under a private virtual X display and waits until it
# shows a window titled exactly TITLE (10 s by default). Stops the program and the display, each
# by its process id, whatever happens. Exit status 0 when the window was shown.
# With ZIB_EXPECT_CWD_FILE set, writes into that file the folder the program was working in when
# its window showed.
set -uo pipefail

program=$1
title=$2
limit=${3:-10}

work=$(mktemp -d "${TMPDIR:-/tmp}/zib-window.XXXXXX") || exit 1
xvfb_pid=
program_pid=

stop_pid() {
    local pid=$1 tries
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null
    for tries in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        # A zombie answers kill -0 too; it is gone for our purpose.
        [ "$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)" = Z ] && break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

cleanup() {
    stop_pid "$program_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in program xvfb; do
        if [ -s "$work/$log.log" ]; then
            echo "--- $log output:" >&2
            tail -n 20 "$work/$log.log" >&2
        fi
    done
    exit 1
}

[ -x "$program" ] || fail "$program is not built"
command -v Xvfb >/dev/null || fail "Xvfb is missing (Debian package xvfb)"
command -v xwininfo >/dev/null || fail "xwininfo is missing (Debian package x11-utils)"

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for tries in $(seq 100); do
    grep -q '^[0-9]\+$' "$work/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb stopped at start"
    sleep 0.1
done
grep -q '^[0-9]\+$' "$work/display" || fail "Xvfb gave no display number within 10 s"
export DISPLAY=:$(head -n 1 "$work/display")

# The program draws on the display, not offscreen; UTF-8 so that xwininfo prints titles as they are.
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

deadline=$((SECONDS + limit))
while [ $SECONDS -lt $deadline ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "$program stopped before showing \"$title\""
    # A line of the tree: 0x400007 "TITLE": ("zib" "zib")  712x412+274+266  +274+266
    window=$(xwininfo -root -tree 2>/dev/null | grep -F -- "\"$title\": " | awk '{ print $1; exit }')
    if [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "window \"$title\" shown on $DISPLAY ($window)"
        if [ -n "${ZIB_EXPECT_CWD_FILE:-}" ]; then
            readlink "/proc/$program_pid/cwd" >"$ZIB_EXPECT_CWD_FILE"
        fi
        exit 0
    fi
    sleep 0.2
done
fail "no window titled \"$title\" within $limit s; windows on $DISPLAY:
$(xwininfo -root -tree 2>/dev/null | grep '^ *0x')"
