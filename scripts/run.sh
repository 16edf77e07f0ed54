#!/usr/bin/env bash
# Builds Veltrix, writes the bundled example file and opens it: in the desktop program where
# a display exists, otherwise with veltrix-list.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
ninja -C "$here/build"
mkdir -p "$here/example"
"$here/build/veltrix-example" "$here/example/Example.mid"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$here/build/veltrix" ]; then
  exec "$here/build/veltrix" "$here/example/Example.mid"
fi
exec "$here/build/veltrix-list" "$here/example/Example.mid"
