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

}  // namespace veltrix
