# Sourced by the benchmark scripts.
# best RUNS COMMAND...: the best wall time of RUNS runs of COMMAND, in seconds; its output and
# exit status do not matter.
best() {
  local runs=$1 best="" start end t r
  shift
  for ((r = 0; r < runs; r++)); do
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done
  echo "$best"
}

# build_tools HERE BUILD: a Release build of veltrix-list and the large-file maker in BUILD.
build_tools() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRIX_BUILD_GUI=OFF \
    -DVELTRIX_BUILD_TESTS=OFF -DVELTRIX_BUILD_BENCH=ON >/dev/null
  ninja -C "$2" veltrix-list veltrix-make-large >/dev/null
}
