#!/usr/bin/env bash
# Lists a generated format-0 file of EVENTS events (default 1,000,000) with veltrix-list and
# with midicsv, and prints both wall times (best of five runs), their ratio and veltrix-list's
# peak memory per event.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
build=${BUILD_DIR:-$here/build-bench}
command -v midicsv >/dev/null || { echo "midicsv is missing (apt-get install midicsv)"; exit 1; }

. "$here/bench/best_time.sh"
build_tools "$here" "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/large.mid"
"$build/veltrix-make-large" "$file" "$events"

veltrix=$(best 5 "$build/veltrix-list" --format tsv "$file")
midicsv=$(best 5 midicsv "$file")
peak_kb=$( { /usr/bin/time -f '%M' "$build/veltrix-list" --format tsv "$file" >/dev/null; } 2>&1 | tail -1)
printf 'file: %s events, %s bytes\n' "$events" "$(stat -c %s "$file")"
printf 'veltrix-list --format tsv: %.3f s\n' "$veltrix"
printf 'midicsv:                   %.3f s\n' "$midicsv"
printf 'ratio veltrix/midicsv:     %.2f\n' "$(echo "$veltrix / $midicsv" | bc -l)"
printf 'veltrix-list peak memory:  %s KiB = %.1f bytes per event\n' "$peak_kb" \
  "$(echo "$peak_kb * 1024 / $events" | bc -l)"
