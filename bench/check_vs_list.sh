#!/usr/bin/env bash
# Checks a generated format-0 file of EVENTS events (default 1,000,000) with
# veltrix-list --check and lists it with veltrix-list, and prints both wall times (best of
# five runs), their ratio and the check's peak memory.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
build=${BUILD_DIR:-$here/build-bench}

. "$here/bench/best_time.sh"
build_tools "$here" "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/large.mid"
"$build/veltrix-make-large" "$file" "$events"

check=$(best 5 "$build/veltrix-list" --check "$file")
list=$(best 5 "$build/veltrix-list" --format tsv "$file")
/usr/bin/time -f '%M' -o "$work/peak" "$build/veltrix-list" --check "$file" >/dev/null 2>&1 || true
peak_kb=$(tail -1 "$work/peak")
printf 'file: %s events, %s bytes\n' "$events" "$(stat -c %s "$file")"
printf 'veltrix-list --check:      %.3f s\n' "$check"
printf 'veltrix-list --format tsv: %.3f s\n' "$list"
printf 'ratio check/list:          %.2f\n' "$(echo "$check / $list" | bc -l)"
printf 'check peak memory:         %s KiB\n' "$peak_kb"
