#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, render its data and
# run its tests.  Does nothing when they are all there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  liballegro4-dev libx11-dev
  libgtest-dev googletest
  librsvg2-bin imagemagick sox
  fonts-dejavu-core fonts-urw-base35
  xvfb xdotool x11-utils
  clang libclang-rt-14-dev valgrind
  dpkg-dev file desktop-file-utils appstream lintian
  pulseaudio pulseaudio-utils libasound2-plugins
  openbox wmctrl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
