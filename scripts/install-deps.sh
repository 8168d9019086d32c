#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its tools need,
# when any is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6test6
  libjpeg62-turbo-dev
  fonts-wine fonts-dejavu-core fonts-liberation
  xvfb openbox xdotool imagemagick x11-utils
  libcap2-bin
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
