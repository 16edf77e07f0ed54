#include "core/row_table.h"

#include <limits>

#include "core/failure.h"

namespace veltrix {

void RowTable::Clear() {
  text_.clear();
  ends_.clear();
}

void RowTable::SetColumnCount(size_t columns) {
  Clear();
  columns_ = columns;
}

void RowTable::Reserve(size_t rows, size_t textBytes) {
  ends_.reserve(rows * columns_);
  text_.reserve(textBytes);
}

void RowTable::AppendCell(std::string_view text) {
  if (text_.size() + text.size() > std::numeric_limits<uint32_t>::max()) Raise(kOutOfMemory);
  text_.append(text);
  ends_.push_back(static_cast<uint32_t>(text_.size()));
}

void RowTable::AddRow(std::initializer_list<std::string_view> cells) {
  size_t added = 0;
  for (std::string_view cell : cells) {
    if (added == columns_) break;
    AppendCell(cell);
    ++added;
  }
  for (; added < columns_; ++added) AppendCell({});
}

void RowTable::AddRow(const std::vector<std::string>& cells) {
  size_t added = 0;
  for (const std::string& cell : cells) {
    if (added == columns_) break;
    AppendCell(cell);
    ++added;
  }
  for (; added < columns_; ++added) AppendCell({});
}

std::string_view RowTable::Cell(size_t row, size_t column) const {
  if (column >= columns_ || row >= size()) return {};
  size_t index = row * columns_ + column;
  uint32_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(begin, ends_[index] - begin);
}

std::vector<std::string> RowTable::Row(size_t row) const {
  std::vector<std::string> cells;
  for (size_t c = 0; c < columns_; ++c) cells.emplace_back(Cell(row, c));
  return cells;
}

void RowTable::Permute(const std::vector<uint32_t>& order) {
  RowTable sorted;
  sorted.columns_ = columns_;
  sorted.Reserve(size(), text_.size());
  for (uint32_t source : order)
    for (size_t c = 0; c < columns_; ++c) sorted.AppendCell(Cell(source, c));
  *this = std::move(sorted);
}

}  // namespace veltrix
