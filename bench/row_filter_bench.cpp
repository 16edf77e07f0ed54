// The filter bar over a listing of a million rows: text, type and channel choices.
#include <benchmark/benchmark.h>

#include "tools/large_file.h"
#include "views/row_filter.h"

namespace {

const veltrix::WindowModel& Listed() {
  return veltrix::bench::ListedMillionEventWindow();
}

void Filter(benchmark::State& state, const veltrix::RowFilterCriteria& criteria) {
  const auto& window = Listed();
  for (auto _ : state) {
    auto shown = veltrix::FilterRows(window.rows, window.columns, criteria);
    benchmark::DoNotOptimize(shown.data());
  }
}

void BM_FilterTextWithoutHit(benchmark::State& state) {
  Filter(state, {"no such text", "", 0});
}
void BM_FilterTypeAndChannel(benchmark::State& state) {
  Filter(state, {"", "Midi Event", 1});
}
void BM_FilterTextTypeAndChannel(benchmark::State& state) {
  Filter(state, {"note", "Midi Event", 1});
}

BENCHMARK(BM_FilterTextWithoutHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTypeAndChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTextTypeAndChannel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
