#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/window_model.h"

namespace veltrix {

// What the list shows of a window: the table rows a filter keeps and the table columns that
// are not hidden. Copy, Print and Export read the window through it (with a ListRows), so
// a filtered list is written without a copy of its rows. The window and the row indices
// must outlive it.
struct ShownList {
  // Every row and every column, as the window has them.
  ShownList(const WindowModel& shownWindow)  // NOLINT(google-explicit-constructor)
      : window(shownWindow) {}
  ShownList(const WindowModel& shownWindow, const std::vector<uint32_t>* shownRows,
            std::optional<std::vector<size_t>> shownColumns)
      : window(shownWindow), rows(shownRows), columns(std::move(shownColumns)) {}

  const WindowModel& window;
  // The table rows shown, in list order; nullptr for every row.
  const std::vector<uint32_t>* rows = nullptr;
  // The table columns shown, in order: column i of the list is table column (*columns)[i].
  // Nothing for every column.
  std::optional<std::vector<size_t>> columns;

  // The shown columns' headers, widths and alignments.
  std::vector<Column> Columns() const;
  // The sort setting on the shown columns: a sort by a hidden column is forgotten, one by a
  // shown column follows it to its place.
  ListSort Sort() const;
};

}  // namespace veltrix
