#include "views/row_filter.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/cell_match.h"
#include "core/column_layouts.h"

namespace veltrix {

std::vector<uint32_t> FilterRows(const ListRows& rows, const std::vector<Column>& columns,
                                 const RowFilterCriteria& criteria, const RowEvents* events) {
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
  const bool byCells = typeColumn != kNone || channelColumn != kNone || !needle.empty();
  const bool byEvents =
      criteria.events.Active() && events != nullptr && events->index.size() == rows.size();
  const bool invert = criteria.invert && criteria.Active();

  auto keptByCells = [&](const std::string_view* cells) {
    if (typeColumn != kNone && cells[typeColumn] != criteria.type) return false;
    if (channelColumn != kNone && Trimmed(cells[channelColumn]) != channel) return false;
    return needle.empty() || std::any_of(cells, cells + columnCount, [&](std::string_view cell) {
             return ContainsFolded(cell, needle);
           });
  };

  std::vector<std::string_view> cells(std::max<size_t>(rows.ColumnCount(), 1));
  std::vector<uint32_t> shown;
  shown.reserve(rows.size());
  for (size_t row = 0; row < rows.size(); ++row) {
    bool kept = !byEvents || criteria.events.Keeps(FactsOf(*events->index.Of(row), events->image));
    if (kept && byCells) {
      rows.CellsOf(row, cells.data());
      kept = keptByCells(cells.data());
    }
    if (kept != invert) shown.push_back(static_cast<uint32_t>(row));
  }
  return shown;
}

RowTable RowsAt(const ListRows& rows, const std::vector<uint32_t>& indices) {
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

std::string FilteredRowsText(size_t shown, size_t total) {
  return std::to_string(shown) + " of " + std::to_string(total) + " rows";
}

}  // namespace veltrix
