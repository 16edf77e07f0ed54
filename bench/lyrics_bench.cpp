// What the lyrics cost beside the listing they are read from: the window's listing of a
// generated file of a million events, and the lyrics read from that listing's event index
// and the file image (the target is under a tenth of the listing).
#include <benchmark/benchmark.h>

#include "core/session.h"
#include "lyrics/lyrics_reader.h"
#include "timing/time_column.h"
#include "tools/large_file.h"

namespace {

constexpr uint32_t kEvents = 1000000;

// The generated mix (0), or a sung song (1): notes with a lyric syllable on every fifth, a
// line ended every eighth syllable.
veltrix::builder::Bytes File(int64_t kind) {
  if (kind == 0) return veltrix::bench::LargeFormat0File(kEvents);
  veltrix::builder::TrackBuilder track;
  track.Tempo(0, 500000);
  for (uint32_t i = 0; i < kEvents / 6; ++i) {
    const uint8_t note = static_cast<uint8_t>(48 + i % 24);
    track.Meta(0, 0x05, i % 8 == 7 ? "la\r" : "la ");
    track.Event(0, {0x90, note, 100});
    for (uint8_t n = 1; n < 4; ++n) track.Event(0, {static_cast<uint8_t>(note + n), 90});
    track.Event(120, {0x80, note, 0});
  }
  track.EndOfTrack();
  return veltrix::builder::SmfBuilder(0, 480).Track(track).Build();
}

void BM_WindowListing(benchmark::State& state) {
  const auto bytes = File(state.range(0));
  for (auto _ : state) {
    veltrix::Session session;
    veltrix::bench::LoadGenerated(session, bytes);
    veltrix::ListMidiView(session);
    benchmark::DoNotOptimize(session.window.RowCount());
  }
}
BENCHMARK(BM_WindowListing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_LyricsOfListing(benchmark::State& state) {
  veltrix::Session session;
  veltrix::bench::LoadGenerated(session, File(state.range(0)));
  veltrix::ListMidiView(session);
  for (auto _ : state) {
    const veltrix::SongLyrics song =
        veltrix::ReadLyrics(session.image, session.window.events, session.codePage, session.image);
    benchmark::DoNotOptimize(song.lines.size());
  }
  state.counters["lines"] = static_cast<double>(
      veltrix::ReadLyrics(session.image, session.window.events, session.codePage, session.image)
          .lines.size());
}
BENCHMARK(BM_LyricsOfListing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
