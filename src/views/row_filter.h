#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/row_table.h"
#include "core/window_model.h"

namespace veltrix {

// What the filter bar keeps: rows with a cell containing `text` (ASCII letter case ignored),
// whose "Type" cell is `type` and whose "Ch" cell is `channel`. An empty text or type and a
// channel of 0 keep every row; a type or channel asked of a view without that column too.
struct RowFilterCriteria {
  std::string text;
  std::string type;
  int channel = 0;  // 1 to 16, 0 for any

  bool Active() const { return !text.empty() || !type.empty() || channel != 0; }
  bool operator==(const RowFilterCriteria&) const = default;
};

// The quick choices for the "Type" column, as the Midi view writes them.
inline constexpr std::array<const char*, 3> kFilterTypes = {"Metadata", "Sysex Command",
                                                            "Midi Event"};

// The indices of the rows the criteria keep, in table order.
std::vector<uint32_t> FilterRows(const RowTable& rows, const std::vector<Column>& columns,
                                 const RowFilterCriteria& criteria);

// A table of the given rows of `rows`, in the given order.
RowTable RowsAt(const RowTable& rows, const std::vector<uint32_t>& indices);

// A window model showing `rows` in place of the window's rows: everything else (columns,
// file name, labels, options) as the window has it.
WindowModel WindowWithRows(const WindowModel& window, RowTable rows);

// "N of M rows", for the status bar while a filter hides rows.
std::string FilteredRowsText(size_t shown, size_t total);

}  // namespace veltrix
