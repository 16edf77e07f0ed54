// The event index of a generated format-0 file (built once per listing) and the detail of
// rows looked up through it.
#include <benchmark/benchmark.h>

#include "core/session.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "views/event_detail.h"

namespace {

veltrix::Session& ListedSession(uint32_t events) {
  static std::unique_ptr<veltrix::Session> session;
  static uint32_t listed = 0;
  if (!session || listed != events) {
    session = std::make_unique<veltrix::Session>();
    session->image = veltrix::FileImage(veltrix::bench::LargeFormat0File(events));
    session->window.fileName = "large.mid";
    veltrix::getMidiList(*session);
    listed = events;
  }
  return *session;
}

void BM_BuildEventIndex(benchmark::State& state) {
  const veltrix::Session& session = ListedSession(static_cast<uint32_t>(state.range(0)));
  for (auto _ : state) {
    veltrix::EventIndex index = veltrix::BuildEventIndex(session);
    benchmark::DoNotOptimize(index.size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildEventIndex)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DescribeEvent(benchmark::State& state) {
  const veltrix::Session& session = ListedSession(1000000);
  const veltrix::EventIndex index = veltrix::BuildEventIndex(session);
  size_t row = 0;
  for (auto _ : state) {
    auto detail = veltrix::DescribeEvent(session, index, row);
    benchmark::DoNotOptimize(detail);
    row = (row + 7919) % session.window.rows.size();
  }
}
BENCHMARK(BM_DescribeEvent)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
