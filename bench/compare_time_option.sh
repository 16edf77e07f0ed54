#!/usr/bin/env bash
# Lists a generated format-0 file of EVENTS events (default 1,000,000) with veltrix-list with
# and without --time (best of five runs each) and prints both wall times and their ratio; the
# Time column is to cost at most 10 % more.
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

plain=$(best 5 "$build/veltrix-list" --format tsv "$file")
timed=$(best 5 "$build/veltrix-list" --format tsv --time "$file")
printf 'file: %s events, %s bytes\n' "$events" "$(stat -c %s "$file")"
printf 'veltrix-list --format tsv:        %.3f s\n' "$plain"
printf 'veltrix-list --format tsv --time: %.3f s\n' "$timed"
printf 'ratio with/without --time:        %.3f\n' "$(echo "$timed / $plain" | bc -l)"
