#include "core/list_rows.h"

#include <algorithm>
#include <optional>

namespace veltrix {

ListRows::ListRows(const RowTable& table)
    : table_(&table), count_(table.size()), columns_(table.ColumnCount()) {}

ListRows::ListRows(const WindowModel& window, const std::vector<uint32_t>* shown)
    : table_(&window.rows), shown_(shown) {
  if (window.rowMaker) {
    events_ = &window.events;
    maker_ = window.rowMaker.get();
    count_ = window.events.size();
    columns_ = maker_->ColumnCount();
  } else {
    count_ = window.rows.size();
    columns_ = window.rows.ColumnCount();
  }
}

ListRows::ListRows(const ShownList& shown) : ListRows(shown.window, shown.rows) {
  shownColumns_ = shown.columns;
  if (shownColumns_) tableCells_.resize(columns_);
}

const std::string_view* ListRows::Made(size_t tableRow, std::optional<size_t> column) const {
  const std::optional<EventRecord> record = events_->Of(tableRow);
  made_.Clear();
  madeRow_ = static_cast<size_t>(-1);
  if (!record) return made_.Cells(columns_);
  if (!column || maker_->MakeCell(*record, *column, made_)) {
    if (!column) maker_->Make(*record, made_);
    madeRow_ = tableRow;
  }
  return made_.Cells(columns_);
}

std::string_view ListRows::TableCell(size_t tableRow, size_t column) const {
  if (!maker_) return table_->Cell(tableRow, column);
  if (column >= columns_) return {};
  if (madeRow_ == tableRow) return made_.Cells(columns_)[column];
  return Made(tableRow, column)[column];
}

void ListRows::TableCellsOf(size_t tableRow, std::string_view* cells) const {
  if (!maker_) return table_->CellsOf(tableRow, cells);
  const std::string_view* made = madeRow_ == tableRow ? made_.Cells(columns_) : Made(tableRow, {});
  std::copy(made, made + columns_, cells);
}

std::string_view ListRows::Cell(size_t row, size_t column) const {
  if (shownColumns_) {
    if (column >= shownColumns_->size()) return {};
    column = (*shownColumns_)[column];
  }
  return TableCell(TableRow(row), column);
}

void ListRows::CellsOf(size_t row, std::string_view* cells) const {
  if (!shownColumns_) return TableCellsOf(TableRow(row), cells);
  TableCellsOf(TableRow(row), tableCells_.data());
  for (size_t column : *shownColumns_)
    *cells++ = column < columns_ ? tableCells_[column] : std::string_view();
}

std::vector<std::string> ListRows::Row(size_t row) const {
  std::vector<std::string_view> cells(ColumnCount());
  CellsOf(row, cells.data());
  return {cells.begin(), cells.end()};
}

}  // namespace veltrix
