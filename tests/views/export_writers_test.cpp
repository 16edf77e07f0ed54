#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "views/export_writers.h"

namespace veltrix {
namespace {

std::vector<Column> Header(std::initializer_list<const char*> names) {
  std::vector<Column> columns;
  for (const char* name : names) columns.push_back(Column{name, 0, Alignment::Left, ""});
  return columns;
}

std::string Table(TableFormat format, const std::vector<Column>& header,
                  const std::vector<std::vector<std::string_view>>& rows) {
  std::string out;
  const TextSink write = [&](std::string_view text) { out.append(text); };
  TableTextWriter writer(format, write);
  writer.Header(header);
  for (const auto& row : rows) writer.Row(row.data(), row.size());
  writer.Flush();
  return out;
}

// How each special byte is written, as the lister's help states it: in tsv TAB, CR, LF and
// backslash become \t, \r, \n, \\; in csv (RFC 4180) a cell holding a comma, quote, CR or LF
// is quoted and a quote doubled.
struct Special {
  char byte;
  const char* tsv;
  const char* csv;
  bool quoted;  // in csv
};
constexpr Special kSpecials[] = {
    {'\t', "\\t", "\t", false},  {'\r', "\\r", "\r", true}, {'\n', "\\n", "\n", true},
    {'\\', "\\\\", "\\", false}, {',', ",", ",", true},     {'"', "\"", "\"\"", true},
};

// Cells are scanned and copied a word at a time: every length around the word sizes, with
// each special byte at every position (and none), among other cells in the same line.
TEST(TableTextWriter, EveryCellLengthAndSpecialPositionIsEscaped) {
  const std::vector<Column> header = Header({"A", "B", "C"});
  for (size_t length = 0; length <= 20; ++length) {
    const std::string letters = std::string("abcdefghijklmnopqrstu").substr(0, length);
    for (const Special& special : kSpecials) {
      for (size_t at = 0; at <= length; ++at) {
        std::string cell = letters, tsv = letters, csv = letters;
        bool quoted = false;
        if (at < length) {
          cell[at] = special.byte;
          tsv = letters.substr(0, at) + special.tsv + letters.substr(at + 1);
          csv = letters.substr(0, at) + special.csv + letters.substr(at + 1);
          quoted = special.quoted;
        }
        if (quoted) csv = "\"" + csv + "\"";
        const std::vector<std::string_view> row = {"1", cell, "\\z"};
        EXPECT_EQ(Table(TableFormat::Tsv, header, {row}), "A\tB\tC\n1\t" + tsv + "\t\\\\z\n")
            << length << " " << at;
        EXPECT_EQ(Table(TableFormat::Csv, header, {row}), "A,B,C\r\n1," + csv + ",\\z\r\n")
            << length << " " << at;
      }
    }
  }
  EXPECT_EQ(Table(TableFormat::Tsv, header, {{"a\tb", "c\\d\r\n", "\""}}),
            "A\tB\tC\na\\tb\tc\\\\d\\r\\n\t\"\n");
  EXPECT_EQ(Table(TableFormat::Csv, header, {{"a,b", "say \"hi\"", "x\ny"}}),
            "A,B,C\r\n\"a,b\",\"say \"\"hi\"\"\",\"x\ny\"\r\n");
}

TEST(TableTextWriter, LinesTakeTheHeadersCellCountAndLongCellsStayWhole) {
  const std::vector<Column> header = Header({"A", "B"});
  EXPECT_EQ(Table(TableFormat::Tsv, header, {{"1"}, {"1", "2", "3"}, {}}), "A\tB\n1\t\n1\t2\n\t\n");
  // Larger than the writer's buffer, and spread over several pieces with small rows.
  const std::string huge(5'000'000, 'h');
  std::vector<std::vector<std::string_view>> rows(100'000, {"r", "s"});
  rows.push_back({huge, "\t"});
  const std::string text = Table(TableFormat::Tsv, header, rows);
  ASSERT_EQ(text.size(), 4 + 100'000 * 4 + huge.size() + 4);
  EXPECT_EQ(text.substr(text.size() - 4), "\t\\t\n");
  EXPECT_EQ(text.compare(4 + 100'000 * 4, huge.size(), huge), 0);
}

// A cell put in while writing gives the line of the row with the cell in its place: at every
// place, of every length around the word sizes, under headers wider, as wide and narrower.
TEST(TableTextWriter, PlainCellPutInEqualsTheRowWithIt) {
  const std::vector<std::string_view> cells = {"1", "a\tb", "", "0123456789", "x,\"y\""};
  const std::string letters = "abcdefghijklmnopqrstuvwxyz";
  for (size_t columns : {cells.size(), cells.size() + 1, cells.size() + 3}) {
    std::vector<Column> header(columns, Column{"H", 0, Alignment::Left, ""});
    for (size_t place = 0; place <= cells.size(); ++place) {
      for (size_t length : {0, 1, 3, 4, 7, 8, 9, 15, 16, 17}) {
        const std::string_view plain(letters.data(), length);
        std::vector<std::string_view> row = cells;
        row.insert(row.begin() + static_cast<std::ptrdiff_t>(place), plain);
        for (TableFormat format : {TableFormat::Tsv, TableFormat::Csv}) {
          std::string out;
          const TextSink write = [&](std::string_view text) { out.append(text); };
          TableTextWriter writer(format, write);
          writer.Header(header);
          writer.RowWithPlainCell(cells.data(), cells.size(), place, plain);
          writer.Flush();
          EXPECT_EQ(out, Table(format, header, {row})) << columns << " " << place << " " << length;
        }
        std::string inserted, whole;
        const TextSink writeInserted = [&](std::string_view text) { inserted.append(text); };
        const TextSink writeWhole = [&](std::string_view text) { whole.append(text); };
        JsonWindowWriter json(writeInserted), expected(writeWhole);
        json.RowWithPlainCell(cells.data(), cells.size(), place, plain);
        expected.Row(row.data(), row.size());
        WindowModel window;
        json.End(window, {});
        expected.End(window, {});
        EXPECT_EQ(inserted, whole) << place << " " << length;
      }
    }
  }
}

// Ill-formed UTF-8 becomes U+FFFD, one for each maximal subpart, as the Unicode Standard's
// own example (its table 3-8) shows; well-formed sequences at the edges of each length pass.
TEST(JsonString, IsAlwaysValidUtf8) {
  const std::string fffd = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      {"a\xF1\x80\x80\xE1\x80\xC2"
       "b\x80"
       "c\x80\xBF"
       "d",
       "a" + fffd + fffd + fffd + "b" + fffd + "c" + fffd + fffd + "d"},
      {"\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
       "\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
      {"\xC0\xAF", fffd + fffd},                        // overlong "/"
      {"\xED\xA0\x80", fffd + fffd + fffd},             // a surrogate
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // above U+10FFFF
      {"caf\xE9", "caf" + fffd},                        // Latin-1, cut at the end
      {"\xE9t\xE9", fffd + "t" + fffd},
  };
  for (const auto& [bytes, expected] : cases) {
    std::string out;
    AppendJsonString(bytes, out);
    EXPECT_EQ(out, "\"" + expected + "\"");
  }
}

}  // namespace
}  // namespace veltrix
