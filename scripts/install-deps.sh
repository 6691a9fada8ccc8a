#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the game (dpkg-dev, file and
# appstream build and check the game's own Debian package).
# Only packages that are missing are installed, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
  libfluidsynth-dev fluid-soundfont-gm
  fonts-noto-cjk
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
  dpkg-dev file appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
