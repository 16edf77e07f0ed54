#!/usr/bin/env bash
# Fails when a source folder includes a header of a folder above it. The layers, low to high:
# core, yamaha, sysex, midi, style, timing, check, views, shell, then app, cli and the
# document writer (manual) side by side.
# The builder and the conversion library stand apart and may be used by no layer but their own.
set -euo pipefail
src=$(cd "$(dirname "$0")/../src" && pwd)
layers=(core yamaha universal sysex midi style timing check views shell lyrics overview app cli manual)
rank() {
  case $1 in
    core) echo 0 ;; yamaha) echo 1 ;; universal) echo 2 ;; sysex) echo 3 ;; midi) echo 4 ;;
    style) echo 5 ;; timing) echo 6 ;; check) echo 7 ;; views) echo 8 ;; shell) echo 9 ;;
    lyrics) echo 10 ;; overview) echo 11 ;; app | cli | manual) echo 12 ;;
    *) echo -1 ;;
  esac
}
violations=0
for folder in "${layers[@]}"; do
  own=$(rank "$folder")
  while IFS=: read -r file line text; do
    included=$(sed -E 's/.*#include "([a-z0-9_]+)\/.*/\1/' <<<"$text")
    [ "$included" = "$folder" ] && continue
    other=$(rank "$included")
    # app and cli share a rank but neither may include the other; the conversion library
    # (hpmidifile) may be used by any layer.
    if [ "$included" = hpmidifile ]; then continue; fi
    if [ "$other" -lt 0 ] || [ "$other" -ge "$own" ]; then
      echo "${file#"$src"/}:$line: $folder includes $included"
      violations=$((violations + 1))
    fi
  done < <(grep -n -H -E '^#include "[a-z0-9_]+/' "$src/$folder"/*.{h,cpp} 2>/dev/null || true)
done
if [ "$violations" -gt 0 ]; then
  echo "$violations includes of a higher or foreign folder"
  exit 1
fi
echo "no folder includes a higher one"
