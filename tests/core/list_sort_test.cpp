#include <gtest/gtest.h>

#include "core/list_sort.h"

namespace veltrix {
namespace {

WindowModel Window(const std::vector<std::string>& numbers, const std::vector<std::string>& texts) {
  WindowModel window;
  window.SetColumns(
      {{"ID", 700, Alignment::Left, "number"}, {"Command", 7500, Alignment::Left, ""}});
  for (size_t i = 0; i < numbers.size(); ++i) window.rows.AddRow({numbers[i], texts[i]});
  return window;
}

std::vector<std::string> Column(const WindowModel& window, size_t column) {
  std::vector<std::string> cells;
  for (size_t r = 0; r < window.rows.size(); ++r) cells.emplace_back(window.rows.Cell(r, column));
  return cells;
}

TEST(ListSort, NumbersSortByValueWithNonNumbersFirstWhenAscending) {
  WindowModel window = Window({"12", "-5", "", "0", "x", "3", "-10", "000009"},
                              {"a", "b", "c", "d", "e", "f", "g", "h"});
  SortByColumnClick(window, 0);  // the first click sorts ascending
  EXPECT_EQ(window.sort.order, 0);
  EXPECT_EQ(Column(window, 0),
            (std::vector<std::string>{"", "x", "-10", "-5", "0", "3", "000009", "12"}));
  EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"c", "e", "g", "b", "d", "f", "h", "a"}));
  SortByColumnClick(window, 0);
  EXPECT_EQ(Column(window, 0),
            (std::vector<std::string>{"12", "000009", "3", "0", "-5", "-10", "", "x"}));
}

TEST(ListSort, DirectionAlternatesAcrossColumnsAndTextIgnoresCase) {
  WindowModel window = Window({"1", "2", "3", "4"}, {"note", "Meta", "apple", "Note"});
  SortByColumnClick(window, 1);  // ascending
  EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"apple", "Meta", "note", "Note"}));
  SortByColumnClick(window, 0);  // another column continues the alternation: descending
  EXPECT_EQ(window.sort.order, 1);
  EXPECT_EQ(Column(window, 0), (std::vector<std::string>{"4", "3", "2", "1"}));
  SortByColumnClick(window, 1);  // ascending again; equal keys keep their order
  EXPECT_EQ(Column(window, 1), (std::vector<std::string>{"apple", "Meta", "Note", "note"}));
}

TEST(ListSort, StaysOnForLaterListings) {
  WindowModel window = Window({"9", "10"}, {"b", "a"});
  ApplyListSort(window);  // not switched on yet: nothing moves
  EXPECT_EQ(Column(window, 0), (std::vector<std::string>{"9", "10"}));
  SortByColumnClick(window, 0);
  window.SetColumns(
      {{"ID", 700, Alignment::Left, "NUMBER"}, {"Command", 7500, Alignment::Left, ""}});
  window.rows.AddRow({"10", "x"});
  window.rows.AddRow({"9", "y"});
  ApplyListSort(window);  // a new listing comes out ordered by value, not as text
  EXPECT_EQ(Column(window, 0), (std::vector<std::string>{"9", "10"}));
}

TEST(ListSort, ReadsAsNumberAndInvertDigits) {
  double v = 0;
  EXPECT_TRUE(ReadsAsNumber(" 5", v));
  EXPECT_EQ(v, 5);
  EXPECT_TRUE(ReadsAsNumber("-2.5", v));
  EXPECT_EQ(v, -2.5);
  for (const char* text : {"", " ", "1:01:000", "Note", "inf", "nan", "-", "5x"})
    EXPECT_FALSE(ReadsAsNumber(text, v)) << text;
  EXPECT_EQ(InvertDigits("-0123456789.5"), " 9876543210.4");
}

}  // namespace
}  // namespace veltrix
