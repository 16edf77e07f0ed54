#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/row_maker.h"
#include "core/row_table.h"
#include "core/shown_list.h"
#include "core/window_model.h"

namespace veltrix {

// Reads the cells of a list's rows, whether they are kept as text (a RowTable) or made from
// the listing's event records when asked for (a window with a row maker). Optionally only
// some rows, in a given order (the rows a filter keeps), and only some columns (the ones the
// list shows). A cell's view stays valid until the next call on the same reader, and as long
// as the table for kept rows.
class ListRows {
 public:
  // The rows of a table. Implicit: every function that reads rows takes a table as well.
  ListRows(const RowTable& table);  // NOLINT(google-explicit-constructor)
  // The window's rows, or only the table rows `shown` lists (which must outlive the reader).
  explicit ListRows(const WindowModel& window, const std::vector<uint32_t>* shown = nullptr);
  // The rows and columns the list shows: column i of the reader is table column
  // (*shown.columns)[i] (empty when the table has no such column).
  explicit ListRows(const ShownList& shown);

  size_t size() const { return shown_ ? shown_->size() : count_; }
  bool empty() const { return size() == 0; }
  size_t ColumnCount() const { return shownColumns_ ? shownColumns_->size() : columns_; }
  // The table row behind row `row` of this reader.
  // (A row beyond the reader's stands for a row beyond the table: its cells are empty.)
  size_t TableRow(size_t row) const {
    if (!shown_) return row;
    return row < shown_->size() ? (*shown_)[row] : static_cast<size_t>(-1);
  }

  std::string_view Cell(size_t row, size_t column) const;
  // All cells of a row; `cells` has room for ColumnCount() views.
  void CellsOf(size_t row, std::string_view* cells) const;
  std::vector<std::string> Row(size_t row) const;

 private:
  const std::string_view* Made(size_t tableRow, std::optional<size_t> column) const;
  std::string_view TableCell(size_t tableRow, size_t column) const;
  void TableCellsOf(size_t tableRow, std::string_view* cells) const;

  const RowTable* table_ = nullptr;
  const EventIndex* events_ = nullptr;
  const RowMaker* maker_ = nullptr;
  const std::vector<uint32_t>* shown_ = nullptr;
  size_t count_ = 0;
  size_t columns_ = 0;                                // the table's columns
  std::optional<std::vector<size_t>> shownColumns_;   // the table column of each reader column
  mutable std::vector<std::string_view> tableCells_;  // a whole row, for picking shown columns
  mutable MadeRow made_;
  mutable size_t madeRow_ = static_cast<size_t>(-1);  // the table row `made_` holds, if whole
};

}  // namespace veltrix
