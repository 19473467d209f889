#!/usr/bin/env bash
# Benchmarks the saver run under Wine on Xvfb screens of 1024 x 768, 1920 x 1080 and
# 3840 x 2160: the split effect, each frame held for one display refresh (the time to compose
# and present a frame, median and worst, against the refresh interval; the refreshes missed;
# the slide's duration against frames x refresh interval; one full-screen copy per frame as
# the baseline, measured in the same run) and the start-up (to the desktop picture on screen,
# against a trivial Wine program). Prints the figures; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/build.sh >/dev/null
session=build/wine-session
trap 'tools/wine-rig.sh stop "$session"' EXIT
for screen in 1024x768 1920x1080 3840x2160; do
  tools/wine-rig.sh start "$session" --screen "$screen"
  (set -a; . "$session/env" 2>/dev/null; wine build/win32/test-tools/split_bench.exe 3 2>/dev/null)
  build/tests/bench/startup_bench 5
  tools/wine-rig.sh stop "$session"
done
