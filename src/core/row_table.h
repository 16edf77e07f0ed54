#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix {

// The rows of the list, stored compactly: each row is its cells back to back, each cell a
// length prefix and its bytes, in large blocks that are never moved. A row is found by one
// 64-bit reference, so a million-event listing holds about 75 bytes a row, and reordering
// the rows (sorting) only reorders the references.
class RowTable {
 public:
  RowTable() = default;
  RowTable(const RowTable& other);
  RowTable& operator=(const RowTable& other);
  RowTable(RowTable&&) noexcept = default;
  RowTable& operator=(RowTable&&) noexcept = default;

  void Clear();
  void SetColumnCount(size_t columns);
  size_t ColumnCount() const { return columns_; }
  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }

  // Adds a row; missing cells are empty, surplus cells are dropped.
  void AddRow(std::initializer_list<std::string_view> cells);
  void AddRow(const std::vector<std::string>& cells);
  void AddRow(const std::string_view* cells, size_t count);
  std::string_view Cell(size_t row, size_t column) const;
  // All cells of a row in one pass; `cells` has room for ColumnCount() views.
  void CellsOf(size_t row, std::string_view* cells) const;
  std::vector<std::string> Row(size_t row) const;
  // Reorders the rows: row i of the result is row order[i] of the table.
  void Permute(const std::vector<uint32_t>& order);
  void Reserve(size_t rows) { rows_.reserve(rows); }

 private:
  struct BlockDeleter {
    void operator()(char* memory) const { std::free(memory); }
  };
  static std::unique_ptr<char[], BlockDeleter> NewBlock(size_t bytes);
  struct Block {
    std::unique_ptr<char[], BlockDeleter> data;
    size_t capacity = 0;
    size_t used = 0;
  };
  char* Allocate(size_t bytes, uint64_t& reference);

  size_t columns_ = 0;
  std::vector<Block> blocks_;
  std::vector<uint64_t> rows_;  // block index << 32 | offset in the block
};

}  // namespace veltrix
