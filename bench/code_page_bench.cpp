// The Midi listing of a text-heavy file (lyrics and text events only) through a single-byte
// and a multibyte code page: every text goes through the session's code page.
#include <benchmark/benchmark.h>

#include <string>

#include "builder/smf_builder.h"
#include "core/session.h"
#include "midi/midi_list.h"

namespace {

const veltrix::builder::Bytes& TextHeavyFile() {
  static const veltrix::builder::Bytes bytes = [] {
    veltrix::builder::TrackBuilder track;
    // Shift_JIS katakana and ASCII, as karaoke lyrics carry them.
    const std::string lyric = "\x83\x65\x83\x58\x83\x67 text ";
    for (int i = 0; i < 100000; ++i) track.Meta(10, i % 2 ? 0x05 : 0x01, lyric);
    track.EndOfTrack();
    return veltrix::builder::SmfBuilder().Track(track).Build();
  }();
  return bytes;
}

const char* const kCodePages[] = {"WINDOWS-1252", "SHIFT_JIS"};

void BM_ListTextsThroughCodePage(benchmark::State& state) {
  const char* name = kCodePages[state.range(0)];
  for (auto _ : state) {
    veltrix::Session session;
    session.codePage = veltrix::CodePage(name);
    session.image = veltrix::FileImage(TextHeavyFile());
    session.window.fileName = "texts.mid";
    veltrix::getMidiList(session);
    benchmark::DoNotOptimize(session.window.RowCount());
  }
  state.SetLabel(name);
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ListTextsThroughCodePage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
