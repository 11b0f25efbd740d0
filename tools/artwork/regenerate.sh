#!/bin/sh
# Redraws every picture of the game from its SVG source: cards, icons, the
# background picture, the Qt resource list and docs/contact-sheet.png.
set -eu
here=$(cd "$(dirname "$0")" && pwd)

# The generator needs Debian's own Python with Pillow, rsvg-convert and the DejaVu fonts.
missing=""
for pkg in librsvg2-bin python3-pil fonts-dejavu-core; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $pkg"
done
if [ -n "$missing" ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update
    # shellcheck disable=SC2086
    $sudo_cmd apt-get install -y $missing
fi

exec /usr/bin/python3 "$here/generate.py" "$@"
