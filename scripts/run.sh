#!/usr/bin/env bash
# Builds Veltrix, writes the bundled example file and opens it: in the desktop program where
# a display exists, otherwise with veltrix-list.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
# Only what building and running need: the tests' packages come with scripts/test.sh.
bash "$here/scripts/deps.sh" run
cmake -S "$here" -B "$here/build" -G Ninja -DVELTRIX_BUILD_TESTS=OFF >/dev/null
ninja -C "$here/build"
mkdir -p "$here/example"
"$here/build/veltrix-example" "$here/example/Example.mid"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$here/build/veltrix" ]; then
  exec "$here/build/veltrix" "$here/example/Example.mid"
fi
exec "$here/build/veltrix-list" "$here/example/Example.mid"
