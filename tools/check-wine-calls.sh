#!/usr/bin/env bash
# Checks that no script, test or build file starts a Wine tool through one of Debian's wrapper
# scripts (wine, winepath, msiexec, wineserver...). The wrappers pick the 32-bit loader whenever
# its file is executable, even on a kernel that cannot run it, where they fail with "Exec format
# error"; the project's own scripts and tests start every Wine tool through the session's loader
# ("$WINE" msiexec ...) and the session's wineserver ("$WINESERVER"). Prints each offending line
# and fails.
#   tools/check-wine-calls.sh [ROOT]     the repository's folder, this script's repository by default
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

wrappers='(wine|wine64|wine-stable|winepath|wineboot|winecfg|wineconsole|winedbg|winefile|msiexec|regedit|regsvr32|wineserver)(-stable)?'
# A wrapper where a command starts: in a shell script, at the start of a command or after a
# word that runs the next one; in C++ or Python, as the first word of a list of a command's
# words; in CMake, after COMMAND.
shell="(^|[;&|(\`]|\\\$\\(|\\b(then|do|else|exec|setsid|nice|env|command|time|xargs))[[:space:]]*${wrappers}([[:space:]]|\$)"
list="[{[][[:space:]]*\"${wrappers}\"[[:space:]]*[,}]"
cmake="COMMAND[[:space:]]+${wrappers}([[:space:]]|\$|\\))"

folders=(tools tests bench installer cmake .ci)
files=$(git ls-files -- "${folders[@]}" '*CMakeLists.txt' 2>/dev/null ||
        find "${folders[@]}" -type f 2>/dev/null || true)
failed=0
for file in $files; do
  [ -f "$file" ] || continue
  case $file in
    *.cpp | *.h | *.py) pattern=$list ;;
    *CMakeLists.txt | *.cmake) pattern=$cmake ;;
    tools/install-prerequisites.sh) continue ;;  # names Wine's packages, runs none of it
    *.sh | .ci/*) pattern=$shell ;;
    *) continue ;;
  esac
  # Comments say what they like.
  if hits=$(grep -n -E "$pattern" "$file" | grep -v -E '^[0-9]+:[[:space:]]*(#|//)'); then
    sed "s|^|$file:|" <<<"$hits"
    failed=1
  fi
done
[ $failed -eq 0 ] || echo "Start Wine tools through the session's loader (\"\$WINE\" NAME) and wineserver (\"\$WINESERVER\"), never through Debian's wrapper scripts." >&2
exit $failed
