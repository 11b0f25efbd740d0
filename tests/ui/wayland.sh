#!/usr/bin/env bash
# The real program as a Wayland client of weston, whose X11 backend runs on a virtual screen so
# that xdotool's keys and clicks reach the game as Wayland input; WAYLAND_DEBUG shows what the
# program says to the compositor. The app id must be the desktop entry's name, F2 must bring
# the hand-start box at once (also after a restore, which must leave the whole table within
# the work area), and key-only play must not crash the program, with the protocol log on (it
# slows the client) and off.
# A Qt Test of the busy pointer, the bell and dialog placement, if given, runs as a Wayland
# client too.
# Usage: wayland.sh PROGRAM SCREENSHOT_FOLDER [WINDOW_SYSTEM_TEST]
set -euo pipefail

program=$(realpath "$1")
shots=$2
here=$(dirname "$(realpath "$0")")
source "$here/x-session.sh"
skip_unless_tools weston Xvfb xdotool openbox import xprop
# The compositor's own screen: its top panel is 32 px high, the table's title bar is drawn by
# Qt and its buttons stand at the right end of it.
output_width=1024
output_height=700
longest_hand_start_ms=1000
start_x_session

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=wayland-vorbia
weston --backend=x11-backend.so --use-pixman --width=$output_width --height=$output_height \
  --socket=$WAYLAND_DISPLAY --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=("$!")
wait_for 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
  fail "weston did not start: $(tail -5 "$work/weston.log")"
wait_for 10 xdotool search --class "Weston Compositor" >/dev/null || fail "no weston window"
compositor=$(xdotool search --class "Weston Compositor" | head -1)
wait_for 10 sh -c "grep -q weston-desktop-shell '$work/weston.log'" || fail "no desktop shell"

last_line() { grep -E "$2" "$1" | tail -1; }
alive() { kill -0 "$1" 2>/dev/null; }

# Starts a copy of the program as $program_pid; $1 its folder, $2 1 for the protocol log.
start_program() {
  mkdir -p "$1"
  cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$1/"
  (cd "$1" && ulimit -c 0 && WAYLAND_DEBUG=$2 QT_QPA_PLATFORM=wayland \
    exec ./"$(basename "$program")") >"$1/program.log" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
}

# Presses keys on the game for $2 seconds while the program $1 lives, the pointer resting on
# the table: a random walk over the cards and the boxes, with Enter and Space.
play_with_keys() {
  local keys=(Return space Tab Right Left Down Return space) end=$((SECONDS + $2))
  while ((SECONDS < end)) && alive "$1"; do
    xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}"
    sleep "0.$((1 + RANDOM % 3))"
  done
}

# Ends the program $1, which must still run, or have ended with status 0: the keys may reach
# the end-of-match dialog's button that ends the game.
end_program() {
  local status=0
  if alive "$1"; then
    kill "$1"
    wait "$1" 2>/dev/null || true
    return
  fi
  wait "$1" || status=$?
  ((status == 0)) ||
    fail "$2: the program ended with status $status: $(grep -v '^\[' "$3/program.log" | tail -3)"
}

xdotool windowactivate --sync "$compositor"
xdotool mousemove --window "$compositor" $((output_width / 2)) $((output_height / 2))

# With the protocol log.
game=$work/logged
start_program "$game" 1
log=$game/program.log
wait_for 20 grep -q 'set_title("La Vorbia 2002")' "$log" || fail "the table did not open"
table=$(grep -o 'xdg_toplevel@[0-9]*[.]set_title("La Vorbia 2002")' "$log" | head -1 |
  cut -d. -f1)
table_surface=$(grep -o "xdg_surface@[0-9]*[.]get_toplevel(new id $table)" "$log" | cut -d. -f1)
[ -n "$table" ] && [ -n "$table_surface" ] || fail "no table in the protocol log"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("lavorbia")' "$log" ||
  fail "the app id is not lavorbia: $(grep -m1 set_app_id "$log")"
# weston gives a size only to a maximised window.
maximised="$table[.]configure[(][1-9][0-9]*, [1-9]"
wait_for 10 grep -Eq "$maximised" "$log" || fail "the table was not maximised"
read -r maximised_width maximised_height < <(last_line "$log" "$maximised" |
  sed 's/.*configure(\([0-9]*\), \([0-9]*\),.*/\1 \2/') || fail "no size for the maximised table"
sleep 1
import -window root "$shots/wayland-start.png"

# Presses F2 and sets $hand_start_ms to the milliseconds until the hand-start box, from the
# protocol log; the table must be maximised meanwhile. The box is shot as $1 and closed.
start_hand() {
  local keys_before boxes_before pressed shown box_line table_state
  keys_before=$(grep -Ec "$f2_pressed" "$log" || true)
  boxes_before=$(grep -Ec "$box_titled" "$log" || true)
  xdotool key --clearmodifiers F2
  wait_for 10 sh -c "[ \$(grep -Ec '$box_titled' '$log') -gt $boxes_before ]" ||
    fail "no hand-start box after F2"
  pressed=$(grep -E "$f2_pressed" "$log" | sed -n "$((keys_before + 1))s/$time_stamp/\1/p")
  shown=$(grep -E "$box_titled" "$log" | sed -n "$((boxes_before + 1))s/$time_stamp/\1/p")
  [ -n "$pressed" ] && [ -n "$shown" ] || fail "no F2 or no box in the protocol log"
  # The table's last state from the compositor before the box came.
  box_line=$(grep -En "$box_titled" "$log" | sed -n "$((boxes_before + 1))s/:.*//p")
  table_state=$(head -n "$box_line" "$log" | grep -E "$table[.]configure[(]" | tail -1)
  grep -Eq "$maximised" <<<"$table_state" ||
    fail "the table was not maximised when the hand-start box came: $table_state"
  sleep 0.5
  import -window root "$shots/$1"
  xdotool key --clearmodifiers Return
  # The log's clock is 32 bits of microseconds, round every 71 minutes.
  hand_start_ms=$(awk -v a="$pressed" -v b="$shown" \
    'BEGIN { d = b - a; if (d < 0) d += 4294967.296; printf "%d", d }')
}
f2_pressed='wl_keyboard@[0-9]+[.]key[(][0-9]+, [0-9]+, 60, 1[)]'
time_stamp='^\[ *\([0-9.]*\)\].*'
box_titled='set_title[(]"La VORBIA 2002"[)]'

# F2 on the maximised table.
start_hand wayland-hand-start.png
waited=$hand_start_ms
echo "F2 to the hand-start box, maximised: $waited ms"
((waited <= longest_hand_start_ms)) || fail "the hand-start box came $waited ms after F2"
sleep 1

# Restored with the button beside the close button, the table keeps within the work area,
# which is the size the compositor gave it maximised.
xdotool mousemove --window "$compositor" $((output_width - 40)) $((32 + 15)) click 1
wait_for 5 grep -q 'unset_maximized()' "$log" || fail "the table could not be restored"
sleep 1.5
read -r restored_width restored_height < <(last_line "$log" "$table_surface[.]set_window_geometry" |
  sed 's/.*set_window_geometry([0-9-]*, [0-9-]*, \([0-9]*\), \([0-9]*\)).*/\1 \2/') ||
  fail "no size for the restored table"
((restored_width <= maximised_width && restored_height <= maximised_height)) ||
  fail "restored to $restored_width x $restored_height, beyond the work area of" \
    "$maximised_width x $maximised_height"
import -window root "$shots/wayland-restored.png"

# F2 on the restored table maximises it again.
xdotool mousemove --window "$compositor" $((output_width / 2)) $((output_height / 2))
start_hand wayland-hand-start-restored.png
waited_restored=$hand_start_ms
echo "F2 to the hand-start box, restored: $waited_restored ms"
((waited_restored <= longest_hand_start_ms)) ||
  fail "the hand-start box came $waited_restored ms after F2 on the restored table"

play_with_keys "$program_pid" 16
import -window root "$shots/wayland-play.png"
end_program "$program_pid" "key-only play with the protocol log" "$game"

# Without it.
game=$work/quiet
start_program "$game" 0
sleep 2
xdotool key --clearmodifiers F2
sleep 1
play_with_keys "$program_pid" 10
end_program "$program_pid" "key-only play" "$game"

# Its leaks are looked for in its offscreen run: Qt's Wayland client leaves libwayland's
# objects to the end of the process.
if [ -n "${3:-}" ]; then
  QT_QPA_PLATFORM=wayland ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    "$3" >"$work/window-system.log" 2>&1 ||
    fail "the busy pointer, the bell or dialog placement on Wayland:" \
      "$(grep -vE '^(PASS|Config)' "$work/window-system.log")"
fi
echo "PASS: app id lavorbia, hand-start box $waited and $waited_restored ms after F2, restored" \
  "within the work area, no crash in key-only play with and without the protocol log" \
  "${3:+and the busy pointer, the bell and the dialogs as Wayland needs them}"
