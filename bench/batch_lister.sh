#!/usr/bin/env bash
# Lists a generated folder of FILES files (default 2,000, in 20 sub-folders) with
#   veltrix-list --recursive DIR --format jsonl >/dev/null
# once with --jobs 1 and once with the default (one job per processor), and prints both
# wall times (best of RUNS runs, default 3) and their ratio. With CHECK=1 the files are
# checked (--check) instead of listed, with OVERVIEW=1 their overview is made (--overview).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
files=${1:-2000}
runs=${RUNS:-3}
build=${BUILD_DIR:-$here/build-bench}

. "$here/bench/best_time.sh"
build_tools "$here" "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Sizes from 500 to about 8,000 events, so the files take unequal times, as real folders do.
for ((i = 0; i < files; i++)); do
  folder="$work/songs/set$((i % 20))"
  mkdir -p "$folder"
  "$build/veltrix-make-large" "$folder/song$i.mid" $((500 + (i * 7919) % 7500))
done

mode=()
[ "${CHECK:-0}" = 1 ] && mode=(--check)
[ "${OVERVIEW:-0}" = 1 ] && mode=(--overview)
one=$(best "$runs" "$build/veltrix-list" "${mode[@]}" --recursive "$work/songs" --format jsonl --jobs 1)
default=$(best "$runs" "$build/veltrix-list" "${mode[@]}" --recursive "$work/songs" --format jsonl)
printf 'files: %s, %s bytes, %s processors\n' "$files" "$(du -sb "$work/songs" | cut -f1)" "$(nproc)"
printf 'veltrix-list %s--jobs 1:  %.3f s\n' "${mode[*]:+${mode[*]} }" "$one"
printf 'veltrix-list (default): %.3f s\n' "$default"
printf 'ratio default/jobs 1:   %.2f (target below 0.70 on 2 processors)\n' \
  "$(echo "$default / $one" | bc -l)"
