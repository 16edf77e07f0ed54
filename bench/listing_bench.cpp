// The listing of a generated format-0 file, in process (file image already loaded).
#include <benchmark/benchmark.h>

#include "core/session.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"
#include "views/export_writers.h"

namespace {

void BM_ListLargeFile(benchmark::State& state) {
  auto bytes = veltrix::bench::LargeFormat0File(static_cast<uint32_t>(state.range(0)));
  for (auto _ : state) {
    veltrix::Session session;
    session.image = veltrix::FileImage(bytes);
    session.window.fileName = "large.mid";
    veltrix::getMidiList(session);
    std::string out;
    veltrix::AppendTsv(session.window, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListLargeFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
