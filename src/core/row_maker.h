#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/event_index.h"

namespace veltrix {

// The cells of one row made on demand: their texts back to back in `text`, and views into it.
class MadeRow {
 public:
  void Clear() {
    text_.clear();
    spans_.clear();
  }
  // Appends the next cell.
  void Add(std::string_view cell) {
    spans_.push_back({text_.size(), cell.size()});
    text_.append(cell);
  }
  // Puts `cell` in before cell `place` (after the last cell when there are fewer).
  void Insert(size_t place, std::string_view cell);
  // Views of the cells added since Clear(), `columns` of them (missing ones empty).
  const std::string_view* Cells(size_t columns);

 private:
  struct Span {
    size_t begin;
    size_t length;
  };
  std::string text_;
  std::vector<Span> spans_;
  std::vector<std::string_view> cells_;
};

// Makes the cells of a listing's row from what its walk recorded of the event and from the
// file image, when they are asked for: the rows of a large file are never all kept as text.
// A maker is used from one thread at a time.
class RowMaker {
 public:
  virtual ~RowMaker() = default;
  virtual size_t ColumnCount() const = 0;
  // The cells of the row of `record`, added to `row` (cleared first).
  virtual void Make(const EventRecord& record, MadeRow& row) const = 0;
  // Only cell `column` is needed (a sort by one column); the other cells may be left empty.
  // Makers that can make a cell alone cheaply override it. True when every cell was made.
  virtual bool MakeCell(const EventRecord& record, size_t column, MadeRow& row) const {
    (void)column;
    Make(record, row);
    return true;
  }
};

}  // namespace veltrix
