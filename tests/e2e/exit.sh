#!/usr/bin/env bash
# Starts the real program on a private X display, answers a driver warning if
# one appears, waits for the main window, chooses File, Exit with the keyboard
# and expects the program to end with status 0.
set -u
program=${1:?program}
for tool in Xvfb xdotool xdpyinfo; do command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }; done

n=120; while [[ -e /tmp/.X$n-lock ]]; do n=$((n+1)); done
Xvfb :$n -screen 0 1024x768x24 -ac -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=:$n
unset QT_QPA_PLATFORM
trap 'kill $xvfb ${wm:-} ${app:-} 2>/dev/null' EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 0.5; fi

"$program" & app=$!
main=""
for _ in $(seq 200); do
  if w=$(xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -1) && [[ -n "$w" ]]; then
    xdotool windowactivate --sync "$w" 2>/dev/null; xdotool key --window "$w" Return
  fi
  main=$(xdotool search --onlyvisible --name '^Setup$' 2>/dev/null | head -1)
  [[ -n "$main" ]] && break
  kill -0 $app 2>/dev/null || { echo "the program ended during start-up"; exit 1; }
  sleep 0.1
done
[[ -n "$main" ]] || { echo "no main window appeared"; exit 1; }
sleep 1
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key --window "$main" alt+f
sleep 0.3
xdotool key e
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then echo "File, Exit did not end the program"; exit 1; fi
wait $app; status=$?
echo "exit status $status"
[[ $status -eq 0 ]]
