#!/usr/bin/env bash
# Installs the Debian packages that are missing for "run" (build and play) or "test"
# (also everything the tests drive). Does nothing when all are there.
set -euo pipefail

run_packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-wine fonts-dejavu-core fonts-dejavu-extra)
# Building and checking the Debian package needs dpkg-dev and file (cpack) and Debian's checkers;
# qt6-wayland, which the package depends on, lets it install without a download; weston is
# the Wayland compositor the game is tried under; clang and clang-format check that the code
# builds with a second compiler and keeps one format; Orca, speaking through speech-dispatcher
# and espeak-ng, is the screen reader a whole match is played with; clang-tidy is `make lint`.
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool openbox imagemagick x11-utils
               clang clang-format libclang-rt-14-dev lintian appstream desktop-file-utils dpkg-dev file
               qt6-wayland dbus at-spi2-core python3-pyatspi weston orca speech-dispatcher
               speech-dispatcher-espeak-ng espeak-ng clang-tidy)

packages=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then packages+=("${test_packages[@]}"); fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_if_needed=()
[ "$(id -u)" -ne 0 ] && sudo_if_needed=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_if_needed[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
