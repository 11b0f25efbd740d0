#!/usr/bin/env bash
# Installs the Debian package on this machine with apt-get, starts /usr/games/vorbia as an
# ordinary user (the program's folder is then read-only), saves a new name through the options
# dialog and opens the help page; then removes the package. Needs root and a machine where
# lavorbia is not installed otherwise.
# Usage: install_package_and_start.sh PACKAGE.deb SCREENSHOT_FOLDER
set -euo pipefail

deb=$(realpath "$1")
shots=$2
source "$(dirname "$0")/../ui/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop apt-get setpriv
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' lavorbia 2>/dev/null | grep -q installed; then
  echo "SKIP: lavorbia is already installed on this machine; not touching it"
  exit 77
fi

apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -y -o DPkg::Lock::Timeout=300 "$@" >>"$work/apt.log" 2>&1
}
installed=
remove_package() {
  if [ -n "$installed" ]; then apt_get purge lavorbia || echo "could not remove lavorbia"; fi
  cleanup
}
trap remove_package EXIT

apt_get install --no-install-recommends "$deb" ||
  fail "apt-get install: $(tail -20 "$work/apt.log")"
installed=yes
program_folder=/usr/lib/games/lavorbia

# An ordinary player with a home of their own, and an "xdg-open" that records what the
# program asks the desktop to open.
chmod 755 "$work"
mkdir -p "$work/home" "$work/tools"
cat >"$work/tools/xdg-open" <<OPEN
#!/bin/sh
echo "\$1" >"$work/home/opened"
OPEN
chmod 755 "$work/tools/xdg-open"
chown nobody "$work/home"

start_x_session
(cd "$work/home" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
   env -i DISPLAY="$DISPLAY" HOME="$work/home" PATH="$work/tools:/usr/bin:/bin:/usr/games" \
   QT_QPA_PLATFORM=xcb vorbia) >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

wait_for 20 window_named "La Vorbia 2002" >/dev/null ||
  fail "the installed program did not open: $(cat "$work/program.log")"
sleep 1
! window_named "La VORBIA 2002" >/dev/null || fail "the installed program misses Vorbia.bmp"
table=$(window_named "La Vorbia 2002")
import -window root "$shots/package-installed.png"

# The help page opens from the menu, found through the link beside the program.
xdotool windowactivate --sync "$table"
xdotool key --clearmodifiers ctrl+d
wait_for 10 test -s "$work/home/opened" || fail "Ctrl+D opened nothing: $(cat "$work/program.log")"
opened=$(sed 's|^file://||' "$work/home/opened")
cmp -s "$opened" /usr/share/games/lavorbia/vorbia.htm || fail "Ctrl+D opened '$opened'"

# A name saved by the player lands in their configuration folder.
rename_through_options "$table" "gIMBO"
settings=$(find "$work/home/.config/lavorbia" -maxdepth 1 -iname vorbia.ini 2>/dev/null)
[ -n "$settings" ] && grep -q $'^Giocatore1=Gimbo\r$' "$settings" ||
  fail "the new name is not in the player's configuration folder"
[ -z "$(find "$program_folder" -iname 'vorbia.ini' -o -iname 'vorbia.bak')" ] ||
  fail "settings were written into the program's folder"

end_with_ctrl_f4 "$table" "$program_pid"

apt_get purge lavorbia || fail "apt-get purge: $(tail -20 "$work/apt.log")"
installed=
[ ! -e /usr/games/vorbia ] && [ ! -e "$program_folder" ] || fail "the package left files behind"
echo "PASS: installed with apt-get, ran as a player, help and settings reachable, removed"
