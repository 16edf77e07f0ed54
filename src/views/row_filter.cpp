#include "views/row_filter.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/cell_match.h"
#include "core/column_layouts.h"

namespace veltrix {

std::vector<uint32_t> FilterRows(const RowTable& rows, const std::vector<Column>& columns,
                                 const RowFilterCriteria& criteria) {
  const std::string needle = FoldedNeedle(criteria.text);
  // A criterion on a column the view lacks keeps every row: its column stays "none".
  constexpr size_t kNone = static_cast<size_t>(-1);
  const size_t columnCount = std::min(columns.size(), rows.ColumnCount());
  size_t typeColumn = kNone;
  size_t channelColumn = kNone;
  if (!criteria.type.empty()) typeColumn = ColumnNamed(columns, "Type").value_or(kNone);
  if (criteria.channel != 0) channelColumn = ColumnNamed(columns, "Ch").value_or(kNone);
  if (typeColumn >= columnCount) typeColumn = kNone;
  if (channelColumn >= columnCount) channelColumn = kNone;
  const std::string channel = std::to_string(criteria.channel);

  std::vector<std::string_view> cells(std::max<size_t>(rows.ColumnCount(), 1));
  std::vector<uint32_t> shown;
  shown.reserve(rows.size());
  for (size_t row = 0; row < rows.size(); ++row) {
    rows.CellsOf(row, cells.data());
    if (typeColumn != kNone && cells[typeColumn] != criteria.type) continue;
    if (channelColumn != kNone && Trimmed(cells[channelColumn]) != channel) continue;
    if (!needle.empty() &&
        std::none_of(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(columnCount),
                     [&](std::string_view cell) { return ContainsFolded(cell, needle); }))
      continue;
    shown.push_back(static_cast<uint32_t>(row));
  }
  return shown;
}

RowTable RowsAt(const RowTable& rows, const std::vector<uint32_t>& indices) {
  RowTable result;
  result.SetColumnCount(rows.ColumnCount());
  result.Reserve(indices.size());
  std::vector<std::string_view> cells(std::max<size_t>(rows.ColumnCount(), 1));
  for (uint32_t index : indices) {
    if (index >= rows.size()) continue;
    rows.CellsOf(index, cells.data());
    result.AddRow(cells.data(), rows.ColumnCount());
  }
  return result;
}

WindowModel WindowWithRows(const WindowModel& window, RowTable rows) {
  WindowModel shown;
  shown.caption = window.caption;
  shown.fileName = window.fileName;
  shown.columns = window.columns;
  shown.rows = std::move(rows);
  shown.listVisible = window.listVisible;
  shown.lblFilename = window.lblFilename;
  shown.lblTracks = window.lblTracks;
  shown.LblTicksPerQtrNote = window.LblTicksPerQtrNote;
  shown.lblTracklength = window.lblTracklength;
  shown.lblWarning = window.lblWarning;
  shown.statusText = window.statusText;
  shown.viewPressed = window.viewPressed;
  shown.options = window.options;
  shown.sort = window.sort;
  return shown;
}

std::string FilteredRowsText(size_t shown, size_t total) {
  return std::to_string(shown) + " of " + std::to_string(total) + " rows";
}

}  // namespace veltrix
