#!/usr/bin/env bash
# Checks every shipped picture with the picture tool (brushwell-picture-maker
# --check: the pointer at sizes 1 to 3, slivers, fills) and counts the
# pictures that fail each check.
#
#   scripts/check_pictures.sh [build folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
tool="$build/Brushwell/brushwell-picture-maker"
[[ -x "$tool" ]] || cmake --build "$build" --target brushwell-picture-maker -j2

declare -A failing=()
total=0
bad=0
for drawing in "$root"/content/drawings/*.drawing; do
  name="$(basename "$drawing" .drawing)"
  total=$((total + 1))
  report="$("$tool" --check "$root/content/$name.bmp" --pointers "$root/content" || true)"
  problems="$(grep '^PROBLEM: ' <<<"$report" || true)"
  [[ -z "$problems" ]] && continue
  bad=$((bad + 1))
  echo "$name:"
  sed 's/^/  /' <<<"$problems"
  for check in "covers an outline" "cut off" "is a sliver" "At pointer size 2" "At pointer size 3" "reaches other" "has only"; do
    if grep -q "$check" <<<"$problems"; then failing[$check]=$((${failing[$check]:-0} + 1)); fi
  done
done
echo
echo "$bad of $total pictures fail the check. Pictures failing each check:"
for check in "covers an outline" "cut off" "is a sliver" "At pointer size 2" "At pointer size 3" "reaches other" "has only"; do
  printf '  %-20s %d\n' "$check" "${failing[$check]:-0}"
done
[[ "$bad" == 0 ]]
