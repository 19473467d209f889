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
if kernel_runs_32bit; then packages+=("${packages32[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [[ " ${packages[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of its sync fails an index now and then: try again, and go on with
# the indexes that did arrive if it keeps failing (the install then says what it lacks).
for attempt in 1 2 3; do
  "${sudo_cmd[@]}" apt-get update -q && break
  echo "apt-get update failed (attempt $attempt of 3)" >&2
done
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
