#!/usr/bin/env bash
# Installs, once, every Debian package the build and the test rig need.
# Safe to run again: it returns at once when everything is in place.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine64
  xvfb xdotool x11-utils imagemagick libx11-dev libxfixes-dev
  # the preview picture's JPEG writer, in the build
  libjpeg-dev
  locales fonts-ipafont-gothic fonts-horai-umefont
  pulseaudio pulseaudio-utils libpulse0 sox libsox-fmt-mp3
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # OpenGL for the renderer under Wine: Mesa's software renderer
  libgl1 libglx-mesa0 libgl1-mesa-dri
  # clang with libFuzzer, for the fuzzing test of the model reader
  clang libclang-rt-14-dev
  xxd procps
  # the installer packages (build/dist/*.msi)
  wixl
)
# Wine for 32-bit programs, with the sound, media and OpenGL libraries they load. Only a kernel
# that runs 32-bit x86 code can use them; elsewhere they are not even installed.
packages32=(
  wine32:i386 libwine:i386 libpulse0:i386
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
)

# A 93-byte 32-bit x86 Linux program that only exits: it starts where the kernel runs such code.
kernel_runs_32bit() {
  local probe
  probe=$(mktemp)
  printf '%s' 7f454c46010101000000000000000000020003000100000054800408340000000000000000000000 \
    340020000100000000000000010000000000000000800408008004085d0000005d0000000500000000100000 \
    b80100000031dbcd80 | xxd -r -p >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  local status=$?
  rm -f "$probe"
  return $status
}
# Usage: install-prerequisites.sh [--simulate] [PACKAGE...]
# PACKAGEs are installed beside the usual ones (a benchmark's own, say). --simulate plans the
# install without changing anything (apt-get -s), as on a fresh machine whose kernel runs
# 32-bit code: every package counts as missing, and apt's configuration is the caller's
# (APT_CONFIG).
simulate=false
[ "${1:-}" = --simulate ] && { simulate=true; shift; }
packages+=("$@")

if $simulate || kernel_runs_32bit; then packages+=("${packages32[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  $simulate || { dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' && continue; }
  missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || $simulate || sudo_cmd=(sudo)
apt_get=("${sudo_cmd[@]}" apt-get -y -q --no-install-recommends)
$simulate && apt_get+=(-s)
if ! $simulate; then
  if [[ " ${packages[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  # An install cut short earlier would make every later one refuse to start.
  "${sudo_cmd[@]}" dpkg --configure -a
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of its sync fails an index now and then: try again, and go on with
# the indexes that did arrive if it keeps failing.
for attempt in 1 2 3; do
  "${sudo_cmd[@]}" apt-get update -q && break
  echo "apt-get update failed (attempt $attempt of 3)" >&2
done

# A mirror whose indexes arrived from different moments of its sync can offer a package's
# 32-bit twin at another version than the 64-bit one, which apt refuses as a whole. Taking
# every package from the release's own suite keeps each pair together; the newer versions of
# its updates and security suites are then left for a later run.
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
install_set() {
  echo "install plan: plain" >&2
  "${apt_get[@]}" install "$@" && return
  echo "install plan: plain, broken; trying every package from $release itself" >&2
  "${apt_get[@]}" install -t "$release" "$@" && return
  echo "install plan: from $release, broken" >&2
  return 1
}

if install_set "${missing[@]}"; then exit 0; fi
missing64=()
for p in "${missing[@]}"; do [[ $p == *:i386 ]] || missing64+=("$p"); done
if [ ${#missing64[@]} -lt ${#missing[@]} ] && { [ ${#missing64[@]} -eq 0 ] || install_set "${missing64[@]}"; }; then
  echo "Wine for 32-bit programs left out: the mirror offers no 32-bit set that fits the 64-bit one; only the x86_64 build runs here."
  exit 0
fi
echo "The prerequisites could not be installed (apt's message above). If a mirror is in mid-sync, run the command again in a while." >&2
exit 1
