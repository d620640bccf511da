#!/usr/bin/env bash
# Installs every Debian package the build, the game and the tests need.
# Quick when everything is present; safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format-14
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev
  libfreetype-dev fonts-ipafont-gothic
  nettle-dev libstb-dev libturbojpeg0-dev libspng-dev libvorbis-dev libogg-dev
  xvfb xauth xdotool libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
