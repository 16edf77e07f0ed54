// What the Time column costs: the streamed listing of a generated file with and without the
// Time cell (veltrix-list --time; the target is at most 10 % more), the window's listing with
// and without the column, and sorting a million-row listing by its Time column (the target is
// under 0.5 s).
#include <benchmark/benchmark.h>

#include "core/list_sort.h"
#include "core/session.h"
#include "midi/midi_list.h"
#include "timing/time_column.h"
#include "tools/large_file.h"
#include "tools/streamed_tsv.h"
#include "views/export_writers.h"

namespace {

using veltrix::bench::StreamedTsv;

// range(0) events; range(1) 1 with the Time cell.
void BM_StreamWithTime(benchmark::State& state) {
  auto bytes = veltrix::bench::LargeFormat0File(static_cast<uint32_t>(state.range(0)));
  const bool timed = state.range(1) == 1;
  size_t written = 0;
  const veltrix::TextSink count = [&](std::string_view text) { written += text.size(); };
  for (auto _ : state) {
    veltrix::Session session;
    veltrix::bench::LoadGenerated(session, bytes);
    session.window.options.TimeColumn = timed;
    StreamedTsv stream(count);
    if (timed) {
      veltrix::TimedRows rows(session, stream);
      veltrix::getMidiList(session, rows);
      rows.Finish();
    } else {
      veltrix::getMidiList(session, stream);
    }
    stream.writer.Flush();
    benchmark::DoNotOptimize(written);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StreamWithTime)
    ->ArgsProduct({{1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

// The window's listing of a generated file without and with the Time column (range(1) 1),
// whose cells are added as the rows are made.
void BM_WindowListingWithTime(benchmark::State& state) {
  auto bytes = veltrix::bench::LargeFormat0File(static_cast<uint32_t>(state.range(0)));
  for (auto _ : state) {
    veltrix::Session session;
    veltrix::bench::LoadGenerated(session, bytes);
    session.window.options.TimeColumn = state.range(1) == 1;
    veltrix::ListMidiView(session);
    benchmark::DoNotOptimize(session.window.RowCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WindowListingWithTime)
    ->ArgsProduct({{1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

// Each iteration sorts the whole list by Time, from the order of a sort by Command.
void BM_SortMillionRowsByTime(benchmark::State& state) {
  veltrix::Session session;
  veltrix::bench::LoadGenerated(session, veltrix::bench::LargeFormat0File(1000000));
  session.window.options.TimeColumn = true;
  veltrix::ListMidiView(session);
  const size_t time = 3;
  if (session.window.columns.at(time).header != "Time") state.SkipWithError("no Time column");
  for (auto _ : state) {
    state.PauseTiming();
    veltrix::SortByColumnClick(session.window, session.window.columns.size() - 1);
    state.ResumeTiming();
    veltrix::SortByColumnClick(session.window, time);
    benchmark::DoNotOptimize(session.window.RowCount());
  }
  state.SetItemsProcessed(state.iterations() * session.window.RowCount());
}
BENCHMARK(BM_SortMillionRowsByTime)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
