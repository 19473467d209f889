#!/usr/bin/env bash
# Benchmarks the saver run under Wine on Xvfb screens of 1024 x 768 and 1920 x 1080: the
# split effect (milliseconds per frame against one full-screen copy per frame, measured in
# the same run) and the start-up (to the desktop picture on screen, against a trivial Wine
# program). Prints the figures; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh >/dev/null
session=build/wine-session
trap 'tools/wine-rig.sh stop "$session"' EXIT
for screen in 1024x768 1920x1080; do
  tools/wine-rig.sh start "$session" --screen "$screen"
  (set -a; . "$session/env" 2>/dev/null; wine build/win32/test-tools/split_bench.exe 3 2>/dev/null)
  build/tests/bench/startup_bench 5
  tools/wine-rig.sh stop "$session"
done
