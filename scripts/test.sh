#!/usr/bin/env bash
# Builds everything warnings-free and runs every test, then builds and runs the tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S "$here" -B "$here/build" -G Ninja -DVELTRIX_WERROR=ON -DVELTRIX_BUILD_TESTS=ON >/dev/null
ninja -C "$here/build" -j"$jobs"
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

if [ "${VELTRIX_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRIX_SANITIZE=ON \
    -DVELTRIX_BUILD_GUI=OFF >/dev/null
  ninja -C "$here/build-asan" -j"$jobs"
  (cd "$here/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")
fi
