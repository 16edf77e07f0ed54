// The format-0 conversion of a 16-track file of a million events, against the listing of
// its result.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/session.h"
#include "hpmidifile/hp_midifile.h"
#include "midi/midi_list.h"
#include "tools/large_file.h"

namespace {

constexpr uint32_t kEvents = 1000000;
constexpr int kTracks = 16;

// The generated source file and its converted copy, made once for all benchmarks.
class Files {
 public:
  Files() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "veltrix-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    source_ = folder_ + "/source.mid";
    converted_ = folder_ + "/converted.mid";
    veltrix::builder::WriteFile(source_, veltrix::bench::LargeFormat1File(kEvents, kTracks));
    void* handle = HP_Init();
    if (HP_Load(handle, source_.c_str()) != 0 || HP_Save(handle, converted_.c_str(), 0) != 0)
      throw std::runtime_error("conversion failed");
    HP_Free(handle);
  }
  ~Files() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& source() const { return source_; }
  const std::string& converted() const { return converted_; }

 private:
  std::string folder_, source_, converted_;
};

const Files& TheFiles() {
  static Files files;
  return files;
}

void BM_ConvertToFormat0(benchmark::State& state) {
  const Files& files = TheFiles();
  std::string target = files.converted() + ".again";
  for (auto _ : state) {
    void* handle = HP_Init();
    benchmark::DoNotOptimize(HP_Load(handle, files.source().c_str()));
    benchmark::DoNotOptimize(HP_Save(handle, target.c_str(), 0));
    HP_Free(handle);
  }
  std::filesystem::remove(target);
  state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ConvertToFormat0)->Unit(benchmark::kMillisecond);

void BM_ListConvertedFile(benchmark::State& state) {
  const Files& files = TheFiles();
  for (auto _ : state) {
    veltrix::Session session;
    session.image = veltrix::LoadFileImage(files.converted());
    session.window.fileName = files.converted();
    veltrix::getMidiList(session);
    benchmark::DoNotOptimize(session.window.RowCount());
  }
  state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_ListConvertedFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
