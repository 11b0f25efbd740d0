#!/usr/bin/env bash
# The table and its boxes as a window manager sees them, measured from outside: its class is
# the desktop entry's, a restore gives the work area (the whole screen: openbox has no panel), a
# new hand after a shrink is laid out for the maximised table, the dialogs and boxes are
# centred with their frames and offer no minimise or maximise, and each carries the icon it
# should.
# Usage: window_manager.sh PROGRAM SCREENSHOT_FOLDER
set -euo pipefail

program=$(realpath "$1")
shots=$2
screen_width=1280
screen_height=800
source "$(dirname "$0")/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop xwininfo convert
start_x_session

# "left top width height" of the window's inner area, and of the window with its frame.
inner() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}
outer() {
  local x y w h l r t b
  read -r x y w h < <(inner "$1")
  IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}
white() { [ "$(convert "$1" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$2+$3" info:)" = 255,255,255 ]; }

# Outer centre of the window $1 within 1 px of the point ($2, $3).
expect_centred() {
  local x y w h
  read -r x y w h < <(outer "$1")
  local dx=$((2 * x + w - 2 * $2)) dy=$((2 * y + h - 2 * $3))
  ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) ||
    fail "$4: outer $w x $h at $x,$y, centre off by $((dx / 2)),$((dy / 2))"
}
# A dialog or box of fixed size with a close button only, as the window manager takes it: its
# size is fixed (minimum == maximum), its Motif hints ask for neither minimise (function 0x8,
# decoration 0x20) nor maximise (0x10, 0x40), it may be closed but neither maximised nor
# resized, and a double click on its title (openbox's maximise) leaves it as it was; it stays
# with the window given as $3, if any. Openbox 3.6 draws its minimise and maximise buttons on
# every window with a title bar whatever the hints, the maximise one then inert, so the frame's
# pictures are not asked of it.
expect_close_only() {
  local hints flags functions decorations sizes actions before x y w
  hints=$(xprop -id "$1" _MOTIF_WM_HINTS)
  IFS=', ' read -r flags functions decorations _ < <(echo "${hints#*= }")
  ((flags & 1 && flags & 2 && !(functions & 0x18) && !(decorations & 0x60))) ||
    fail "$2 asks for minimise or maximise: $hints"
  sizes=$(xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*program specified m[a-z]* size: //p')
  [[ $(wc -l <<<"$sizes") == 2 && $(sort -u <<<"$sizes" | wc -l) == 1 ]] ||
    fail "$2 has no fixed size: $sizes"
  actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  [[ $actions == *_NET_WM_ACTION_CLOSE* && $actions != *MAXIMIZE* && $actions != *_RESIZE* ]] ||
    fail "$2: $actions"
  [ -z "${3:-}" ] || [[ $(xprop -id "$1" WM_TRANSIENT_FOR) == *"# $(printf 0x%x "$3")" ]] ||
    fail "$2 is not transient for the table: $(xprop -id "$1" WM_TRANSIENT_FOR)"
  before=$(outer "$1")
  read -r x y w _ <<<"$before"
  xdotool mousemove $((x + w / 2)) $((y + 5)) click --repeat 2 --delay 80 1
  sleep 0.5
  [[ $(outer "$1") == "$before" && $(xprop -id "$1" _NET_WM_STATE) != *MAXIMIZED* ]] ||
    fail "a double click on the title of $2 changed it: $before to $(outer "$1")"
}
has_icon() { [[ $(xprop -id "$1" _NET_WM_ICON) == *"Icon ("* ]]; }
# The program's icon, not one the toolkit puts on a window that has none.
icon_of() { xprop -id "$1" _NET_WM_ICON | md5sum; }

start_program() {
  (cd "$1" && QT_QPA_PLATFORM=xcb exec ./"$(basename "$program")") >"$1/program.log" 2>&1 &
  pids+=("$!")
  echo "$!"
}

mkdir "$work/game"
cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$work/game/"
program_pid=$(start_program "$work/game")
wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the table window did not open"
table=$(window_named "La Vorbia 2002")
wait_for 10 sh -c "xprop -id $table _NET_WM_STATE | grep -q MAXIMIZED" || fail "not maximised"
has_icon "$table" || fail "the table has no icon"
# The desktop finds the game's menu entry, and its icon, by the class of its windows.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../assets/lavorbia.desktop")
[[ -n $wm_class && $(xprop -id "$table" WM_CLASS) == *", \"$wm_class\"" ]] ||
  fail "the table's class is not the desktop entry's \"$wm_class\": $(xprop -id "$table" WM_CLASS)"
program_icon=$(icon_of "$table")
sleep 0.5
import -window root "$shots/wm-start.png"

# Restored by a double click on its title, the table fills the work area, frame included.
read -r x y w h < <(outer "$table")
xdotool mousemove $((x + w / 2)) $((y + 5)) click --repeat 2 --delay 80 1
wait_for 5 sh -c "! xprop -id $table _NET_WM_STATE | grep -q MAXIMIZED" ||
  fail "a double click on the title did not restore the table"
sleep 1
read -r x y w h < <(outer "$table")
[ "$w x $h" = "$screen_width x $screen_height" ] ||
  fail "restored to $w x $h at $x,$y instead of the screen's size"
import -window root "$shots/wm-restored.png"

# Made small, then a new match: the hand is laid out for the maximised table. The human's
# pile stands 39 px above the bottom of the drawing area, which ends at the window's bottom.
xdotool windowsize --sync "$table" 600 400
xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers F2
wait_for 10 window_named "La VORBIA 2002" >/dev/null || fail "no hand-start message after F2"
box=$(window_named "La VORBIA 2002")
sleep 1
[ "$(icon_of "$box")" = "$program_icon" ] || fail "the message box has not the program's icon"
expect_close_only "$box" "the message box" "$table"
read -r tx ty tw th < <(outer "$table")
expect_centred "$box" $((tx + tw / 2)) $((ty + th / 2)) "the message box over the table"
import -window root "$shots/wm-message.png"
xdotool windowactivate --sync "$box"
xdotool key --clearmodifiers Return
wait_for 5 no_window_named "La VORBIA 2002" || fail "the hand-start message did not close"
sleep 1
read -r cx cy cw ch < <(inner "$table")
import -window root "$shots/wm-hand.png"
! white "$shots/wm-hand.png" $((cx + 34)) $((cy + ch - 39 - 50)) ||
  fail "no pile 39 px above the bottom of the maximised table ($cw x $ch)"

# The options dialog, from the human's name panel, and the about box (F4): centred on the
# screen with their frames, a close button only; the about box has no icon.
xdotool mousemove $((cx + cw / 2)) $((cy + ch - 15)) click 1
wait_for 10 window_named "La VORBIA - Opzioni" >/dev/null || fail "no options dialog"
options=$(window_named "La VORBIA - Opzioni")
sleep 1
expect_centred "$options" $((screen_width / 2)) $((screen_height / 2)) "the options dialog"
expect_close_only "$options" "the options dialog" "$table"
import -window root "$shots/wm-options.png"
xdotool windowactivate --sync "$options"
xdotool key --clearmodifiers Escape
wait_for 5 no_window_named "La VORBIA - Opzioni" || fail "Esc did not close the options dialog"

xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers F4
wait_for 10 window_named "La VORBIA - About" >/dev/null || fail "no about box after F4"
about=$(window_named "La VORBIA - About")
sleep 1
expect_centred "$about" $((screen_width / 2)) $((screen_height / 2)) "the about box"
expect_close_only "$about" "the about box" "$table"
! has_icon "$about" || fail "the about box carries an icon"
import -window root "$shots/wm-about.png"
xdotool windowactivate --sync "$about"
xdotool key --clearmodifiers Escape
wait_for 5 no_window_named "La VORBIA - About" || fail "Esc did not close the about box"
xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers ctrl+F4
wait_for 10 sh -c "! kill -0 $program_pid 2>/dev/null" || fail "Ctrl+F4 did not end the program"

# A start-up that fails: the fatal box has the title and icon of every other box, centred on
# the screen, and the program ends once it is closed.
mkdir -p "$work/broken/vorbia.ini"
cp "$program" "$(dirname "$program")/Vorbia.bmp" "$work/broken/"
broken_pid=$(start_program "$work/broken")
wait_for 20 window_named "La VORBIA 2002" >/dev/null || fail "no fatal start-up box"
fatal=$(window_named "La VORBIA 2002")
sleep 1
[ "$(icon_of "$fatal")" = "$program_icon" ] || fail "the fatal start-up box has not the program's icon"
expect_close_only "$fatal" "the fatal start-up box"
expect_centred "$fatal" $((screen_width / 2)) $((screen_height / 2)) "the fatal start-up box"
import -window root "$shots/wm-fatal.png"
xdotool windowactivate --sync "$fatal"
xdotool key --clearmodifiers Return
wait_for 10 sh -c "! kill -0 $broken_pid 2>/dev/null" || fail "the program went on after the box"
echo "PASS: restore, new hand after a shrink, centring, frame buttons and icons as expected"
