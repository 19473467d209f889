#!/usr/bin/env bash
# Installs, once, every Debian package the build and the test rig need.
# Safe to run again: it returns at once when everything is in place.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine32:i386 wine64 libwine:i386
  xvfb xdotool x11-utils imagemagick libx11-dev libxfixes-dev
  # the preview picture's JPEG writer, in the build
  libjpeg-dev
  locales fonts-ipafont-gothic fonts-horai-umefont
  pulseaudio pulseaudio-utils libpulse0 libpulse0:i386 sox libsox-fmt-mp3
  gstreamer1.0-plugins-base gstreamer1.0-plugins-base:i386
  gstreamer1.0-plugins-good gstreamer1.0-plugins-good:i386
  # OpenGL for the renderer under Wine: Mesa's software renderer, for 64- and 32-bit programs
  libgl1 libgl1:i386 libglx-mesa0 libglx-mesa0:i386 libgl1-mesa-dri libgl1-mesa-dri:i386
  # clang with libFuzzer, for the fuzzing test of the model reader
  clang libclang-rt-14-dev
  xxd procps
  # the installer packages (build/dist/*.msi)
  wixl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
