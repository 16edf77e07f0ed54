#include "views/row_filter.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/ascii_case.h"

namespace veltrix {

namespace {

std::optional<size_t> ColumnIndex(const std::vector<Column>& columns, std::string_view header) {
  for (size_t c = 0; c < columns.size(); ++c)
    if (columns[c].header == header) return c;
  return std::nullopt;
}

// Finds a lower-case needle in a cell, folding the cell's ASCII letters as it goes.
bool ContainsFolded(std::string_view cell, std::string_view lowerNeedle) {
  if (lowerNeedle.size() > cell.size()) return false;
  const auto first = static_cast<unsigned char>(lowerNeedle[0]);
  const size_t lastStart = cell.size() - lowerNeedle.size();
  for (size_t start = 0; start <= lastStart; ++start) {
    if (kAsciiLower[static_cast<unsigned char>(cell[start])] != first) continue;
    size_t i = 1;
    while (i < lowerNeedle.size() && kAsciiLower[static_cast<unsigned char>(cell[start + i])] ==
                                         static_cast<unsigned char>(lowerNeedle[i]))
      ++i;
    if (i == lowerNeedle.size()) return true;
  }
  return false;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<uint32_t> FilterRows(const RowTable& rows, const std::vector<Column>& columns,
                                 const RowFilterCriteria& criteria) {
  std::string needle = criteria.text;
  for (char& c : needle) c = static_cast<char>(kAsciiLower[static_cast<unsigned char>(c)]);
  // A criterion on a column the view lacks keeps every row: its column stays "none".
  constexpr size_t kNone = static_cast<size_t>(-1);
  const size_t columnCount = std::min(columns.size(), rows.ColumnCount());
  size_t typeColumn = kNone;
  size_t channelColumn = kNone;
  if (!criteria.type.empty()) typeColumn = ColumnIndex(columns, "Type").value_or(kNone);
  if (criteria.channel != 0) channelColumn = ColumnIndex(columns, "Ch").value_or(kNone);
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
