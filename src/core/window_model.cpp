#include "core/window_model.h"

#include <algorithm>

namespace veltrix {

// Out of line on purpose: a sink that writes rows overrides it, and a body the compiler can
// see would be guessed and inlined into every row of the Time column.
void RowSink::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                               std::string_view plain, const EventRecord& record) {
  std::vector<std::string_view> row(cells, cells + count);
  row.insert(row.begin() + static_cast<std::ptrdiff_t>(std::min(place, count)), plain);
  Row(row.data(), row.size(), record);
}

void WindowRows::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                  std::string_view plain, const EventRecord& record) {
  // The cells of a listing's row fit on the stack: no allocation per row.
  std::array<std::string_view, 16> row;
  if (count + 1 > row.size()) return RowSink::RowWithPlainCell(cells, count, place, plain, record);
  place = std::min(place, count);
  std::copy(cells, cells + place, row.begin());
  row[place] = plain;
  std::copy(cells + place, cells + count, row.begin() + static_cast<std::ptrdiff_t>(place) + 1);
  window_.AddEventRow(row.data(), count + 1, record);
}

}  // namespace veltrix
