#!/usr/bin/env bash
# Checks that the folders of the product form layers: a source file includes headers of its
# own folder and of folders in lower layers only, never of a folder beside it or above it, so
# the folders cannot include each other in a cycle. Prints each offending include and fails.
#   tools/check-layers.sh [ROOT]     the repository's folder, this script's repository by default
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layer of every top-level folder that holds C++ sources, lowest first.
declare -A layer=(
  [platform]=0   # the Windows services the subsystems use, and their Win32 side
  [contract]=0   # what the saver and the renderer program agree on
  [settings]=1   # the settings, their INI file, the number rules
  [renderer]=1   # the renderer program, beside the saver: platform and contract only
  [assets]=1     # the shipped model and its generator
  [music]=2
  [button]=2
  [saver]=3
  [dialog]=3
  [preview]=3
  [startup]=4    # the entry point
  [artwork]=4    # the pictures drawn at build time, from the descriptions of what shows them
  [bench]=5
  [tests]=5
)

failed=0
for folder in */; do
  folder=${folder%/}
  [[ $folder == build* || -n ${layer[$folder]+set} ]] && continue
  if [[ -n $(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print -quit) ]]; then
    echo "$folder/: C++ sources in a folder without a layer (add it to $0)"
    failed=1
  fi
done

for from in "${!layer[@]}"; do
  [[ -d $from ]] || continue
  while IFS= read -r hit; do
    # file:line:#include "folder/header.h"
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    included=${rest#*\"}
    included=${included%\"*}
    to=${included%%/*}
    [[ $to == "$included" || ! -d $to || $to == "$from" ]] && continue
    if [[ -z ${layer[$to]+set} ]]; then
      echo "$file:$line: includes $included from $to/, a folder without a layer"
      failed=1
    elif (( layer[$to] >= layer[$from] )); then
      echo "$file:$line: $from/ (layer ${layer[$from]}) includes $included from $to/ (layer ${layer[$to]})"
      failed=1
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$from" || true)
done

if (( failed )); then
  echo "Folders must include only their own and lower layers (see the table in $0)."
fi
exit "$failed"
