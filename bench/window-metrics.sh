#!/usr/bin/env bash
# The table window under a virtual X server: time from start to the first painted frame, CPU
# use while it waits idle for the player, and peak memory.
#
#   bench/window-metrics.sh [path/to/vorbia]      (default build/bin/vorbia)
#   IDLE_SECONDS=10 bench/window-metrics.sh
#
# First frame: the time until xdotool finds a visible window titled "La Vorbia" (looked for
# every 20 ms), then until a screenshot of it holds more than one colour. Each screenshot takes
# some tens of milliseconds, so the figure is an upper bound with about that resolution.
# CPU use: user + system time of the process from /proc over IDLE_SECONDS after the first frame.
# Peak memory: the maximum resident set size reported by /usr/bin/time -v at exit.
set -euo pipefail

binary=${1:-build/bin/vorbia}
idle_seconds=${IDLE_SECONDS:-10}

if [[ ! -x $binary ]]; then
    echo "window-metrics: no program at $binary; build the table window first" >&2
    exit 2
fi
for tool in Xvfb xdotool import convert /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "window-metrics: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=
time_pid=
cleanup() {
    [[ -n $time_pid ]] && kill "$time_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display_number=90
while [[ -e /tmp/.X${display_number}-lock || -e /tmp/.X11-unix/X${display_number} ]]; do
    display_number=$((display_number + 1))
done
export DISPLAY=:$display_number
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

now() { date +%s.%N; }

start=$(now)
/usr/bin/time -v -o "$work/time.txt" "$binary" >"$work/program.log" 2>&1 &
time_pid=$!

# Polled here rather than with --sync, which only looks twice a second.
window=
for _ in $(seq 1500); do
    window=$(xdotool search --onlyvisible --name 'La Vorbia' 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.02
done
if [[ -z $window ]]; then
    echo "window-metrics: no window titled La Vorbia within 30 s" >&2
    exit 1
fi
mapped=$(now)
painted=
for _ in $(seq 600); do
    colours=$(import -window "$window" png:- 2>/dev/null | convert - -format '%k' info: 2>/dev/null ||
              echo 0)
    if [[ $colours -gt 1 ]]; then
        painted=$(now)
        break
    fi
done
if [[ -z $painted ]]; then
    echo "window-metrics: the window never showed more than one colour" >&2
    exit 1
fi

program_pid=$(pgrep -P "$time_pid" | head -n 1)
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$program_pid/stat"; }
idle_start_ticks=$(cpu_ticks)
idle_start=$(now)
sleep "$idle_seconds"
idle_end_ticks=$(cpu_ticks)
idle_end=$(now)

xdotool windowclose "$window" 2>/dev/null || true
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$program_pid" 2>/dev/null || true
wait "$time_pid" 2>/dev/null || true
time_pid=

peak_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")

awk -v start="$start" -v mapped="$mapped" -v painted="$painted" \
    -v t0="$idle_start" -v t1="$idle_end" -v c0="$idle_start_ticks" -v c1="$idle_end_ticks" \
    -v hz="$ticks_per_second" -v peak="$peak_kb" 'BEGIN {
    printf "window shown after        %7.0f ms\n", (mapped - start) * 1000
    printf "first painted frame after %7.0f ms\n", (painted - start) * 1000
    printf "CPU while idle            %7.2f %% of one core over %.1f s\n",
           (c1 - c0) / hz / (t1 - t0) * 100, t1 - t0
    printf "peak memory               %7.1f MiB\n", peak / 1024
}'
