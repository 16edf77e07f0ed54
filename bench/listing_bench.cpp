// The listing of a generated format-0 file, in process (file image already loaded).
#include <benchmark/benchmark.h>

#include "core/session.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "tools/streamed_tsv.h"
#include "views/export_writers.h"

namespace {

using veltrix::bench::StreamedTsv;

void BM_ListLargeFile(benchmark::State& state) {
  auto bytes = veltrix::bench::LargeFormat0File(static_cast<uint32_t>(state.range(0)));
  for (auto _ : state) {
    veltrix::Session session;
    veltrix::bench::LoadGenerated(session, bytes);
    veltrix::getMidiList(session);
    std::string out;
    veltrix::AppendTsv(session.window, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListLargeFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same listing as veltrix-list writes it: rows go to the TSV writer as they are made.
void BM_StreamLargeFile(benchmark::State& state) {
  auto bytes = veltrix::bench::LargeFormat0File(static_cast<uint32_t>(state.range(0)));
  size_t written = 0;
  const veltrix::TextSink count = [&](std::string_view text) { written += text.size(); };
  for (auto _ : state) {
    veltrix::Session session;
    veltrix::bench::LoadGenerated(session, bytes);
    StreamedTsv stream(count);
    veltrix::getMidiList(session, stream);
    stream.writer.Flush();
    benchmark::DoNotOptimize(written);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StreamLargeFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
