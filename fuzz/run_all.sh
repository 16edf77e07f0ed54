#!/usr/bin/env bash
# Builds every fuzz target once with clang and runs each for SECONDS on its corpus: seeds made
# by the test-file builder and, when the clone has them, the real files beside the repository.
#   fuzz/run_all.sh SECONDS [TARGET...]
# CI runs it with 30; `fuzz/run_all.sh 600` is the longer run. Environment:
#   FUZZ_BUILD_DIR  the build folder (default build-fuzz in the repository)
#   FUZZ_PARALLEL   how many targets run at once (default 1)
#   FUZZ_BUILD_JOBS build jobs (default 2)
#   FUZZ_MAX_LEN    the longest input (default 8192 for files, 2048 for single messages)
# The corpus each target grows stays in BUILD/corpus/TARGET for the next run; findings
# (crash-*, timeout-*, leak-*, oom-*) land in BUILD/findings/TARGET. The exit status is
# non-zero when any target found something.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: fuzz/run_all.sh SECONDS [TARGET...]" >&2
  exit 2
fi
seconds="$1"
shift
all_targets=(open_command_fuzz hpmidifile_fuzz get_sysex_fuzz sequencer_info_fuzz
             style_readers_fuzz check_fuzz lyrics_fuzz)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
parallel="${FUZZ_PARALLEL:-1}"
real="$root/../shared/data/real"
[ -d "$real" ] || real=""

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" >/dev/null
ninja -C "$build" -j "${FUZZ_BUILD_JOBS:-2}" fuzz_targets

seed_kind() {
  case "$1" in
    open_command_fuzz | hpmidifile_fuzz | lyrics_fuzz) echo smf ;;
    get_sysex_fuzz) echo sysex ;;
    sequencer_info_fuzz) echo sequencer ;;
    style_readers_fuzz | check_fuzz) echo style ;;
    *) echo "unknown fuzz target: $1" >&2; return 1 ;;
  esac
}

# Whole files are cut to 8 KiB: long enough for every section and for a walk that grows faster
# than its input to show, short enough for a few hundred runs a second. One message is short.
max_len() {
  if [ -n "${FUZZ_MAX_LEN:-}" ]; then
    echo "$FUZZ_MAX_LEN"
    return
  fi
  case "$1" in
    get_sysex_fuzz | sequencer_info_fuzz) echo 2048 ;;
    *) echo 8192 ;;
  esac
}

dictionary() {
  case "$1" in
    get_sysex_fuzz | sequencer_info_fuzz) echo "$root/fuzz/hex_text.dict" ;;
    *) echo "$root/fuzz/binary.dict" ;;
  esac
}

run_target() {
  local target="$1" kind seeds corpus findings log
  kind="$(seed_kind "$target")"
  seeds="$build/seeds/$target"
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  rm -rf "$seeds"
  mkdir -p "$seeds" "$corpus" "$findings" "$build/logs"
  "$build/make_seeds" "$kind" "$seeds" ${real:+"$real"}
  if "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="$(max_len "$target")" -dict="$(dictionary "$target")" -artifact_prefix="$findings/" \
    -print_final_stats=1 "$corpus" "$seeds" >"$log" 2>&1; then
    echo "$target: $(grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units)' "$log" | tail -1)"
  else
    echo "$target: FOUND A FAULT (see $log and $findings)"
    tail -n 60 "$log"
    return 1
  fi
}

status=0
running=0
for target in "${targets[@]}"; do
  seed_kind "$target" >/dev/null || exit 2
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
if [ "$status" -eq 0 ]; then
  echo "fuzz targets without findings: ${#targets[@]} of ${#targets[@]}"
else
  echo "fuzz targets found faults; see above"
fi
exit "$status"
