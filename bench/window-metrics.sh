#!/usr/bin/env bash
# The table window under a virtual X server: time from start to the first painted frame, CPU
# use while it waits idle for the player, and peak memory.
#
#   bench/window-metrics.sh [path/to/vorbia]      (default build/bin/vorbia)
#   IDLE_SECONDS=10 bench/window-metrics.sh
#
# First frame: the program, asked through VORBIA_TRACE_FIRST_FRAME, prints the moment its
# window has finished the first paint; the script subtracts the moment it started the program.
# The window is maximised by openbox, as on a desktop.
# CPU use: user + system time of the process from /proc over IDLE_SECONDS after the first frame.
# Peak memory: the maximum resident set size reported by /usr/bin/time -v at exit.
set -euo pipefail

binary=${1:-build/bin/vorbia}
idle_seconds=${IDLE_SECONDS:-10}

if [[ ! -x $binary ]]; then
    echo "window-metrics: no program at $binary; build the table window first" >&2
    exit 2
fi
work=$(mktemp -d)
shots=$work
screen=1280x1024x24
# The virtual screen with openbox that the end-to-end test uses.
source "$(dirname "$0")/../tests/ui/x-session.sh"
skip_unless_tools Xvfb openbox xprop xdotool /usr/bin/time
start_x_session

now() { date +%s.%N; }

start=$(now)
VORBIA_TRACE_FIRST_FRAME=1 /usr/bin/time -v -o "$work/time.txt" "$binary" >"$work/program.log" 2>&1 &
time_pid=$!
pids+=("$time_pid")

painted=
for _ in $(seq 300); do
    painted=$(awk '/^first frame at / { print $4 }' "$work/program.log")
    [[ -n $painted ]] && break
    sleep 0.1
done
if [[ -z $painted ]]; then
    echo "window-metrics: the program reported no painted frame within 30 s" >&2
    exit 1
fi
window=$(window_named "La Vorbia 2002")

program_pid=$(pgrep -P "$time_pid" | head -n 1)
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/stat"; }
# Prints the share of one core the program used over the idle seconds.
idle_cpu() {
    local ticks0 ticks1 t0 t1
    ticks0=$(cpu_ticks)
    t0=$(now)
    sleep "$idle_seconds"
    ticks1=$(cpu_ticks)
    t1=$(now)
    awk -v c0="$ticks0" -v c1="$ticks1" -v t0="$t0" -v t1="$t1" -v hz="$ticks_per_second" \
        'BEGIN { printf "%7.2f %% of one core over %.1f s", (c1 - c0) / hz / (t1 - t0) * 100, t1 - t0 }'
}
before_match=$(idle_cpu)

# F2 starts a match; Return answers the hand-start message. After the computer's first move,
# if it plays first, the window waits for the human with the name panel blinking.
xdotool windowactivate --sync "$window" key --clearmodifiers F2
sleep 1
xdotool key --clearmodifiers Return
sleep 3
in_match=$(idle_cpu)

xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$program_pid" 2>/dev/null || true
wait "$time_pid" 2>/dev/null || true

peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")

awk -v start="$start" -v painted="$painted" -v peak="$peak_kb" 'BEGIN {
    printf "first painted frame after %7.0f ms\n", (painted - start) * 1000
    printf "peak memory               %7.1f MiB\n", peak / 1024
}'
echo "CPU idle before a match   $before_match"
echo "CPU waiting for the human $in_match"
