#include "core/shown_list.h"

namespace veltrix {

std::vector<Column> ShownList::Columns() const {
  if (!columns) return window.columns;
  std::vector<Column> shown;
  shown.reserve(columns->size());
  for (size_t column : *columns)
    if (column < window.columns.size()) shown.push_back(window.columns[column]);
  return shown;
}

ListSort ShownList::Sort() const {
  if (!columns) return window.sort;
  ListSort sort = window.sort;
  for (size_t i = 0; i < columns->size(); ++i)
    if ((*columns)[i] == window.sort.key) {
      sort.key = i;
      return sort;
    }
  sort.sorted = false;
  sort.key = 0;
  return sort;
}

}  // namespace veltrix
