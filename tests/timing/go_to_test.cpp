#include <gtest/gtest.h>

#include <string>

#include "core/list_sort.h"
#include "core/list_rows.h"
#include "core/session.h"
#include "shell/open_command.h"
#include "support/test_support.h"
#include "timing/go_to.h"
#include "views/select_view.h"

namespace veltrix {
namespace {

using Kind = GoToPlace::Kind;

TEST(GoToEntry, ReadsMeasuresTimesAndOffsets) {
  struct Case {
    const char* entry;
    Kind kind;
    int64_t a, b, c;  // measure, beat, tick; or microseconds; or offset
  };
  const Case cases[] = {
      {"12", Kind::Measure, 12, 1, 0},          {" 12:3 ", Kind::Measure, 12, 3, 0},
      {"12:03:240", Kind::Measure, 12, 3, 240}, {"1:23.5", Kind::Time, 83500000, 0, 0},
      {"83.5s", Kind::Time, 83500000, 0, 0},    {"83.5", Kind::Time, 83500000, 0, 0},
      {"90s", Kind::Time, 90000000, 0, 0},      {"1:02:03.0000019", Kind::Time, 3723000001, 0, 0},
      {"#1234", Kind::Offset, 1234, 0, 0},      {"0x4D2", Kind::Offset, 1234, 0, 0},
      {"0x4d2", Kind::Offset, 1234, 0, 0},      {"0X4D2", Kind::Offset, 1234, 0, 0},
  };
  for (const Case& c : cases) {
    std::string error;
    std::optional<GoToPlace> place = ReadGoToEntry(c.entry, error);
    ASSERT_TRUE(place) << c.entry << ": " << error;
    EXPECT_EQ(place->kind, c.kind) << c.entry;
    if (c.kind == Kind::Measure)
      EXPECT_EQ((std::array{place->measure, place->beat, place->tick}), (std::array{c.a, c.b, c.c}))
          << c.entry;
    else
      EXPECT_EQ(c.kind == Kind::Time ? place->microseconds : place->offset, c.a) << c.entry;
  }
  for (const char* bad : {"", "  ", "0", "12:0", "1:2:3:4", "a", "#", "#12a", "0x", "0xG1",
                          "1:60.0", "1:60:00.0", "-3", "1.2.3", "12:x", "99999999999999999"}) {
    std::string error;
    EXPECT_FALSE(ReadGoToEntry(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

// 3/4 at 480 ticks a quarter: 1440 ticks a measure. Rows: time signature, tempo and notes at
// ticks 0, 0, 0, 1440, 1930, 2880 (bytes 22, 30, 37, 41, 46, 51), a marker at 2880 (56),
// another at 2880 (66).
struct GoToFile {
  GoToFile() {
    builder::TrackBuilder track;
    track.TimeSignature(0, 3, 2).Tempo(0, 1000000).Event(0, {0x90, 60, 1});
    track.Event(1440, {0x90, 61, 1}).Event(490, {0x90, 62, 1}).Event(950, {0x90, 63, 1});
    track.Meta(0, 0x06, "Main A").Meta(0, 0x06, "Fill").EndOfTrack();
    builder::WriteFile(dir.File("goto.mid"), testing::SingleTrackFile(track, 480));
    EXPECT_EQ(OpenFile(session, dir.File("goto.mid")), OpenOutcome::Listed);
  }
  std::optional<size_t> Row(const char* entry) {
    std::string error;
    std::optional<GoToPlace> place = ReadGoToEntry(entry, error);
    EXPECT_TRUE(place) << entry;
    return place ? FirstRowAtOrAfter(session, *place, error) : std::nullopt;
  }
  testing::TempDir dir;
  Session session;
};

TEST(GoTo, FindsTheFirstRowAtOrAfterThePlaceInTheListsOrder) {
  GoToFile file;
  ASSERT_EQ(ListRows(file.session.window).size(), 8u);
  struct Case {
    const char* entry;
    std::optional<size_t> row;
  };
  // Quarter notes of one second: tick 1440 is 3 s, 1930 is 4.02 s, 2880 is 6 s.
  for (const Case& c : {Case{"1", 0},
                        Case{"2", 3},
                        Case{"2:1:1", 4},
                        Case{"2:2:10", 4},
                        Case{"2:3:10", 5},
                        Case{"3", 5},
                        Case{"4", std::nullopt},
                        Case{"0:00.0", 0},
                        Case{"3s", 3},
                        Case{"3.001", 4},
                        Case{"4.020s", 4},
                        Case{"4.021", 5},
                        Case{"6.1", std::nullopt},
                        Case{"#0", 0},
                        Case{"#37", 2},
                        Case{"#40", 2},
                        Case{"#41", 3},
                        Case{"0x29", 3},
                        Case{"#66", 7},
                        Case{"#1000", std::nullopt}})
    EXPECT_EQ(file.Row(c.entry), c.row) << c.entry;

  // Sorted by ID descending, the first row in the list's order that lies after measure 2 is
  // the last event.
  SortByColumnClick(file.session.window, 0);
  SortByColumnClick(file.session.window, 0);
  EXPECT_EQ(file.Row("2"), 0u);
  EXPECT_EQ(file.Row("#0"), 0u);
}

TEST(GoTo, SaysWhyWhenTheViewCannotTell) {
  GoToFile file;
  std::string error;
  SelectView(file.session, "Casm");
  EXPECT_FALSE(FirstRowAtOrAfter(file.session, *ReadGoToEntry("1", error), error));
  EXPECT_NE(error, "");

  builder::TrackBuilder track;
  track.Event(0, {0x90, 60, 1}).EndOfTrack();
  builder::WriteFile(file.dir.File("plain.mid"), testing::SingleTrackFile(track, 0));
  ASSERT_EQ(OpenFile(file.session, file.dir.File("plain.mid")), OpenOutcome::Listed);
  for (const char* entry : {"2", "1.5"}) {  // no time signature; a division of 0
    error.clear();
    EXPECT_FALSE(FirstRowAtOrAfter(file.session, *ReadGoToEntry(entry, error), error));
    EXPECT_NE(error, "") << entry;
  }
}

TEST(GoTo, MarkerJumpsGoBothWaysInTheListsOrder) {
  GoToFile file;
  const Session& s = file.session;
  EXPECT_EQ(MarkerRow(s, std::nullopt, true), 6u);
  EXPECT_EQ(MarkerRow(s, 6, true), 7u);
  EXPECT_EQ(MarkerRow(s, 7, true), std::nullopt);
  EXPECT_EQ(MarkerRow(s, 7, false), 6u);
  EXPECT_EQ(MarkerRow(s, 6, false), std::nullopt);
  EXPECT_EQ(MarkerRow(s, std::nullopt, false), 7u);
  SortByColumnClick(file.session.window, 0);
  SortByColumnClick(file.session.window, 0);  // descending: the markers are rows 0 and 1
  EXPECT_EQ(MarkerRow(s, std::nullopt, true), 0u);
  EXPECT_EQ(MarkerRow(s, 0, true), 1u);
  EXPECT_EQ(MarkerRow(s, 5, false), 1u);
  // A filtered list: the shown rows 5, 0 and 3 of the table.
  const ShownRows shown = {5, 0, 3};
  EXPECT_EQ(MarkerRow(s, std::nullopt, true, &shown), 1u);
  EXPECT_EQ(MarkerRow(s, 1, true, &shown), std::nullopt);
  std::string error;
  EXPECT_EQ(FirstRowAtOrAfter(s, *ReadGoToEntry("#60", error), error, &shown), 1u);
}

}  // namespace
}  // namespace veltrix
