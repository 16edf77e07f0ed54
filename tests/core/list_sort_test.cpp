#include <gtest/gtest.h>

#include "core/list_sort.h"
#include "core/list_rows.h"

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
  for (size_t r = 0; r < ListRows(window).size(); ++r) cells.emplace_back(ListRows(window).Cell(r, column));
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

// A list already in the column's order: ascending it stays; descending it turns round, but
// rows of equal keys still keep their order.
TEST(ListSort, AListInTheColumnsOrderAlready) {
  WindowModel distinct = Window({"1", "2", "3"}, {"a", "b", "c"});
  distinct.sort.order = 0;  // the next click sorts descending
  SortByColumnClick(distinct, 0);
  EXPECT_EQ(Column(distinct, 1), (std::vector<std::string>{"c", "b", "a"}));
  SortByColumnClick(distinct, 0);
  EXPECT_EQ(Column(distinct, 1), (std::vector<std::string>{"a", "b", "c"}));

  WindowModel tied = Window({"1", "2", "2", "3"}, {"a", "b", "c", "d"});
  SortByColumnClick(tied, 0);  // ascending: as it was
  EXPECT_EQ(Column(tied, 1), (std::vector<std::string>{"a", "b", "c", "d"}));
  SortByColumnClick(tied, 0);  // descending
  EXPECT_EQ(Column(tied, 1), (std::vector<std::string>{"d", "b", "c", "a"}));
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

// Forty rows, more than a library sort handles by insertion (16): only a stable sort keeps the
// rows of equal keys in the order the walk gave them, both ways and for numbers and text.
TEST(ListSort, EqualKeysKeepTheWalkOrderInLongLists) {
  std::vector<std::string> walk, tied, cased;
  for (int i = 0; i < 40; ++i) {
    walk.push_back(std::to_string(100 + i));
    tied.push_back(i % 3 == 0 ? "7" : "2");
    cased.push_back(i % 3 == 0 ? "apple" : i % 2 ? "b" : "B");  // b and B are equal keys
  }
  auto rowsWhere = [&](const std::vector<std::string>& keys, const std::string& key) {
    std::vector<std::string> rows;
    for (size_t i = 0; i < keys.size(); ++i)
      if (keys[i] == key || (key == "b" && keys[i] == "B")) rows.push_back(walk[i]);
    return rows;
  };
  auto joined = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  WindowModel numbers = Window(tied, walk);
  SortByColumnClick(numbers, 0);
  EXPECT_EQ(Column(numbers, 1), joined(rowsWhere(tied, "2"), rowsWhere(tied, "7")));
  SortByColumnClick(numbers, 0);
  EXPECT_EQ(Column(numbers, 1), joined(rowsWhere(tied, "7"), rowsWhere(tied, "2")));
  WindowModel texts = Window(walk, cased);
  SortByColumnClick(texts, 1);
  EXPECT_EQ(Column(texts, 0), joined(rowsWhere(cased, "apple"), rowsWhere(cased, "b")));
  SortByColumnClick(texts, 1);
  EXPECT_EQ(Column(texts, 0), joined(rowsWhere(cased, "b"), rowsWhere(cased, "apple")));
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

TEST(ListSort, DateColumnsSortByDateAndTimeWithNonDatesFirst) {
  WindowModel window;
  window.SetColumns({{"Saved", 1600, Alignment::Left, "DATE"}});
  for (const char* cell :
       {"2024-03-01 10:00:00", "2024-01-31", "2024-13-01", "2024-03-01 09:59:59"})
    window.rows.AddRow({cell});
  SortByColumnClick(window, 0);
  EXPECT_EQ(Column(window, 0),
            (std::vector<std::string>{"2024-13-01", "2024-01-31", "2024-03-01 09:59:59",
                                      "2024-03-01 10:00:00"}));
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
