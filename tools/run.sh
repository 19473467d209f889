#!/usr/bin/env bash
# Runs the screen saver under Wine in the Japanese locale, as Windows would start it:
#   tools/run.sh            saver mode (/s)
#   tools/run.sh /c         the settings dialog
#   tools/run.sh /p HWND    the preview inside window HWND
# On the caller's X display when there is one; otherwise on a private Xvfb display showing a
# desktop picture, with a screenshot every second saved to build/run/screenshots; after
# ORVANE_RUN_SECONDS seconds (30 by default) the run is ended as a user would, by moving the
# mouse. It runs the i686 build where Wine can run 32-bit programs, else the x86_64 build.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh >/dev/null
tools/wine-rig.sh builds
arguments=("$@")
[ ${#arguments[@]} -gt 0 ] || arguments=(/s)

run=$(pwd)/build/run
program=$run/program
# Its own session and prefix, beside any test run: sessions that share a prefix share its
# wineserver.
session=$run/session
trap 'tools/wine-rig.sh stop "$session"' EXIT

# The program folder persists between runs, so the settings chosen with /c stay.
install_program() {
  mkdir -p "$program"
  cp "build/dist/${ORVANE_BUILDS%% *}"/* "$program/"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  tools/wine-rig.sh start "$session" --display "$DISPLAY"
  while IFS== read -r key value; do export "$key=$value"; done <"$session/env" 2>/dev/null
  install_program
  "$WINE" "$program/3dOrvane.scr" "${arguments[@]}"
  exit
fi

tools/wine-rig.sh start "$session"
while IFS== read -r key value; do export "$key=$value"; done <"$session/env" 2>/dev/null
install_program
shots=$run/screenshots
rm -rf "$shots"
mkdir -p "$shots"
# Something to see torn apart: a desktop picture on the private display.
convert -size 1024x768 gradient:'#3a6ea5-#0b1f3a' -gravity center -pointsize 72 -fill '#dfe8f5' \
  -font "$(fc-match -f '%{file}' IPAGothic)" -annotate 0 '3dOrvane' "$run/desktop.png"
display -window root "$run/desktop.png" || true  # sets the picture, yet exits with 1
"$WINE" "$program/3dOrvane.scr" "${arguments[@]}" &
saver=$!
for second in $(seq -w "${ORVANE_RUN_SECONDS:-30}"); do
  sleep 1
  import -window root "$shots/$second.png"
  kill -0 "$saver" 2>/dev/null || break
done
xdotool mousemove 200 200 sleep 0.2 mousemove 600 500
for _ in $(seq 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill "$saver" 2>/dev/null || true
echo "Screenshots of the run: $shots"
