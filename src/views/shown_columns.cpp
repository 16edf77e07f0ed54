#include "views/shown_columns.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/list_rows.h"

namespace veltrix {

void KeepShownColumns(WindowModel& window, const std::vector<bool>& shown) {
  const ListRows listed(window);
  const size_t count = listed.ColumnCount();
  std::vector<size_t> kept;
  for (size_t column = 0; column < count; ++column)
    if (column >= shown.size() || shown[column]) kept.push_back(column);
  if (kept.size() == count) return;

  RowTable rows;
  rows.SetColumnCount(kept.size());
  rows.Reserve(listed.size());
  std::vector<std::string_view> cells(count);
  std::vector<std::string_view> keptCells(std::max<size_t>(kept.size(), 1));
  for (size_t row = 0; row < listed.size(); ++row) {
    listed.CellsOf(row, cells.data());
    for (size_t i = 0; i < kept.size(); ++i) keptCells[i] = cells[kept[i]];
    rows.AddRow(keptCells.data(), kept.size());
  }
  window.rows = std::move(rows);
  window.rowMaker.reset();

  std::vector<Column> columns;
  std::optional<size_t> sortKey;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (kept[i] < window.columns.size()) columns.push_back(window.columns[kept[i]]);
    if (kept[i] == window.sort.key) sortKey = i;
  }
  window.columns = std::move(columns);
  if (sortKey) {
    window.sort.key = *sortKey;
  } else {
    window.sort.sorted = false;
    window.sort.key = 0;
  }
}

}  // namespace veltrix
