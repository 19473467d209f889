#!/usr/bin/env bash
# Runs a command as it would run on a machine whose kernel runs no 32-bit x86 code, on a
# machine whose kernel does: in a mount namespace of its own, Wine's 32-bit loader and the
# 32-bit dynamic loader are replaced by an ELF file for another architecture. As on such a
# kernel, the files are still there and executable (so `test -x` passes and Debian's wrapper
# scripts still pick the 32-bit loader), and only starting them fails, with "Exec format error".
#   tools/simulate-64bit-only.sh COMMAND [ARGUMENT...]     for example: tools/test.sh
# Needs root (for the mount namespace), as the test command does for its packages.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENT...]" >&2; exit 2; }

stub=$(mktemp)
trap 'rm -f "$stub"' EXIT
# An executable of this machine's with its ELF machine field (bytes 18-19) set to 75, a VAX:
# no kernel and no binfmt handler here runs that.
cp /bin/true "$stub"
printf '\x4b\x00' | dd of="$stub" bs=1 seek=18 conv=notrunc status=none
chmod 0755 "$stub"

unshare --mount --propagation private -- bash -c '
  stub=$1; shift
  for file in /usr/lib/wine/wine /lib/ld-linux.so.2; do
    [ -e "$file" ] && mount --bind "$stub" "$file"
  done
  exec "$@"' simulate "$stub" "$@"
