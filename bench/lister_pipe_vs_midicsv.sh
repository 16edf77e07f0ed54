#!/usr/bin/env bash
# Lists a generated format-0 file of EVENTS events (default 1,000,000) with veltrix-list
# --format tsv and with midicsv, each writing into a pipe as a user's `| less` or `| grep`
# would, in turn for RUNS rounds (default 7), and prints the median wall times, the median of
# the ratios round by round (so a drift in the machine's speed cuts both alike) and
# veltrix-list's peak memory.
# Usage: bench/lister_pipe_vs_midicsv.sh [EVENTS] [RUNS]   (BUILD_DIR: a Release build to use)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
runs=${2:-7}
build=${BUILD_DIR:-$here/build-bench}
command -v midicsv >/dev/null || { echo "midicsv is missing (apt-get install midicsv)"; exit 1; }

. "$here/bench/best_time.sh"
[ -n "${BUILD_DIR:-}" ] || build_tools "$here" "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/large.mid"
"$build/veltrix-make-large" "$file" "$events"

# piped COMMAND...: the wall time of one run of COMMAND with its output read through a pipe.
piped() {
  local start end
  start=$(date +%s.%N)
  "$@" 2>/dev/null | cat >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/a" && : >"$work/b" && : >"$work/ratio"
piped "$build/veltrix-list" --format tsv "$file" >/dev/null  # warm-up
piped midicsv "$file" >/dev/null
for ((r = 0; r < runs; r++)); do
  a=$(piped "$build/veltrix-list" --format tsv "$file")
  b=$(piped midicsv "$file")
  echo "$a" >>"$work/a"
  echo "$b" >>"$work/b"
  echo "$a / $b" | bc -l >>"$work/ratio"
done
peak_kb=$( { /usr/bin/time -f '%M' "$build/veltrix-list" --format tsv "$file" >/dev/null; } 2>&1 | tail -1)
printf 'file: %s events, %s bytes, %s rounds\n' "$events" "$(stat -c %s "$file")" "$runs"
printf 'veltrix-list --format tsv | cat: median %.3f s\n' "$(median <"$work/a")"
printf 'midicsv | cat:                   median %.3f s\n' "$(median <"$work/b")"
printf 'veltrix/midicsv, round by round: median %.2f\n' "$(median <"$work/ratio")"
printf 'veltrix-list peak memory:        %s KiB\n' "$peak_kb"
