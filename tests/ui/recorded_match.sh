#!/usr/bin/env bash
# A whole seeded match of the real program, played through the mouse and the keyboard, must
# show exactly the pictures recorded in EXPECTATION: the table at the end of every glide, before
# every box and at every beep (VORBIA_SNAPSHOTS), compared pixel for pixel.
# With VORBIA_RECORD=1 the run writes EXPECTATION instead of comparing.
# Usage: recorded_match.sh PROGRAM SCREENSHOT_FOLDER EXPECTATION
set -euo pipefail

program=$(realpath "$1")
shots=$2
expectation=$3
source "$(dirname "$0")/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop convert identify md5sum
start_x_session

# What the run recorded stays for a person to look at.
keep_pictures() {
  rm -rf "$shots/recorded-match"
  mkdir -p "$shots/recorded-match"
  cp -r "$snapshots"/. "$shots/recorded-match/" 2>/dev/null || true
}
fail() {
  echo "FAIL: $*"
  import -display "$DISPLAY" -window root "$shots/failure.png" 2>/dev/null || true
  keep_pictures
  exit 1
}

# The plan comes from plan_recorded_match.py on the text front end, which deals the same hands
# from the same seed: per decision of the human, what it does, how, its uncovered card, the
# number of moments recorded when it may act, the number of focus stops (its card and the
# table cards), and the table cards to select as scan-order slot/focus stop. Made with
#     tests/ui/plan_recorded_match.py build/bin/vorbia-console $(seq 1500)
seed=1231
plan="\
wrong mouse 19 5 3 0/1
over10 mouse 29 12 3 0/1 7/2
capture mouse 29 13 3 7/2
lay keys 36 19 3
scopa-last mouse 32 23 5 15/4
lay keys 9 32 3
scopa-suit mouse 38 36 5 0/1 14/3
lay keys 21 46 2
lay mouse 3 57 3
lay keys 16 64 2
scopa-last mouse 24 68 4 7/2
lay keys 34 75 4
lay mouse 27 79 6
capture keys 28 86 6 7/3
lay mouse 1 94 4
lay keys 18 101 3
lay mouse 30 107 3
scopa-last keys 11 111 5 15/4
lay mouse 15 120 3
scopa-empty keys 8 128 3 0/1 14/2
f2 mouse 36 139 3
end mouse 38 142"

cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$work/"
printf 'Giocatore1=Gimbo\r\nVelocitaCarta= 50 \r\nDisplayMessaggi=-1 \r\n' >"$work/vorbia.ini"
snapshots=$work/snapshots
log=$snapshots/log.txt
started=$SECONDS
(cd "$work" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb VORBIA_SEED=$seed \
  VORBIA_SNAPSHOTS="$snapshots" exec ./"$(basename "$program")") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the table window did not open"
table=$(window_named "La Vorbia 2002")
wait_for 10 sh -c "xprop -id $table _NET_WM_STATE | grep -q MAXIMIZED" ||
  fail "the table is not maximised"

moments() { if [ -f "$log" ]; then wc -l <"$log"; else echo 0; fi; }
moment() { sed -n "${1}p" "$log" | cut -d' ' -f2-; }
box_open() { window_named "La VORBIA 2002" || window_named "La VORBIA - Fine partita"; }

window_shown() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
window_gone() { ! window_shown "$1"; }

# A box is answered with Return; the end-of-match dialog has no default button, so its OK is
# pressed through its Alt+O. The next box may open right after, so it is this box that must go.
answer_box() {
  local box key=Return
  box=$(box_open) || return 1
  [ "$(xdotool getwindowname "$box")" = "La VORBIA - Fine partita" ] && key=alt+o
  xdotool windowactivate --sync "$box"
  xdotool key --clearmodifiers "$key"
  wait_for 10 window_gone "$box" || fail "Return did not close the box at moment $(moments)"
}

# Waits until the table has recorded $1 moments and waits for the human. A box opens right
# after its moment is recorded and holds the table until answered, so while the last moment
# is an unanswered box, the box is coming or open.
answered=0
wait_for_moment() {
  local deadline=$((SECONDS + 60)) count
  while true; do
    count=$(moments)
    if ((count > answered)) && [[ "$(moment "$count")" =~ ^(message|end-of-match) ]]; then
      wait_for 10 box_open >/dev/null || fail "no box at moment $count"
      answer_box
      answered=$count
      continue
    fi
    ((count >= $1)) && break
    ((SECONDS < deadline)) || fail "only $count of $1 moments; the last: $(moment "$count")"
    sleep 0.05
  done
  ((count == $1)) || fail "moment $1 was followed by: $(moment $(($1 + 1)))"
}

# Table positions in the drawing area, as the rules lay them out: the area fills the window
# below its menu bar, and its size is that of the recorded pictures.
locate_area() {
  local geometry
  geometry=$(xwininfo -id "$table")
  read -r area_width area_height < <(identify -format '%w %h\n' "$snapshots/0001.png")
  area_left=$(sed -n 's/ *Absolute upper-left X: *//p' <<<"$geometry")
  area_top=$(($(sed -n 's/ *Absolute upper-left Y: *//p' <<<"$geometry") +
    $(sed -n 's/ *Height: *//p' <<<"$geometry") - area_height))
  human_top=$((area_height - 39 - 99))
  row_step=$(((human_top - 67) / 2))
  column_step=$(((area_width - 158 - 58 - 20) / 6))
}
click_at() { xdotool mousemove --sync $((area_left + $1 + 29)) $((area_top + $2 + 50)) click 1; }
click_slot() {
  click_at $((158 + 5 + ($1 % 7) * column_step)) $((human_top - ($1 / 7) * row_step))
}
click_uncovered_card() { click_at 69 "$human_top"; }
# Keys from focus stop $1 to stop $2: forward with Tab or Right, back with Left.
keys_between() {
  local from=$1 to=$2 key=Tab
  ((to % 2 == 0)) || key=Right
  if ((to > from)); then
    for ((; from < to; from++)); do xdotool key --clearmodifiers "$key"; done
  else
    for ((; from > to; from--)); do xdotool key --clearmodifiers Left; done
  fi
}

xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers F2
wait_for 20 sh -c "[ -s '$snapshots/0001.png' ]" || fail "no moment recorded after F2"
locate_area

while read -r what how card count stop_count selection; do
  wait_for_moment "$count"
  # After a refused selection the human is still at the same turn, just past its box.
  [ "$(moment "$count")" = "glide $card" ] || [[ "$(moment "$count")" = message* ]] ||
    fail "before the human's $what the last moment is '$(moment "$count")', not glide $card"
  [ "$what" = end ] && break
  xdotool windowactivate --sync "$table"
  if [ "$what" = over10 ]; then
    # Two table cards worth more than 10 together: the second is refused with a box.
    for chosen in $selection; do click_slot "${chosen%/*}"; done
    wait_for_moment $((count + 1))
    continue
  fi
  stop=0
  for chosen in $selection; do
    if [ "$how" = mouse ]; then
      click_slot "${chosen%/*}"
    else
      keys_between "$stop" "${chosen#*/}"
      stop=${chosen#*/}
      xdotool key --clearmodifiers space
    fi
  done
  if [ "$how" = mouse ]; then
    if [ "$what" = f2 ]; then
      # A new match while the card glides: the glide is cut short and leaves no moment. The
      # glide takes two steps of 5 ms, so F2 follows the button's release at once ("click"
      # and "key" would each wait 12 ms).
      xdotool mousemove --sync $((area_left + 69 + 29)) $((area_top + human_top + 50)) \
        mousedown 1 mouseup 1 keydown F2 keyup F2
    else
      click_uncovered_card
    fi
  else
    keys_between "$stop" 0
    xdotool key --clearmodifiers Return
  fi
done <<<"$plan"
end_with_ctrl_f4 "$table" "$program_pid"
echo "played in $((SECONDS - started)) s, $(moments) moments"

# Each moment's line, with the checksum of its picture's pixels (a beep has none).
actual=$work/actual
while read -r number rest; do
  sum=-
  picture=$snapshots/$number.png
  [ -f "$picture" ] && sum=$(convert "$picture" rgba:- | md5sum | cut -c1-32)
  echo "$sum $number $rest"
done <"$log" >"$actual"

if [ "${VORBIA_RECORD:-0}" = 1 ]; then
  cp "$actual" "$expectation"
  keep_pictures
  echo "RECORDED: $(wc -l <"$actual") moments in $expectation (pictures in $shots/recorded-match)"
  exit 0
fi
if ! cmp -s "$actual" "$expectation"; then
  line=$( (cmp "$actual" "$expectation" 2>&1 || true) | sed -n 's/.*line \([0-9]*\).*/\1/p')
  cp "$actual" "$snapshots/actual.txt"
  fail "moment ${line:-?} differs: expected '$(sed -n "${line:-1}p" "$expectation")'," \
    "got '$(sed -n "${line:-1}p" "$actual")' (pictures in $shots/recorded-match)"
fi
echo "PASS: $(wc -l <"$actual") moments as recorded"
