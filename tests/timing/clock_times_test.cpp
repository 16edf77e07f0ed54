#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "builder/style_builder.h"
#include "core/list_rows.h"
#include "cli/lister.h"
#include "core/list_sort.h"
#include "core/session.h"
#include "shell/open_command.h"
#include "support/test_support.h"
#include "timing/clock_text.h"
#include "views/select_view.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;

// The exact time of `tick`, in 128-bit rationals computed afresh from every tempo change
// before it (no running sum, no carried remainder), rounded down to the millisecond.
struct Change {
  int64_t tick;
  int64_t tempo;
};

int64_t ExactMilliseconds(int64_t tick, const std::vector<Change>& changes, uint16_t division) {
  const int8_t high = static_cast<int8_t>(division >> 8);
  if (high < 0) {
    // Seconds per tick: 1 / (fps × ticks per frame); 29.97 fps is 30000/1001.
    const __int128 frames = -high == 29 ? 30000 : -high;
    const __int128 scale = -high == 29 ? 1001 : 1;
    return static_cast<int64_t>(__int128{tick} * 1000 * scale / (frames * (division & 0xFF)));
  }
  __int128 quarterMicroseconds = 0;  // microseconds × ticks per quarter
  int64_t from = 0, tempo = 500000;
  for (const Change& change : changes) {
    if (change.tick > tick) break;
    quarterMicroseconds += __int128{change.tick - from} * tempo;
    from = change.tick;
    tempo = change.tempo;
  }
  quarterMicroseconds += __int128{tick - from} * tempo;
  return static_cast<int64_t>(quarterMicroseconds / (__int128{division} * 1000));
}

std::string MillisecondsText(int64_t milliseconds) {
  return ClockText(milliseconds * 1000);
}

size_t ColumnOf(const WindowModel& window, const std::string& header) {
  for (size_t c = 0; c < window.columns.size(); ++c)
    if (window.columns[c].header == header) return c;
  return window.columns.size();
}

// Hundreds of tempo changes among notes, many at the tick of other events or of another
// tempo change.
TEST(ClockTimes, EveryRowMatchesAnExactRationalTime) {
  for (uint16_t division :
       {uint16_t{480}, uint16_t{96}, uint16_t{7}, uint16_t{32767}, uint16_t{0xE250},
        uint16_t{0xE302}, uint16_t{0xE728}, uint16_t{0xE864}}) {
    std::mt19937 random(division);
    TrackBuilder track;
    std::vector<Change> changes;
    std::vector<int64_t> rowTicks;
    int64_t tick = 0;
    for (int event = 0; event < 900; ++event) {
      const uint32_t delta = random() % 4 == 0 ? 0 : random() % (random() % 8 == 0 ? 200000 : 700);
      tick += delta;
      rowTicks.push_back(tick);
      switch (random() % 5) {
        case 0:
        case 1: {
          const uint32_t tempo = 1 + random() % 0xFFFFFF;
          track.Tempo(delta, tempo);
          changes.push_back({tick, tempo});
          break;
        }
        default:
          track.Event(delta, {0x90, static_cast<uint8_t>(random() % 128), 100});
      }
    }
    track.EndOfTrack();
    testing::TempDir dir;
    const std::string path = dir.File("tempi.mid");
    builder::WriteFile(path, testing::SingleTrackFile(track, division));

    Options options;
    options.TimeColumn = true;
    testing::Listing listing = testing::ListFile(path, "Midi", options);
    const size_t time = ColumnOf(listing.window, "Time");
    ASSERT_EQ(time, ColumnOf(listing.window, "Measure") + 1);
    ASSERT_EQ(listing.RowCount(), rowTicks.size());
    for (size_t row = 0; row < rowTicks.size(); ++row)
      ASSERT_EQ(listing.Cell(row, time),
                MillisecondsText(ExactMilliseconds(rowTicks[row], changes, division)))
          << "division " << division << " row " << row;
    EXPECT_EQ(listing.window.lblLength,
              "Length: " + LengthText(ExactMilliseconds(tick, changes, division) * 1000));

    // The rows veltrix-list writes as they are made carry the same times.
    ListerOptions lister;
    lister.file = path;
    lister.time = true;
    const std::string streamed = RunLister(lister).output;
    std::string kept = "ID\tDelay\tMeasure\tTime\tCh\tType\tCommand\n";
    for (size_t row = 0; row < listing.RowCount(); ++row) {
      std::vector<std::string> cells = ListRows(listing.window).Row(row);
      for (size_t c = 0; c < cells.size(); ++c)
        kept += cells[c] + (c + 1 < cells.size() ? "\t" : "\n");
    }
    EXPECT_EQ(streamed, kept) << division;
  }
}

TEST(ClockTimes, EachOtsTrackStartsAtZeroWithItsOwnTempo) {
  TrackBuilder slow, plain;
  slow.Tempo(0, 1000000).Event(960, {0xC0, 1}).EndOfTrack();
  plain.Event(960, {0xC0, 2}).EndOfTrack();
  const Bytes bytes = builder::StyleBuilder(builder::SampleStyleTrack())
                          .Casm(builder::CasmBuilder().Cseg().Sdec("Main A"))
                          .Ots(builder::OtsBuilder().Track(slow).Track(plain))
                          .Build();
  Options options;
  options.TimeColumn = true;
  testing::Listing listing = testing::ListBytes(bytes, "Ots", options);
  ASSERT_EQ(listing.RowCount(), 3u);
  const size_t time = ColumnOf(listing.window, "Delay") + 1;
  ASSERT_EQ(listing.window.columns[time].header, "Time");
  const int64_t division = 1920;  // the sample style's ticks per quarter note
  const std::string expected[] = {"0:00.000", MillisecondsText(960 * 1000 / division),
                                  MillisecondsText(960 * 500 / division)};
  for (size_t row = 0; row < 3; ++row) EXPECT_EQ(listing.Cell(row, time), expected[row]) << row;
}

// Programs 0 to 5 at 0, 9:59, 10:00, 10:00, 59:59 and 1:00:00 (one second a tick): their
// texts sort otherwise than their values.
Bytes ClockSortFile() {
  TrackBuilder track;
  track.Tempo(0, 1000000);
  for (auto [delta, program] :
       {std::pair<uint32_t, uint8_t>{0, 0}, {599, 1}, {1, 2}, {0, 3}, {2999, 4}, {1, 5}})
    track.Event(delta, {0xC0, program});
  track.EndOfTrack();
  return testing::SingleTrackFile(track, 1);
}

std::string Programs(const WindowModel& window) {
  std::string programs;
  for (size_t row = 0; row < ListRows(window).size(); ++row) {
    const std::string command(ListRows(window).Cell(row, window.columns.size() - 1));
    if (command.find("Program") != std::string_view::npos) programs += command.back();
  }
  return programs;
}

TEST(ClockTimes, TheTimeColumnSortsByValueWithTiesInTheWalksOrder) {
  Options options;
  options.TimeColumn = true;
  testing::Listing listing = testing::ListBytes(ClockSortFile(), "Midi", options);
  WindowModel& window = listing.window;
  const size_t time = ColumnOf(window, "Time");
  EXPECT_EQ(listing.Cell(6, time), "1:00:00.000");
  EXPECT_EQ(window.lblLength, "Length: 1:00:00");
  SortByColumnClick(window, time);  // ascending
  EXPECT_EQ(Programs(window), "012345");
  SortByColumnClick(window, time);
  EXPECT_EQ(Programs(window), "542310");
}

TEST(ClockTimes, AListSortedBeforeTheColumnArrivesIsSortedByTheSameColumnAfter) {
  testing::TempDir dir;
  builder::WriteFile(dir.File("sorted.mid"), ClockSortFile());
  Session session;
  session.window.options.TimeColumn = true;
  // Descending by the seventh column, the Command with the Time column.
  session.window.sort = {1, 6, true};
  ASSERT_EQ(OpenFile(session, dir.File("sorted.mid")), OpenOutcome::Listed);
  EXPECT_EQ(session.window.columns[3].header, "Time");
  EXPECT_EQ(Programs(session.window), "543210");
  EXPECT_EQ(ListRows(session.window).Cell(0, 6), "Tempo:  60");
  EXPECT_EQ(ListRows(session.window).Cell(1, 3), "1:00:00.000");
  // The index follows its rows.
  EXPECT_EQ(session.window.events.Of(1)->first, std::stoi(ListRows(session.window).Row(1)[0]));
}

// The option turned on in another view than Midi shows the song's length there at once, as
// the window lists the view again on the toggle.
TEST(ClockTimes, TheLengthShowsInEveryViewOnceTheOptionIsOn) {
  testing::TempDir dir;
  builder::WriteFile(dir.File("hour.mid"), ClockSortFile());
  Session session;
  ASSERT_EQ(OpenFile(session, dir.File("hour.mid")), OpenOutcome::Listed);
  EXPECT_EQ(session.window.lblLength, "");
  for (const char* view : {"Ots", "Casm", "Mfd", "Midi"}) {
    session.window.options.TimeColumn = true;
    SelectView(session, view);
    EXPECT_EQ(session.window.lblLength, "Length: 1:00:00") << view;
    session.window.options.TimeColumn = false;
    SelectView(session, view);
    EXPECT_EQ(session.window.lblLength, "") << view;
  }
}

}  // namespace
}  // namespace veltrix
