#!/usr/bin/env bash
# The real program on a virtual screen with a window manager: it must open maximised, start a
# match on F2, play the human's card on a click, take a new name through the options dialog
# opened from the human's name panel, and end with status 0 on Ctrl+F4.
# Usage: end_to_end.sh PROGRAM SCREENSHOT_FOLDER   (SCREEN=WxHxD and QT_SCALE_FACTOR may be set)
set -euo pipefail

program=$(realpath "$1")
shots=${2:-$(dirname "$program")/../screenshots}
screen=${SCREEN:-1280x800x24}

work=$(mktemp -d)
mkdir -p "$shots"
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
sleep 1
suffix=${QT_SCALE_FACTOR:+-x$QT_SCALE_FACTOR}
import -window root "$shots/idle$suffix.png"
xdotool key --clearmodifiers F2
wait_for 10 window_named "La VORBIA 2002" >/dev/null || fail "no hand-start message after F2"
box=$(window_named "La VORBIA 2002")
xdotool windowactivate --sync "$box"
xdotool key --clearmodifiers Return
wait_for 5 sh -c "! xdotool search --name '^La VORBIA 2002\$' getwindowname %@ 2>/dev/null |
                  grep -qx 'La VORBIA 2002'" || fail "the hand-start message did not close"

# The human's play spot is 138 px above the bottom of the table, 69 px from its left; the
# table fills the window below the menu bar, so the bottom edge is the window's.
eval "$(xdotool getwindowgeometry --shell "$table")"
scale=${QT_SCALE_FACTOR:-1}
card_x=$(awk -v x="$X" -v s="$scale" 'BEGIN { printf "%d", x + (69 + 29) * s }')
card_y=$(awk -v y="$Y" -v h="$HEIGHT" -v s="$scale" 'BEGIN { printf "%d", y + h - (138 - 50) * s }')
# When the computer plays first its move comes on its timer; a click that finds no card
# there lands on the bare table and does nothing.
for attempt in 1 2 3; do
  sleep 1.5
  xdotool mousemove "$card_x" "$card_y" click 1
done
sleep 1.5
xdotool mousemove "$X" "$((Y + HEIGHT / 2))"
sleep 0.5
import -window root "$shots/match$suffix.png"

# A click on the human's name panel, along the bottom edge, opens the options dialog.
xdotool mousemove "$((X + WIDTH / 2))" "$(awk -v y="$Y" -v h="$HEIGHT" -v s="$scale" 'BEGIN { printf "%d", y + h - 15 * s }')" click 1
wait_for 10 window_named "La VORBIA - Opzioni" >/dev/null || fail "no options dialog after a click on the name panel"
options=$(window_named "La VORBIA - Opzioni")
xdotool windowactivate --sync "$options"
xdotool type --delay 50 "gIMBO"
sleep 0.5
import -window root "$shots/options$suffix.png"
xdotool key --clearmodifiers Return
wait_for 5 sh -c "! xdotool search --name '^La VORBIA - Opzioni\$' >/dev/null 2>&1" ||
  fail "Enter did not close the options dialog"
grep -q $'^Giocatore1=Gimbo\r$' "$work/VORBIA.ini" || fail "the new name is not in the settings file"
sleep 0.5
import -window root "$shots/named$suffix.png"
saved=$(md5sum "$work/VORBIA.ini")

xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers ctrl+F4
status=0
wait_for 10 sh -c "! kill -0 $program_pid 2>/dev/null" || fail "Ctrl+F4 did not end the program"
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(md5sum "$work/VORBIA.ini")" = "$saved" ] || fail "settings were written on exit"
echo "PASS: opened maximised, played a card, saved a new name, exited with status 0; screenshots in $shots"
