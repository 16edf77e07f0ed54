// Sorting, searching, filtering, copying and exporting a listing whose rows are made when shown:
// a million events, or VELTRIX_BENCH_EVENTS of them (e.g. 10000000).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <vector>

#include "core/column_layouts.h"
#include "core/list_rows.h"
#include "core/list_sort.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "views/clipboard_text.h"
#include "views/export_writers.h"
#include "views/list_search.h"
#include "views/row_filter.h"
#include "views/shown_columns.h"

namespace {

struct Listed {
  veltrix::Session session;
};

const Listed& Listing() {
  static const Listed* listed = [] {
    auto* made = new Listed;
    const char* events = std::getenv("VELTRIX_BENCH_EVENTS");
    veltrix::bench::LoadGenerated(
        made->session, veltrix::bench::LargeFormat0File(events ? std::atoi(events) : 1000000));
    veltrix::getMidiList(made->session);
    return made;
  }();
  return *listed;
}

void SortBy(benchmark::State& state, size_t column) {
  for (auto _ : state) {
    state.PauseTiming();
    veltrix::WindowModel window = Listing().session.window;
    state.ResumeTiming();
    veltrix::SortByColumnClick(window, column);  // the first click sorts ascending
    benchmark::DoNotOptimize(window.RowCount());
  }
}

void BM_SortById(benchmark::State& state) {
  SortBy(state, 0);
}
void BM_SortByDelay(benchmark::State& state) {
  SortBy(state, 1);
}
void BM_SortByCommand(benchmark::State& state) {
  SortBy(state, 5);
}

// Find's first hit a screen down, and a search through every row without one.
void BM_FindFirstHit(benchmark::State& state) {
  const veltrix::ListRows rows(Listing().session.window);
  for (auto _ : state) benchmark::DoNotOptimize(veltrix::FindRowContaining(rows, "Pitch", 1));
}
void BM_FindWithoutHit(benchmark::State& state) {
  const veltrix::ListRows rows(Listing().session.window);
  for (auto _ : state)
    benchmark::DoNotOptimize(veltrix::FindRowContaining(rows, "no such text", 1));
}

// The filter bar: note-on and control-change events on channels 1 and 10, then a text.
void BM_FilterKindsAndChannels(benchmark::State& state) {
  const veltrix::Session& session = Listing().session;
  veltrix::RowFilterCriteria criteria;
  criteria.events.AddKind(veltrix::EventKind::kNoteOn);
  criteria.events.AddKind(veltrix::EventKind::kControlChange);
  criteria.events.channels = 1u | 1u << 9;
  const veltrix::RowEvents events{session.window.events, session.image.bytes()};
  for (auto _ : state)
    benchmark::DoNotOptimize(veltrix::FilterRows(veltrix::ListRows(session.window),
                                                 session.window.columns, criteria, &events));
}
void BM_FilterText(benchmark::State& state) {
  const veltrix::Session& session = Listing().session;
  veltrix::RowFilterCriteria criteria;
  criteria.text = "velocity: 100";
  for (auto _ : state)
    benchmark::DoNotOptimize(
        veltrix::FilterRows(veltrix::ListRows(session.window), session.window.columns, criteria));
}

// Copy of 10,000 selected rows in the middle of the list.
void BM_CopyTenThousandRows(benchmark::State& state) {
  const veltrix::WindowModel& window = Listing().session.window;
  std::vector<bool> selected(window.RowCount() / 2 + 10000, false);
  for (size_t row = window.RowCount() / 2; row < selected.size(); ++row) selected[row] = true;
  for (auto _ : state) {
    int32_t last = -1, copied = 0;
    std::string text = veltrix::ListCopyText(window, selected, true, 1, last, false, copied);
    benchmark::DoNotOptimize(text.data());
  }
}

// Export to TSV of the rows the filter keeps (all but control changes, most rows), with
// every column and with the Type column hidden. The text goes nowhere; "peak_MB" is the
// process's peak resident memory afterwards.
void ExportFiltered(benchmark::State& state, bool hideType) {
  const veltrix::Session& session = Listing().session;
  const veltrix::WindowModel& window = session.window;
  veltrix::RowFilterCriteria criteria;
  criteria.events.AddKind(veltrix::EventKind::kControlChange);
  criteria.invert = true;
  const veltrix::RowEvents events{window.events, session.image.bytes()};
  const std::vector<uint32_t> rows =
      veltrix::FilterRows(veltrix::ListRows(window), window.columns, criteria, &events);
  std::vector<bool> columns(window.columns.size(), true);
  if (hideType) columns[*veltrix::ColumnNamed(window.columns, "Type")] = false;
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    veltrix::WriteTsv(veltrix::ShownListOf(window, &rows, columns),
                      [&](std::string_view text) { bytes += text.size(); });
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["rows"] = static_cast<double>(rows.size());
  state.counters["MB_written"] = static_cast<double>(bytes) / 1e6;
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
void BM_ExportFilteredTsv(benchmark::State& state) {
  ExportFiltered(state, false);
}
void BM_ExportFilteredTsvHiddenColumn(benchmark::State& state) {
  ExportFiltered(state, true);
}

BENCHMARK(BM_SortById)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByDelay)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindFirstHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWithoutHit)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FilterKindsAndChannels)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FilterText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopyTenThousandRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFilteredTsv)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportFilteredTsvHiddenColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
