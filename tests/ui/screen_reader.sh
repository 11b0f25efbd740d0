#!/usr/bin/env bash
# The real program through the desktop's accessibility bus: under a private D-Bus session with
# the AT-SPI bus and registry, a script reads the table as a screen reader does and plays one
# human turn with key presses only.
# Usage: screen_reader.sh PROGRAM SCREENSHOT_FOLDER
set -euo pipefail

if [ -z "${VORBIA_PRIVATE_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
  exec dbus-run-session -- env VORBIA_PRIVATE_BUS=1 "$0" "$@"
fi

program=$(realpath "$1")
shots=$2
here=$(dirname "$(realpath "$0")")
source "$here/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop /usr/libexec/at-spi-bus-launcher \
  /usr/libexec/at-spi2-registryd
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi"; exit 77; }
start_x_session

start_accessibility_bus

cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$work/"
printf 'Giocatore1=Gimbo\r\n' >"$work/vorbia.ini"
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  exec ./"$(basename "$program")") >"$work/program.log" 2>&1 &
pids+=("$!")

wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the table window did not open"
xdotool windowactivate --sync "$(window_named "La Vorbia 2002")"
/usr/bin/python3 "$here/screen_reader.py" "$(basename "$program")" ||
  fail "the screen reader's reading failed: $(tail -5 "$work/program.log")"
import -window root "$shots/screen-reader.png"
