#!/usr/bin/env bash
# The real program on a virtual screen with a window manager: it must open maximised, start a
# match on F2, play the human's card on a click, take a new name through the options dialog
# opened from the human's name panel, and end with status 0 on Ctrl+F4.
# Usage: end_to_end.sh PROGRAM SCREENSHOT_FOLDER
set -euo pipefail

program=$(realpath "$1")
shots=$2
source "$(dirname "$0")/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop
start_x_session

# A copy of the program's folder, so the run writes nothing beside the build.
cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$work/"
(cd "$work" && QT_QPA_PLATFORM=xcb exec ./"$(basename "$program")") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the table window did not open"
table=$(window_named "La Vorbia 2002")
wait_for 10 sh -c "xprop -id $table _NET_WM_STATE | grep -q MAXIMIZED" ||
  fail "the table is not maximised: $(xprop -id "$table" _NET_WM_STATE)"

xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers F2
wait_for 10 window_named "La VORBIA 2002" >/dev/null || fail "no hand-start message after F2"
xdotool windowactivate --sync "$(window_named "La VORBIA 2002")"
xdotool key --clearmodifiers Return
wait_for 5 no_window_named "La VORBIA 2002" || fail "the hand-start message did not close"

# The human's card lies 69 px from the left of the table and 138 px above its bottom, which
# is the window's. When the computer plays first its move comes on its timer; a click that
# finds no card there lands on the bare table and does nothing.
eval "$(xdotool getwindowgeometry --shell "$table")"
for attempt in 1 2 3; do
  sleep 1.5
  xdotool mousemove $((X + 69 + 29)) $((Y + HEIGHT - 138 + 50)) click 1
done
sleep 1.5
xdotool mousemove "$X" $((Y + HEIGHT / 2))
import -window root "$shots/match.png"

rename_through_options "$table" "gIMBO"
grep -q $'^Giocatore1=Gimbo\r$' "$work/VORBIA.ini" || fail "the new name is not in the settings file"
sleep 0.5
import -window root "$shots/named.png"
saved=$(md5sum "$work/VORBIA.ini")

end_with_ctrl_f4 "$table" "$program_pid"
[ "$(md5sum "$work/VORBIA.ini")" = "$saved" ] || fail "settings were written on exit"
echo "PASS: opened maximised, played a card, saved a new name, exited with status 0"
