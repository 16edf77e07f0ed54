#include "core/row_maker.h"

#include <algorithm>
#include <cstddef>

namespace veltrix {

void MadeRow::Insert(size_t place, std::string_view cell) {
  place = std::min(place, spans_.size());
  spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(place), {text_.size(), cell.size()});
  text_.append(cell);
}

const std::string_view* MadeRow::Cells(size_t columns) {
  cells_.assign(std::max(columns, spans_.size()), std::string_view());
  for (size_t cell = 0; cell < spans_.size(); ++cell)
    cells_[cell] = std::string_view(text_).substr(spans_[cell].begin, spans_[cell].length);
  return cells_.data();
}

}  // namespace veltrix
