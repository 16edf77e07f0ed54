#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix {

// The rows of the list, stored compactly: all cell texts back to back in one buffer and the
// end offset of each cell. A million-event listing holds about 100 bytes a row this way
// instead of six separately allocated strings.
class RowTable {
 public:
  void Clear();
  void SetColumnCount(size_t columns);
  size_t ColumnCount() const { return columns_; }
  size_t size() const { return columns_ == 0 ? 0 : ends_.size() / columns_; }
  bool empty() const { return ends_.empty(); }

  // Adds a row; missing cells are empty, surplus cells are dropped.
  void AddRow(std::initializer_list<std::string_view> cells);
  void AddRow(const std::vector<std::string>& cells);
  std::string_view Cell(size_t row, size_t column) const;
  std::vector<std::string> Row(size_t row) const;
  // Reorders the rows: row i of the result is row order[i] of the table.
  void Permute(const std::vector<uint32_t>& order);
  void Reserve(size_t rows, size_t textBytes);

 private:
  void AppendCell(std::string_view text);
  size_t columns_ = 0;
  std::string text_;
  std::vector<uint32_t> ends_;
};

}  // namespace veltrix
