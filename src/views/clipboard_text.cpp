#include "views/clipboard_text.h"

#include <algorithm>
#include <string_view>

#include "core/list_rows.h"

namespace veltrix {

std::string ListCopyText(const ShownList& shown, const std::vector<bool>& selectedRows,
                         bool includeHeaders, int32_t firstColumn, int32_t& lastColumn,
                         bool copyAll, int32_t& copiedRows) {
  const std::vector<Column> headers = shown.Columns();
  const int32_t columns = static_cast<int32_t>(headers.size());
  if (lastColumn == -1) lastColumn = columns;
  std::string text;
  if (includeHeaders) {
    for (int32_t c = std::max(firstColumn, 1); c <= std::min(lastColumn, columns); ++c)
      text.append(headers[static_cast<size_t>(c - 1)].header).push_back('\t');
    text.append("\r\n");
  }
  copiedRows = 0;
  const ListRows listed(shown);
  const size_t rows = listed.size();
  std::vector<std::string_view> cells(listed.ColumnCount());
  for (size_t r = 0; r < rows; ++r) {
    if (!copyAll && (r >= selectedRows.size() || !selectedRows[r])) continue;
    listed.CellsOf(r, cells.data());
    text.append(cells.empty() ? std::string_view() : cells[0]);
    for (int32_t c = std::max(firstColumn, 1); c <= lastColumn - 1; ++c)
      text.append("\t").append(static_cast<size_t>(c) < cells.size() ? cells[static_cast<size_t>(c)]
                                                                     : std::string_view());
    text.append("\r\n");
    ++copiedRows;
  }
  return text;
}

}  // namespace veltrix
