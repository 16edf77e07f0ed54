#!/usr/bin/env bash
# Compares the output of two veltrix-list binaries byte for byte: every real file x 4 views x
# tsv/csv/json x 3 option sets, standard output, standard error and exit status.
# Usage: scripts/compare_listings.sh BASELINE_BINARY [NEW_BINARY] [DATA_FOLDER]
# A baseline's own libhpmidifile.so is taken from the folder the baseline binary lies in.
# EXTRA_OPTIONS (e.g. --time) is added to every option set.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
base=${1:?usage: compare_listings.sh BASELINE_BINARY [NEW_BINARY] [DATA_FOLDER]}
new=${2:-$here/build/veltrix-list}
data=${3:-$here/../shared/data/real}
[ -d "$data" ] || { echo "no real files in $data"; exit 1; }

extra=${EXTRA_OPTIONS:-}
option_sets=("$extra" "--no-decode-sysex $extra" "--mark-running-status --codepage SHIFT_JIS $extra")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {  # run BINARY LIBDIR OUT ARGS...
  local binary=$1 libdir=$2 out=$3
  shift 3
  LD_LIBRARY_PATH=$libdir "$binary" "$@" >"$out.out" 2>"$out.err"
  echo $? >"$out.rc"
}

runs=0
differences=0
while IFS= read -r -d '' file; do
  case "$file" in *.md | *.tsv) continue ;; esac
  for view in midi casm ots mfd; do
    for format in tsv csv json; do
      for options in "${option_sets[@]}"; do
        # shellcheck disable=SC2086
        run "$base" "$(dirname "$base")" "$work/a" --view "$view" --format "$format" $options "$file"
        # shellcheck disable=SC2086
        run "$new" "$(dirname "$new")" "$work/b" --view "$view" --format "$format" $options "$file"
        runs=$((runs + 1))
        for part in out err rc; do
          if ! cmp -s "$work/a.$part" "$work/b.$part"; then
            differences=$((differences + 1))
            echo "DIFFERS ($part): --view $view --format $format $options $file"
          fi
        done
      done
    done
  done
done < <(find "$data" -type f -print0 | sort -z)

echo "$runs runs, $differences differences"
[ "$differences" -eq 0 ]
