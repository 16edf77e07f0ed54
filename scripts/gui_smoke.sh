#!/usr/bin/env bash
# Opens every real MIDI and style file in the desktop program under a virtual X server and
# checks that each one loads and the program ends by itself without crashing.
# Usage: scripts/gui_smoke.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
program="$build/veltrix"
data="$here/../shared/data/real"

if [ ! -x "$program" ]; then
  echo "gui_smoke: $program not built" >&2
  exit 2
fi
if [ ! -d "$data" ]; then
  echo "gui_smoke: no real files at $data; nothing to do"
  exit 0
fi

# One X server for all files; each run prints its messages instead of waiting at a box.
xvfb-run -a bash -s "$program" "$data" <<'RUN'
program=$1
data=$2
failed=0
count=0
errors=$(mktemp)
start=$SECONDS
while IFS= read -r -d '' file; do
  count=$((count + 1))
  status=0
  timeout 30 "$program" --quit-after-load "$file" >/dev/null 2>"$errors" ||
    status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL ($status): $file"
    sed 's/^/    /' "$errors" | tail -5
    failed=$((failed + 1))
  fi
done < <(find "$data" -type f \( -path '*/midi/*' -o -path '*/styles/*' \) -print0 | sort -z)
rm -f "$errors"
echo "gui_smoke: $count files, $failed failed, $((SECONDS - start)) s"
[ "$failed" -eq 0 ]
RUN
