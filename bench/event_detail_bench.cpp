// The detail of rows of a listed million-event file, read from the event index the listing
// kept beside its rows: nothing is walked again.
#include <benchmark/benchmark.h>

#include "core/list_sort.h"
#include "core/session.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "views/event_detail.h"

namespace {

veltrix::Session& ListedSession(bool sorted) {
  static std::unique_ptr<veltrix::Session> session;
  static bool listedSorted = false;
  if (!session || listedSorted != sorted) {
    session = std::make_unique<veltrix::Session>();
    veltrix::bench::LoadGenerated(*session, veltrix::bench::LargeFormat0File(1000000));
    if (sorted) session->window.sort = {0, 5, true};  // by Command, ascending
    veltrix::getMidiList(*session);
    listedSorted = sorted;
  }
  return *session;
}

// Row k of the listing, k spread over the whole list; arg 1 lists it sorted by Command first.
void BM_DescribeEvent(benchmark::State& state) {
  const veltrix::Session& session = ListedSession(state.range(0) != 0);
  const size_t rows = session.window.RowCount();
  size_t row = 0;
  for (auto _ : state) {
    auto detail = veltrix::DescribeEvent(session, row);
    if (!detail) state.SkipWithError("a row without detail");
    benchmark::DoNotOptimize(detail);
    row = (row + 7919) % rows;
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_DescribeEvent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
