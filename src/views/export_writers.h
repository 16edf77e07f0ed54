#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shown_list.h"
#include "core/window_model.h"

namespace veltrix {

// The list as it shows (a window converts to every row and column) as text: a header line
// and a line per row. TSV cells escape TAB, CR, LF and backslash as \t, \r, \n, \\; CSV
// follows RFC 4180 (CR LF line ends, quoted when needed).
void AppendTsv(const ShownList& shown, std::string& out);
void AppendCsv(const ShownList& shown, std::string& out);

// The same texts handed to `write` in pieces (a quarter megabyte for a table, about a
// megabyte for JSON), so a million-row view is never held twice in memory.
using TextSink = std::function<void(std::string_view)>;
void WriteTsv(const ShownList& shown, const TextSink& write);
void WriteCsv(const ShownList& shown, const TextSink& write);
void WriteJson(const ShownList& shown, const std::vector<std::string>& messages,
               const TextSink& write);

// The object of WriteJson on one line, with "path" as its first member: one line of a JSON
// Lines stream, ended by LF.
void WriteJsonLine(const ShownList& shown, const std::vector<std::string>& messages,
                   std::string_view path, const TextSink& write);

// The list as one JSON object: caption, view, the shown columns and rows, then the window's
// own labels, warning, status and the texts of the message boxes shown.
void AppendJson(const ShownList& shown, const std::vector<std::string>& messages, std::string& out);

// A JSON string literal of UTF-8 text.
void AppendJsonString(std::string_view text, std::string& out);

enum class TableFormat { Tsv, Csv };

// Writes a table as TSV or CSV a line at a time into one buffer, handed to `write` whenever
// it is nearly full and by Flush. Lines have as many cells as the header; missing cells are
// empty, surplus cells are dropped.
class TableTextWriter {
 public:
  TableTextWriter(TableFormat format, const TextSink& write);
  void Header(const std::vector<Column>& columns);
  // Lines of `columns` cells without a header line: the rest of a table begun elsewhere.
  void SetColumnCount(size_t columns) { columns_ = columns; }
  void Row(const std::string_view* cells, size_t count);
  // A row with `plain` before cell `place` (at most `count`), written without copying the
  // cells into a new row. `plain` needs no escaping: no TAB, CR, LF, backslash, comma or quote.
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain);
  void Flush();

 private:
  char* Room(size_t bound);

  TableFormat format_;
  const TextSink& write_;
  size_t columns_ = 0;
  std::vector<char> buffer_;
  size_t used_ = 0;
};

// Writes the window's JSON object in three steps, so its rows can be written as they are
// made: Begin writes everything before the rows (caption, view, columns), End everything
// after them (labels, warning, status, messages).
class JsonWindowWriter {
 public:
  // With a `path` the object is one line of a JSON Lines stream with "path" first.
  explicit JsonWindowWriter(const TextSink& write, const std::string_view* path = nullptr);
  void Begin(const ShownList& shown);
  void Row(const std::string_view* cells, size_t count);
  // A row with `plain` before cell `place` (at most `count`), as TableTextWriter's.
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain);
  void End(const WindowModel& window, const std::vector<std::string>& messages);

 private:
  void FlushIfFull();
  void BeginRow();
  void Cells(const std::string_view* cells, size_t count, bool first);
  void EndRow();

  const TextSink& write_;
  const std::string_view* path_;
  const char* rowBreak_;
  bool firstRow_ = true;
  std::string out_;
};

}  // namespace veltrix
