#include "app/column_fit.h"

#include "app/display_text.h"

#include <QString>
#include "core/list_rows.h"
#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

namespace veltrix::app {

namespace {

int TextWidth(const QFontMetrics& metrics, std::string_view text) {
  text = text.substr(0, kFitMeasuredBytes);
  return metrics.horizontalAdvance(DisplayText(text));
}

// Rows made when shown are measured on this many rows spread over the list, at most: making
// every row of a large file to size its columns would take as long as listing it as text.
constexpr size_t kFitSampledMadeRows = 20000;

// For each column, the rows whose cells are the longest, by byte count: one cheap pass over
// the table (or a sample of rows made when shown) that needs no text layout.
std::vector<std::vector<size_t>> LongestRows(const WindowModel& window, size_t columns) {
  using Entry = std::pair<size_t, size_t>;  // length, row
  using Heap = std::priority_queue<Entry, std::vector<Entry>, std::greater<>>;
  const ListRows rows(window);
  const size_t step = window.rowMaker ? std::max<size_t>(1, rows.size() / kFitSampledMadeRows) : 1;
  std::vector<Heap> longest(columns);
  std::vector<std::string_view> cells(rows.ColumnCount());
  for (size_t row = 0; row < rows.size(); row += step) {
    rows.CellsOf(row, cells.data());
    for (size_t column = 0; column < columns && column < cells.size(); ++column) {
      Heap& heap = longest[column];
      const size_t length = cells[column].size();
      if (heap.size() < kFitLongestPerColumn) {
        heap.emplace(length, row);
      } else if (length > heap.top().first) {
        heap.pop();
        heap.emplace(length, row);
      }
    }
  }
  std::vector<std::vector<size_t>> result(columns);
  for (size_t column = 0; column < columns; ++column)
    for (Heap& heap = longest[column]; !heap.empty(); heap.pop())
      result[column].push_back(heap.top().second);
  return result;
}

}  // namespace

std::vector<int> FitColumnWidths(const WindowModel& window, const FitMetrics& metrics,
                                 bool fitHeader) {
  const ListRows rows(window);
  const size_t rowCount = rows.size();
  std::vector<size_t> edgeRows;
  for (size_t row = 0; row < std::min(rowCount, kFitEdgeRows); ++row) edgeRows.push_back(row);
  for (size_t row = std::max(kFitEdgeRows, rowCount > kFitEdgeRows ? rowCount - kFitEdgeRows : 0);
       row < rowCount; ++row)
    edgeRows.push_back(row);

  std::vector<std::vector<size_t>> longest;
  if (rowCount > edgeRows.size()) longest = LongestRows(window, window.columns.size());

  std::vector<int> widths;
  for (size_t column = 0; column < window.columns.size(); ++column) {
    int width = 0;
    auto measure = [&](size_t row) {
      width = std::max(width, TextWidth(metrics.cells, rows.Cell(row, column)));
    };
    for (size_t row : edgeRows) measure(row);
    if (column < longest.size())
      for (size_t row : longest[column]) measure(row);
    width += metrics.cellPadding;
    if (fitHeader)
      width = std::max(
          width, TextWidth(metrics.header, window.columns[column].header) + metrics.headerPadding);
    widths.push_back(width);
  }
  return widths;
}

}  // namespace veltrix::app
