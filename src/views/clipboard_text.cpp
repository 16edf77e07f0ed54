#include "views/clipboard_text.h"

#include <algorithm>

namespace veltrix {

std::string ListCopyText(const WindowModel& window, const std::vector<bool>& selectedRows,
                         bool includeHeaders, int32_t firstColumn, int32_t& lastColumn,
                         bool copyAll, int32_t& copiedRows) {
  const int32_t columns = static_cast<int32_t>(window.columns.size());
  if (lastColumn == -1) lastColumn = columns;
  std::string text;
  if (includeHeaders) {
    for (int32_t c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns); ++c)
      text.append(window.columns[static_cast<size_t>(c - 1)].header).push_back('\t');
    text.append("\r\n");
  }
  copiedRows = 0;
  const size_t rows = window.rows.size();
  for (size_t r = 0; r < rows; ++r) {
    if (!copyAll && (r >= selectedRows.size() || !selectedRows[r])) continue;
    text.append(window.rows.Cell(r, 0));
    for (int32_t c = std::max(firstColumn, 1); c <= lastColumn - 1; ++c)
      text.append("\t").append(window.rows.Cell(r, static_cast<size_t>(c)));
    text.append("\r\n");
    ++copiedRows;
  }
  return text;
}

}  // namespace veltrix
