#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it. With no
# display it runs on a private Xvfb display instead and saves a screenshot of
# the started program to build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPX_BUILD_TESTS=OFF -DPX_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target px407-setup
program=${PX_PROGRAM:-build-release/src/app/px407-setup}

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program"
fi
exec scripts/headless-shot.sh "$program" build/screenshot.png
