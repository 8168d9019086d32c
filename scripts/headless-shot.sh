#!/usr/bin/env bash
# Runs PROGRAM on a private Xvfb display with a window manager, waits until
# its start-up has finished, saves a screenshot to OUT and ends the program.
# A driver warning shown during start-up is saved beside OUT and answered OK.
set -euo pipefail
program=${1:?program}; out=${2:?output png}
mkdir -p "$(dirname "$out")"

n=90; while [[ -e /tmp/.X$n-lock ]]; do n=$((n+1)); done
Xvfb :$n -screen 0 1280x1024x24 -ac -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=:$n
cleanup() { kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5

"$program" & app=$!
# Start-up has finished when the main window is up; a warning comes first.
for _ in $(seq 150); do
  if xdotool search --onlyvisible --name '^Warning$' >/dev/null 2>&1; then
    sleep 0.3
    import -window root "${out%.png}-warning.png"
    echo "The program warned that it has no port access: ${out%.png}-warning.png"
    xdotool key --window "$(xdotool search --onlyvisible --name '^Warning$' | head -1)" Return
  fi
  xdotool search --onlyvisible --name '^Setup$' >/dev/null 2>&1 && break
  sleep 0.1
done
# The instructions window opens by itself shortly after the first idle moment.
sleep 1.5
import -window root "$out"
echo "Screenshot of the started program: $out"
