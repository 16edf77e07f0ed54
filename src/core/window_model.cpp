#include "core/window_model.h"

#include <algorithm>

namespace veltrix {

size_t PutCellIn(const std::string_view* cells, size_t count, size_t place, std::string_view plain,
                 std::string_view* out) {
  place = std::min(place, count);
  std::copy(cells, cells + place, out);
  out[place] = plain;
  std::copy(cells + place, cells + count, out + place + 1);
  return count + 1;
}

// Out of line on purpose: a sink that writes rows overrides it, and a body the compiler can
// see would be guessed and inlined into every row of the Time column.
void RowSink::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                               std::string_view plain, const EventRecord& record) {
  std::vector<std::string_view> row(count + 1);
  Row(row.data(), PutCellIn(cells, count, place, plain, row.data()), record);
}

void WindowRows::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                  std::string_view plain, const EventRecord& record) {
  // The cells of a listing's row fit on the stack: no allocation per row.
  std::array<std::string_view, 16> row;
  if (count + 1 > row.size()) return RowSink::RowWithPlainCell(cells, count, place, plain, record);
  window_.AddEventRow(row.data(), PutCellIn(cells, count, place, plain, row.data()), record);
}

}  // namespace veltrix
