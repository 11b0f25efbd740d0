#!/usr/bin/env bash
# A whole match and the start of the next, played by keys alone with the Orca screen reader
# running: what Orca says (the "SPEECH OUTPUT" lines of its debug log) must tell the player
# the table's cards, the computer's moves, the scopas, scores and turns, and the result.
# Everything runs headless: a private D-Bus session, Xvfb with openbox, the accessibility bus,
# and speech-dispatcher speaking into a null sound device.
# Usage: orca.sh PROGRAM SCREENSHOT_FOLDER
set -euo pipefail

# A missing reader is a failure: the test command installs it.
for tool in orca speech-dispatcher espeak-ng dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
if [ -z "${VORBIA_PRIVATE_BUS:-}" ]; then
  exec dbus-run-session -- env VORBIA_PRIVATE_BUS=1 "$0" "$@"
fi

program=$(realpath "$1")
shots=$2
here=$(dirname "$(realpath "$0")")
source "$here/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop /usr/libexec/at-spi-bus-launcher \
  /usr/libexec/at-spi2-registryd
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi"
# On failure the logs stay beside the screenshots.
fail() {
  echo "FAIL: $*"
  import -display "$DISPLAY" -window root "$shots/failure.png" 2>/dev/null || true
  mkdir -p "$shots/orca"
  cp "$work"/*.log "$work"/*.out "$work"/*.txt "$shots/orca/" 2>/dev/null || true
  exit 1
}
start_x_session

start_accessibility_bus

# Speech goes to a null sound device; without one, speech-dispatcher waits for a sound server
# and Orca stalls after a few lines.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config LANG=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/orca-settings"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cp -r /etc/speech-dispatcher "$work/speechd"
sed -i 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' "$work/speechd/speechd.conf"
echo 'DefaultModule espeak-ng' >>"$work/speechd/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd" -L "$work" >"$work/speechd.log" 2>&1 &
pids+=("$!")
# Orca's debug log is read while the match is played, so it is written line by line.
speech=$work/orca.log
sed "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" "$(command -v orca)" \
  >"$work/orca"
grep -q "buffering=1" "$work/orca" || fail "Orca's debug log cannot be made line-buffered"
/usr/bin/python3 "$work/orca" --replace -u "$work/orca-settings" --debug-file="$speech" \
  >"$work/orca.out" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
wait_for 20 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$speech" 2>/dev/null ||
  fail "Orca did not start: $(tail -3 "$work/orca.out")"

cp "$program" "$(dirname "$program")/Vorbia.bmp" "$(dirname "$program")/vorbia.htm" "$work/"
printf 'Giocatore1=Gimbo\r\nVelocitaCarta= 50 \r\nDisplayMessaggi=-1 \r\n' >"$work/vorbia.ini"
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VORBIA_SEED=1231 \
  exec ./"$(basename "$program")") >"$work/program.log" 2>&1 &
pids+=("$!")

wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the table window did not open"
xdotool windowactivate --sync "$(window_named "La Vorbia 2002")"
played=$work/played.txt
/usr/bin/python3 "$here/orca_match.py" play "$(basename "$program")" "$played" "$speech" ||
  fail "the match by keys failed: $(tail -5 "$work/program.log")"

cp "$speech" "$shots/orca-speech.log"
/usr/bin/python3 "$here/orca_match.py" check "$played" "$speech" || fail "Orca did not say it all"
