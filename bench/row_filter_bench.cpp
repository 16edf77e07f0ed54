// The filter bar over a listing of a million rows: text, type and channel choices, and the
// event choices read from the index and the file image.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/list_rows.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "views/row_filter.h"

namespace {

const veltrix::WindowModel& Listed() {
  return veltrix::bench::ListedMillionEventWindow();
}

void Filter(benchmark::State& state, const veltrix::RowFilterCriteria& criteria) {
  const auto& window = Listed();
  for (auto _ : state) {
    auto shown = veltrix::FilterRows(veltrix::ListRows(window), window.columns, criteria);
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

// A listed million-event file with its image, made once.
const veltrix::Session& ListedSession() {
  static const auto session = [] {
    auto listed = std::make_unique<veltrix::Session>();
    veltrix::bench::LoadGenerated(*listed, veltrix::bench::LargeFormat0File(1000000));
    veltrix::getMidiList(*listed);
    return listed;
  }();
  return *session;
}

void FilterEvents(benchmark::State& state, const veltrix::RowFilterCriteria& criteria) {
  const veltrix::Session& session = ListedSession();
  const veltrix::RowEvents events{session.window.events, session.image.bytes()};
  for (auto _ : state) {
    auto shown =
        veltrix::FilterRows(veltrix::ListRows(session.window), session.window.columns, criteria, &events);
    benchmark::DoNotOptimize(shown.data());
  }
  state.counters["rows"] = static_cast<double>(session.window.RowCount());
}

// Note On and Control Change on channels 1 and 10.
void BM_FilterEventKindsAndChannels(benchmark::State& state) {
  veltrix::RowFilterCriteria criteria;
  criteria.events.AddKind(veltrix::EventKind::kNoteOn);
  criteria.events.AddKind(veltrix::EventKind::kControlChange);
  criteria.events.channels = 0x0201;
  FilterEvents(state, criteria);
}
// Tempo and Text meta events, inverted: every row read down to its meta type.
void BM_FilterMetaKindsInverted(benchmark::State& state) {
  veltrix::RowFilterCriteria criteria;
  criteria.events.AddKind(veltrix::EventKind::kTempo);
  criteria.events.AddKind(veltrix::EventKind::kText);
  criteria.invert = true;
  FilterEvents(state, criteria);
}

BENCHMARK(BM_FilterEventKindsAndChannels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterMetaKindsInverted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTextWithoutHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTypeAndChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTextTypeAndChannel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
