#!/usr/bin/env bash
# Makes the overview of a generated format-0 file of EVENTS events (default 1,000,000) with
# veltrix-list --overview and lists it with veltrix-list, and prints both wall times (best of
# five runs) and their ratio; the overview is meant to take at most half the listing's time.
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

overview=$(best 5 "$build/veltrix-list" --overview "$file")
list=$(best 5 "$build/veltrix-list" --format tsv "$file")
printf 'file: %s events, %s bytes\n' "$events" "$(stat -c %s "$file")"
printf 'veltrix-list --overview:   %.3f s\n' "$overview"
printf 'veltrix-list --format tsv: %.3f s\n' "$list"
printf 'ratio overview/list:       %.2f\n' "$(echo "$overview / $list" | bc -l)"
