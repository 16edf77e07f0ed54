// Sorting, searching and copying a listing of a million rows.
#include <benchmark/benchmark.h>

#include "core/list_sort.h"
#include "tools/large_file.h"
#include "views/clipboard_text.h"
#include "views/list_search.h"

namespace {

const veltrix::WindowModel& Listed() {
  return veltrix::bench::ListedMillionEventWindow();
}

void SortBy(benchmark::State& state, size_t column) {
  for (auto _ : state) {
    state.PauseTiming();
    veltrix::WindowModel window = Listed();
    state.ResumeTiming();
    veltrix::SortByColumnClick(window, column);  // the first click sorts ascending
    benchmark::DoNotOptimize(window.rows.size());
  }
}

void BM_SortByDelay(benchmark::State& state) {
  SortBy(state, 1);
}
void BM_SortByCommand(benchmark::State& state) {
  SortBy(state, 5);
}

void BM_PartialSearchWithoutHit(benchmark::State& state) {
  const auto& window = Listed();
  for (auto _ : state)
    benchmark::DoNotOptimize(veltrix::FindRowContaining(window.rows, "no such text", 1));
}

void BM_CopyAllRows(benchmark::State& state) {
  const auto& window = Listed();
  for (auto _ : state) {
    int32_t last = -1, copied = 0;
    std::string text = veltrix::ListCopyText(window, {}, true, 1, last, true, copied);
    benchmark::DoNotOptimize(text.data());
  }
}

BENCHMARK(BM_SortByDelay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PartialSearchWithoutHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAllRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
