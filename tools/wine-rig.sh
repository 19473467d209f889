#!/usr/bin/env bash
# The Wine session in which the screen saver runs for the tests and for a look at it: a Wine
# prefix in the Japanese locale (ANSI code page 932) with Japanese fonts, a private Xvfb
# display (or the caller's own) and one wineserver kept running for the whole session.
#
#   wine-rig.sh start SESSION_DIR [--display :N] [--screen WxH | --heads WxH+X+Y,...]
#       starts a session and writes its environment to SESSION_DIR/env (KEY=VALUE lines);
#       with --heads its private display has several monitors, the primary first
#   wine-rig.sh stop SESSION_DIR
#       ends the session: every Wine process of it, its wineserver and its Xvfb display
#   wine-rig.sh builds
#       prints one line: which builds Wine can run on this machine, and why
#
# Wine's 32-bit loader needs a kernel that runs 32-bit x86 code; where it cannot start, or
# where ORVANE_E2E_BUILD=64 asks for it, the session runs only the x86_64 build, through the
# 64-bit loader, in a prefix of its own made by that loader. The session's environment says
# which: ORVANE_BUILDS is "win32 win64" or "win64", WINE is the loader that starts a Windows
# program (or one of Wine's own tools: "$WINE" msiexec) and WINESERVER the session's server.
# Debian's wrapper scripts (wine, winepath, wineserver...) are never used: they pick the 32-bit
# loader whenever its file is executable, even where the kernel cannot run it.
#
# Several monitors: Xvfb has one screen, as large as the whole layout, and no RandR, so Wine
# asks Xinerama for the monitors; a stand-in libXinerama.so.1 (tools/xinerama), built here for
# each loader that runs, tells it the heads.
#
# The prefix (about 1.3 GB, 20 s to create) and the locale are made once and kept in
# ORVANE_WINE_CACHE, by default the "wine" folder beside SESSION_DIR.
set -euo pipefail

command=${1:-}
session=${2:-}
usage="usage: $0 start|stop SESSION_DIR [options] | builds"

wine32=/usr/lib/wine/wine
wine64=/usr/lib/wine/wine64
# The 64-bit server serves both loaders.
wineserver=/usr/lib/wine/wineserver64

# Sets `builds`, `loader` and `reason`: the builds this machine can run and the loader that
# starts them.
choose_builds() {
  local failure
  if [ "${ORVANE_E2E_BUILD:-}" = 64 ]; then
    builds=win64 loader=$wine64 reason="ORVANE_E2E_BUILD=64 asks for the 64-bit path"
  elif [ ! -e "$wine32" ]; then
    builds=win64 loader=$wine64
    reason="Wine for 32-bit programs is not installed (the prerequisites' install says why)"
  elif failure=$("$wine32" --version 2>&1 >/dev/null); then
    builds="win32 win64" loader=$wine32 reason="Wine's 32-bit loader runs here"
  else
    builds=win64 loader=$wine64
    reason="Wine's 32-bit loader cannot start here (${failure#*: line *: })"
  fi
}

describe_builds() {
  choose_builds
  case $builds in
    win64) echo "Wine runs only the x86_64 build, through $loader: $reason." ;;
    *) echo "Wine runs the i686 build (primary) and the x86_64 build: $reason." ;;
  esac
}

if [ "$command" = builds ]; then
  describe_builds
  exit
fi
[ -n "$command" ] && [ -n "$session" ] || { echo "$usage" >&2; exit 2; }
mkdir -p "$session"
session=$(cd "$session" && pwd)
cache=${ORVANE_WINE_CACHE:-$(dirname "$session")/wine}

session_environment() {
  local display=$1
  if [ "$builds" = win64 ]; then
    echo "WINEPREFIX=$cache/prefix64"
  else
    echo "WINEPREFIX=$cache/prefix"
  fi
  cat <<ENV
ORVANE_BUILDS=$builds
WINE=$loader
WINELOADER=$loader
WINESERVER=$wineserver
WINEARCH=win64
WINEDEBUG=-all
WINEDLLOVERRIDES=mscoree,mshtml=
LOCPATH=$cache/locale
LANG=ja_JP.UTF-8
LC_ALL=ja_JP.UTF-8
TMPDIR=$session/tmp
HOME=$session/home
XDG_CACHE_HOME=$session/home/.cache
DISPLAY=$display
PULSE_SERVER=unix:$session/pulse/socket
ENV
}

load_environment() {
  local key value
  { while IFS="=" read -r key value; do export "$key=$value"; done < "$session/env"; } 2>/dev/null
}

# Wine reports code page 932 only when the ja_JP.UTF-8 locale really exists, and 1252 for
# en_US.UTF-8, in which tests run programs as on an English Windows.
make_locale() {
  local name
  mkdir -p "$cache/locale"
  for name in ja_JP en_US; do
    [ -d "$cache/locale/$name.UTF-8" ] ||
      localedef -i "$name" -f UTF-8 "$cache/locale/$name.UTF-8" >/dev/null 2>&1 ||
      [ -d "$cache/locale/$name.UTF-8" ]
  done
}

start_xvfb() {
  local screen=$1
  shift
  rm -f "$session/display"
  setsid Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset "$@" \
    3>"$session/display" </dev/null >"$session/xvfb.log" 2>&1 &
  echo $! >"$session/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$session/display" ] && { echo ":$(cat "$session/display")"; return; }
    sleep 0.1
  done
  echo "Xvfb did not start; see $session/xvfb.log" >&2
  exit 1
}

# The size that holds every head of a list "WxH+X+Y,...", as "WxH".
layout_size() {
  local head width=0 height=0 w h x y
  for head in ${1//,/ }; do
    IFS='x+' read -r w h x y <<<"$head"
    width=$((x + w > width ? x + w : width)) height=$((y + h > height ? y + h : height))
  done
  echo "${width}x${height}"
}

# Builds the stand-in libXinerama.so.1 for each loader that runs; prints the folders that
# hold it, as a library path.
build_xinerama() {
  local source=$1 path="" arch flags
  for arch in $builds; do
    [ "$arch" = win32 ] && flags=-m32 || flags=""
    mkdir -p "$session/xinerama/$arch"
    # shellcheck disable=SC2086
    cc $flags -shared -fPIC -nostdlib -O2 -Wl,-soname,libXinerama.so.1 \
      -o "$session/xinerama/$arch/libXinerama.so.1" "$source"
    path=${path:+$path:}$session/xinerama/$arch
  done
  echo "$path"
}

# A sound server in user space: no devices, one null sink that never suspends, so what Wine
# plays can be recorded. A recorder kept running keeps the sink's clock going through
# silence, so recordings keep true time.
start_sound_server() {
  mkdir -p "$session/pulse"
  PULSE_RUNTIME_PATH=$session/pulse setsid pulseaudio --daemonize=no --exit-idle-time=-1 \
    --disable-shm=yes -n --use-pid-file=no \
    --load="module-native-protocol-unix socket=$session/pulse/socket auth-anonymous=1" \
    --load="module-null-sink sink_name=orvane" </dev/null >"$session/pulse/server.log" 2>&1 &
  echo $! >"$session/pulse/server.pid"
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  setsid parec -d orvane.monitor --raw --latency-msec=20 </dev/null >/dev/null 2>&1 &
  echo $! >"$session/pulse/keep-alive.pid"
}

# A Windows program that waits for the whole session, reading commands that never come. Wine
# ends its desktop process (explorer.exe) as soon as no program of the session runs, and starts
# it again with the next one; a program started while the old desktop is still going away may
# find no desktop to show its windows on. With the keeper running, the desktop starts once and
# stays. Waits until the desktop runs.
start_keeper() {
  setsid bash -c 'sleep infinity | exec "$WINE" cmd /q' </dev/null >/dev/null 2>&1 &
  echo $! >"$session/keeper.pid"
  for _ in $(seq 300); do
    session_runs 'explorer\.exe' && return
    sleep 0.1
  done
  echo "Wine's desktop did not start" >&2
  exit 1
}

# Whether a process of the session's prefix has a command line matching the pattern.
session_runs() {
  local environment
  for environment in $(grep -l -s -z -x -F "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
    tr '\0' ' ' 2>/dev/null <"${environment%environ}cmdline" | grep -q -E "$1" && return 0
  done
  return 1
}

start() {
  local display="" screen=1024x768 heads=""
  shift 2
  while [ $# -gt 0 ]; do
    case $1 in
      --display) display=$2; shift 2 ;;
      --screen) screen=$2; shift 2 ;;
      --heads) heads=$2; screen=$(layout_size "$2"); shift 2 ;;
      *) echo "unknown option $1" >&2; exit 2 ;;
    esac
  done
  [ -f "$session/env" ] && stop
  choose_builds
  mkdir -p "$session/tmp" "$session/home" "$cache"
  make_locale
  # A private display has no window manager, so Wine draws the windows' frames itself.
  local decorated=Y
  if [ -z "$display" ] && [ -n "$heads" ]; then
    display=$(start_xvfb "$screen" -extension RANDR)
    decorated=N
  elif [ -z "$display" ]; then
    display=$(start_xvfb "$screen")
    decorated=N
  fi
  session_environment "$display" >"$session/env"
  if [ -n "$heads" ]; then
    echo "ORVANE_XINERAMA_HEADS=$heads" >>"$session/env"
    echo "LD_LIBRARY_PATH=$(build_xinerama "$(dirname "$0")/xinerama/xinerama_heads.c")" >>"$session/env"
  fi
  load_environment
  start_sound_server
  if [ ! -f "$WINEPREFIX/.orvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot -i >"$session/wineboot.log" 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.orvane-ready"
  fi
  # One server for the whole session: a warm start of a Wine program then takes well under 1 s.
  setsid "$WINESERVER" -p </dev/null >"$session/wineserver.log" 2>&1
  start_keeper
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d "$decorated" /f >/dev/null 2>&1
  # Wine has no "ＭＳ Ｐゴシック" and would draw it in a fixed-width font; Ume P Gothic is
  # proportional, with nearly its widths.
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'Ume P Gothic' /f \
    >/dev/null 2>&1
}

stop() {
  if [ -f "$session/env" ]; then
    load_environment
    "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -f "$session/env"
  fi
  if [ -f "$session/keeper.pid" ]; then
    kill -- "-$(cat "$session/keeper.pid")" 2>/dev/null || true
    rm -f "$session/keeper.pid"
  fi
  for pid_file in "$session/pulse/keep-alive.pid" "$session/pulse/server.pid"; do
    [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null || true
    rm -f "$pid_file"
  done
  if [ -f "$session/xvfb.pid" ]; then
    kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    rm -f "$session/xvfb.pid" "$session/display"
  fi
  rm -rf "$session/tmp" "$session/xinerama"
}

case $command in
  start) start "$@" ;;
  stop) stop ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
