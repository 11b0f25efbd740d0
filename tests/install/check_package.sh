#!/usr/bin/env bash
# Checks the Debian package the way Debian does: lintian, the software centres' metadata
# validator and the desktop-entry validator must report no error and no warning. Depends must
# name the libraries the program links and the Qt platform plugins it loads at run time.
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail

deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in lintian appstreamcli desktop-file-validate dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Info tags are advice; errors and warnings are faults.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian: see above"

root=$work/root
dpkg-deb -x "$deb" "$root"
# No network: the project's site does not answer yet, and a test may not depend on one.
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metadata in the package"
appstreamcli validate --pedantic --no-net "${metainfo[@]}" || fail "appstreamcli: see above"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "${metainfo[0]}")
desktop=$root/usr/share/applications/$launchable
[ -f "$desktop" ] || fail "the metadata launches '$launchable', which the package lacks"
# desktop-file-validate reports warnings yet ends with 0: any output is a finding.
report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -q '^Name\[it\]=' "$desktop" && grep -q '^Comment\[it\]=' "$desktop" ||
  fail "the desktop entry has no Italian name or comment"

# The links must resolve inside the package: the command, and the picture and help page
# beside the program.
[ -x "$root/usr/games/vorbia" ] || fail "/usr/games/vorbia does not lead to the program"
for file in Vorbia.bmp vorbia.htm; do
  cmp -s "$root/usr/lib/games/lavorbia/$file" "$root/usr/share/games/lavorbia/$file" ||
    fail "$file is not reachable beside the program"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names_package() { tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$1"; }
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-wayland; do
  names_package "$package" || fail "Depends does not name $package"
done
# The X11 platform plugin is found where this machine's Qt has it, not where we think it is.
xcb_owner=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | cut -d: -f1)
names_package "$xcb_owner" || fail "Depends does not name $xcb_owner, which has the X11 plugin"
echo "PASS: lintian, appstreamcli and desktop-file-validate are silent; Depends is complete"
