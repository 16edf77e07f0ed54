#!/usr/bin/env bash
# Runs veltrix-list under valgrind's memcheck over every real file in all four views: any
# invalid read or write, use of an uninitialised value or leak fails the run.
#   scripts/memcheck_real_files.sh [BUILD_DIR]
# BUILD_DIR (default build-memcheck) gets a build without sanitizers, which valgrind needs.
# The real files are those beside the repository (../shared/data/real); without them there is
# nothing to check and the script says so.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-memcheck}"
real="$root/../shared/data/real"
if ! command -v valgrind >/dev/null; then
  echo "memcheck: valgrind is not installed (apt-get install valgrind)" >&2
  exit 2
fi
if [ ! -d "$real" ]; then
  echo "memcheck: no real files at $real; nothing checked"
  exit 0
fi

cmake -S "$root" -B "$build" -G Ninja -DVELTRIX_BUILD_GUI=OFF -DVELTRIX_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" -j "${MEMCHECK_BUILD_JOBS:-2}" veltrix-list

logs="$build/memcheck-logs"
rm -rf "$logs"
mkdir -p "$logs"
passed=0
failed=0
for file in "$real"/midi/* "$real"/styles/*; do
  [ -f "$file" ] || continue
  for view in midi casm ots mfd; do
    log="$logs/$(basename "$file").$view.log"
    # The lister's own exit status (1 for a refused file) is not valgrind's finding.
    set +e
    valgrind --leak-check=full --show-leak-kinds=definite,indirect,possible \
      --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=99 \
      --log-file="$log" "$build/veltrix-list" --view "$view" "$file" >/dev/null 2>&1
    status=$?
    set -e
    if [ "$status" -eq 99 ] || [ "$status" -gt 1 ]; then
      echo "FAILED: $view $(basename "$file") (exit $status, see $log)"
      failed=$((failed + 1))
    else
      passed=$((passed + 1))
    fi
  done
done
echo "memcheck: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
