#include "views/shown_columns.h"

#include <optional>
#include <utility>

#include "core/list_rows.h"

namespace veltrix {

ShownList ShownListOf(const WindowModel& window, const std::vector<uint32_t>* rows,
                      const std::vector<bool>& shown) {
  const size_t count = ListRows(window).ColumnCount();
  std::vector<size_t> kept;
  for (size_t column = 0; column < count; ++column)
    if (column >= shown.size() || shown[column]) kept.push_back(column);
  if (kept.size() == count) return ShownList(window, rows, std::nullopt);
  return ShownList(window, rows, std::move(kept));
}

}  // namespace veltrix
