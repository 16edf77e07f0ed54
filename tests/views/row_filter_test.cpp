// The filter bar's row choice: text in any cell (ASCII case ignored), the Type and Ch quick
// choices, and the shown rows as a table of their own.
#include "views/row_filter.h"
#include "core/list_rows.h"

#include <gtest/gtest.h>

namespace veltrix {
namespace {

const std::vector<Column> kMidiColumns = {{"ID", 900, Alignment::Right, "NUMBER"},
                                          {"Ch", 500, Alignment::Centre, "NUMBER"},
                                          {"Type", 1400, Alignment::Centre, ""},
                                          {"Command", 4000, Alignment::Left, ""}};

RowTable MidiRows() {
  RowTable rows;
  rows.SetColumnCount(kMidiColumns.size());
  rows.AddRow({"000022", "", "Metadata", "Track Name: Song"});
  rows.AddRow({"000030", "1", "Midi Event", "Note On C4"});
  rows.AddRow({"000034", "10", "Midi Event", "Note On D4"});
  rows.AddRow({"000040", "", "Sysex Command", "XG System On"});
  rows.AddRow({"000048", "1", "Midi Event", "note off c4"});
  return rows;
}

struct FilterCase {
  const char* name;
  RowFilterCriteria criteria;
  std::vector<uint32_t> shown;
};

class RowFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(RowFilterTest, KeepsTheMatchingRowsInTableOrder) {
  EXPECT_EQ(FilterRows(MidiRows(), kMidiColumns, GetParam().criteria), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, RowFilterTest,
    ::testing::Values(FilterCase{"Nothing", {}, {0, 1, 2, 3, 4}},
                      FilterCase{"TextIgnoresCase", {"NOTE ON", "", 0}, {1, 2}},
                      FilterCase{"TextInAnyColumn", {"00004", "", 0}, {3, 4}},
                      FilterCase{"TextInsideACell", {"system", "", 0}, {3}},
                      FilterCase{"TextNowhere", {"Tempo", "", 0}, {}},
                      FilterCase{"Type", {"", "Midi Event", 0}, {1, 2, 4}},
                      FilterCase{"TypeIsTheWholeCell", {"", "Midi", 0}, {}},
                      FilterCase{"ChannelOneIsNotTen", {"", "", 1}, {1, 4}},
                      FilterCase{"ChannelTen", {"", "", 10}, {2}},
                      FilterCase{"AllTogether", {"c4", "Midi Event", 1}, {1, 4}},
                      FilterCase{"TextLongerThanEveryCell", {std::string(200, 'x'), "", 0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowFilter, QuickChoicesOfAViewWithoutTheirColumnKeepEveryRow) {
  const std::vector<Column> columns = {{"Item", 900, Alignment::Left, ""},
                                       {"Value", 900, Alignment::Left, ""}};
  RowTable rows;
  rows.SetColumnCount(2);
  rows.AddRow({"Midi Event", "1"});
  rows.AddRow({"Voice", "2"});
  EXPECT_EQ(FilterRows(rows, columns, {"", "Metadata", 5}), (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(FilterRows(rows, columns, {"voice", "Metadata", 5}), (std::vector<uint32_t>{1}));
}

// Bytes of other code pages are compared as they are; only ASCII letters fold.
TEST(RowFilter, FoldsOnlyAsciiLetters) {
  const std::vector<Column> columns = {{"Text", 900, Alignment::Left, ""}};
  RowTable rows;
  rows.SetColumnCount(1);
  rows.AddRow({"\xC3\x84rger"});  // "Ärger" in UTF-8
  rows.AddRow({"\xC3\xA4rger"});  // "ärger"
  EXPECT_EQ(FilterRows(rows, columns, {"\xC3\x84RGER", "", 0}), (std::vector<uint32_t>{0}));
}

TEST(RowFilter, ShownRowsMakeATableOfTheirOwn) {
  const RowTable rows = MidiRows();
  const RowTable shown = RowsAt(rows, {4, 1, 99});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown.Row(0), rows.Row(4));
  EXPECT_EQ(shown.Row(1), rows.Row(1));
  EXPECT_EQ(FilteredRowsText(2, 5), "2 of 5 rows");
}

}  // namespace
}  // namespace veltrix
