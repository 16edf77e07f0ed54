// Copy and Export of a filtered list with a hidden column write what the whole list's export
// holds for the shown rows, less the hidden column, and the window's own labels.
#include "core/shown_list.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "core/column_layouts.h"
#include "core/list_sort.h"
#include "support/test_support.h"
#include "views/clipboard_text.h"
#include "views/export_file.h"
#include "views/export_writers.h"
#include "views/row_filter.h"
#include "views/shown_columns.h"

namespace veltrix {
namespace {

using testing::ListBytes;

// Three note-ons among other events, a second apart at 60 beats a minute.
builder::Bytes ThreeNotes() {
  builder::TrackBuilder track;
  track.Tempo(0, 1000000)
      .Event(0, {0xB0, 7, 100})
      .Event(480, {0x90, 60, 100})
      .Event(480, {0x80, 60, 0})
      .Event(0, {0x91, 64, 90})
      .Meta(480, 0x06, "Chorus")
      .Event(0, {0x91, 67, 80})
      .EndOfTrack();
  return testing::SingleTrackFile(track);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

std::string TabJoined(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t c = 0; c < cells.size(); ++c) line += (c ? "\t" : "") + cells[c];
  return line;
}

TEST(ShownList, FilteredListWithHiddenColumnWritesTheWholeListsCellsForItsRows) {
  Options timed;
  timed.TimeColumn = true;
  testing::Listing listing = ListBytes(ThreeNotes(), "Midi", timed);
  WindowModel& window = listing.window;
  const size_t type = *ColumnNamed(window.columns, "Type");
  SortByColumnClick(window, type);  // the rows in the order of a column the list then hides

  std::string wholeTsv, wholeJson;
  AppendTsv(window, wholeTsv);
  AppendJson(window, {}, wholeJson);
  // The whole list's header and lines of the note-ons, without their Type cell.
  std::vector<std::string> expected;
  for (const std::string& line : Split(wholeTsv, '\n')) {
    const bool header = expected.empty();
    if (!header && line.find("Note On") == std::string::npos) continue;
    std::vector<std::string> cells = Split(line, '\t');
    cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(type));
    expected.push_back(TabJoined(cells));
  }
  ASSERT_EQ(expected.size(), 1u + 3u);

  std::vector<bool> columns(window.columns.size(), true);
  columns[type] = false;
  const std::vector<uint32_t> rows =
      FilterRows(ListRows(window), window.columns, {"Note On", "", 0});
  const ShownList shown = ShownListOf(window, &rows, columns);
  EXPECT_FALSE(shown.Sort().sorted);  // the sort by the hidden column is forgotten

  std::string tsv;
  AppendTsv(shown, tsv);
  EXPECT_EQ(Split(tsv, '\n'), expected);

  int32_t last = -1, copied = 0;
  const std::string copy = ListCopyText(shown, {}, true, 1, last, true, copied);
  std::string copyExpected = expected[0] + "\t\r\n";  // each header ends with a TAB
  for (size_t line = 1; line < expected.size(); ++line) copyExpected += expected[line] + "\r\n";
  EXPECT_EQ(copy, copyExpected);
  EXPECT_EQ(copied, 3);

  const testing::TempDir folder;
  ExportFile(shown, {}, folder.File("shown.json"), ExportFormat::Json);
  std::ifstream file(folder.File("shown.json"));
  const nlohmann::json json = nlohmann::json::parse(file);
  const nlohmann::json whole = nlohmann::json::parse(wholeJson);
  EXPECT_EQ(json["columns"].size() + 1, whole["columns"].size());
  ASSERT_EQ(json["rows"].size(), 3u);
  EXPECT_EQ(TabJoined(json["rows"][2].get<std::vector<std::string>>()), expected[3]);
  // At 60 beats a minute the last event comes three beats after the first.
  EXPECT_EQ(json["labels"].value("duration", ""), "Length: 0:03");
  EXPECT_EQ(json["labels"], whole["labels"]);
  EXPECT_EQ(json["warning"], whole["warning"]);
  EXPECT_EQ(json["status"], whole["status"]);
}

}  // namespace
}  // namespace veltrix
