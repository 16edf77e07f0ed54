#include <gtest/gtest.h>

#include "core/failure.h"
#include "views/clipboard_text.h"
#include "views/list_search.h"

namespace veltrix {
namespace {

WindowModel MidiLikeWindow() {
  WindowModel window;
  window.SetColumns({{"ID", 700, Alignment::Left, "NUMBER"},
                     {"Delay", 500, Alignment::Right, "NUMBER"},
                     {"Measure", 1600, Alignment::Centre, ""},
                     {"Ch", 500, Alignment::Centre, "NUMBER"},
                     {"Type", 1400, Alignment::Centre, ""},
                     {"Command", 7500, Alignment::Left, ""}});
  window.rows.AddRow({"000022", "0", "1:01:000", "", "Metadata", "Track Name: Note list"});
  window.rows.AddRow({"000030", "0", "1:01:000", "1", "Midi Event", "Program Change:  5"});
  window.rows.AddRow(
      {"000033", "0", "1:01:000", "1", "Midi Event", "Note On    C  5    velocity: 100"});
  window.rows.AddRow({"000037", "96", "1:01:096", "", "Sysex Command", "F0 43 "});
  window.rows.AddRow(
      {"000045", "0", "1:01:096", "1", "Midi Event", "Note On    D  5    velocity: 90"});
  return window;
}

TEST(ListSearch, ExactMatchLooksAtFirstColumnsBeforeOtherCells) {
  WindowModel window = MidiLikeWindow();
  // "0000" begins the first cell of row 1; a later cell starting with it would not win.
  EXPECT_EQ(FindItemBeginningWith(window.rows, "0000", 1), 1);
  EXPECT_EQ(FindItemBeginningWith(window.rows, "Note", 1), 3);  // not row 1 ("...: Note list")
  EXPECT_EQ(FindItemBeginningWith(window.rows, "note", 4), 5);  // case is ignored
  EXPECT_EQ(FindItemBeginningWith(window.rows, "velocity", 1), std::nullopt);
  EXPECT_THROW(FindItemBeginningWith(window.rows, "Note", 6), Failure);
}

TEST(ListSearch, PartialMatchFindsTextAnywhereIgnoringCase) {
  WindowModel window = MidiLikeWindow();
  EXPECT_EQ(FindRowContaining(window.rows, "velocity", 1), 3);
  EXPECT_EQ(FindRowContaining(window.rows, "velocity", 4), 5);
  EXPECT_EQ(FindRowContaining(window.rows, "SYSEX", 1), 4);
  EXPECT_EQ(FindRowContaining(window.rows, "", 2), 2);
  EXPECT_EQ(FindRowContaining(window.rows, "nowhere", 1), std::nullopt);
  EXPECT_EQ(FindRowContaining(window.rows, "velocity", 99), std::nullopt);
}

TEST(ClipboardText, HeaderLineEndsInTabAndRowsInCrLf) {
  WindowModel window = MidiLikeWindow();
  int32_t last = -1;
  int32_t copied = 0;
  std::vector<bool> selected = {false, false, true, false, true};
  std::string text = ListCopyText(window, selected, true, 1, last, false, copied);
  EXPECT_EQ(last, 6);
  EXPECT_EQ(copied, 2);
  EXPECT_EQ(text,
            "ID\tDelay\tMeasure\tCh\tType\tCommand\t\r\n"
            "000033\t0\t1:01:000\t1\tMidi Event\tNote On    C  5    velocity: 100\r\n"
            "000045\t0\t1:01:096\t1\tMidi Event\tNote On    D  5    velocity: 90\r\n");
  last = -1;
  EXPECT_EQ(ListCopyText(window, {}, true, 1, last, false, copied),
            "ID\tDelay\tMeasure\tCh\tType\tCommand\t\r\n");
  EXPECT_EQ(copied, 0);
  last = -1;
  std::string all = ListCopyText(window, {}, false, 1, last, true, copied);
  EXPECT_EQ(copied, 5);
  EXPECT_EQ(all.substr(0, all.find("\r\n")),
            "000022\t0\t1:01:000\t\tMetadata\tTrack Name: Note list");
}

TEST(ClipboardText, ColumnRangeLimitsHeadersAndCells) {
  // Columns count from 1 here; 0 is read as 1, and the first cell is always copied.
  WindowModel window = MidiLikeWindow();
  int32_t copied = 0;
  for (int32_t first : {0, 1}) {
    int32_t last = 3;
    EXPECT_EQ(ListCopyText(window, {false, true}, true, first, last, false, copied),
              "ID\tDelay\tMeasure\t\r\n000030\t0\t1:01:000\r\n");
    EXPECT_EQ(last, 3);
  }
}

}  // namespace
}  // namespace veltrix
