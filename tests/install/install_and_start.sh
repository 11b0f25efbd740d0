#!/usr/bin/env bash
# Installs the build into a temporary prefix the way a package would, checks that the desktop
# finds the game (menu entry, icons, metadata, manual page), then starts the installed program
# through its link in games: it must open without the missing-picture message and end with
# status 0 on Ctrl+F4.
# Usage: install_and_start.sh BUILD_FOLDER
set -euo pipefail

build=$(realpath "$1")
shots=$build/screenshots
source "$(dirname "$0")/../ui/x-session.sh"
skip_unless_tools Xvfb xdotool openbox import xprop

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
for file in games/vorbia lib/games/lavorbia/vorbia lib/games/lavorbia/Vorbia.bmp \
            lib/games/lavorbia/vorbia.htm share/applications/lavorbia.desktop \
            share/icons/hicolor/32x32/apps/lavorbia.png share/icons/hicolor/48x48/apps/lavorbia.png \
            share/metainfo/example.lavorbia.lavorbia.metainfo.xml share/man/man6/vorbia.6.gz; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
grep -qx 'Exec=vorbia' "$prefix/share/applications/lavorbia.desktop" || fail "desktop entry"
grep -qx 'Icon=lavorbia' "$prefix/share/applications/lavorbia.desktop" || fail "desktop entry"

start_x_session
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$prefix/games/vorbia") >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

wait_for 20 window_named "La Vorbia 2002" >/dev/null || fail "the installed program did not open"
sleep 1
# Found beside the installed program, the background picture raises no message box.
! window_named "La VORBIA 2002" >/dev/null || fail "the installed program misses Vorbia.bmp"
import -window root "$shots/installed.png"

end_with_ctrl_f4 "$(window_named "La Vorbia 2002")" "$program_pid"
echo "PASS: installed into a temporary prefix, started from games, exited with status 0"
