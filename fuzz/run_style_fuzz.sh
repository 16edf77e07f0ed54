#!/usr/bin/env bash
# Builds the style-reader fuzz target with clang and runs it for SECONDS (default 60) on a seed
# corpus made by the style builder plus the real style files, when the clone has them.
#   fuzz/run_style_fuzz.sh [SECONDS] [BUILD_DIR]
# Findings (crash-*, timeout-*, leak-*) land in BUILD_DIR/findings; the exit status is non-zero
# when the fuzzer found something.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${2:-$root/build-fuzz}"
jobs="${FUZZ_BUILD_JOBS:-2}"

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" >/dev/null
ninja -C "$build" -j "$jobs" style_readers_fuzz make_style_seeds

seeds="$build/seeds"
corpus="$build/corpus"
findings="$build/findings"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus" "$findings"
real="$root/../shared/data/real"
if [ -d "$real/styles" ]; then
  # The real styles with their long MIDI tracks cut short, and a few whole files of both kinds.
  "$build/make_style_seeds" "$seeds" "$real/styles"
  for file in "$real/styles/Cool8Beat.S737.sst" "$real/styles/Samba_X1.S841.STY" \
    "$real/midi/MEGALOVANIA.mid" "$real/midi/test-running-status-sysex.mid"; do
    if [ -f "$file" ]; then cp "$file" "$seeds"/; fi
  done
else
  "$build/make_style_seeds" "$seeds"
fi

"$build/style_readers_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" "$seeds"
