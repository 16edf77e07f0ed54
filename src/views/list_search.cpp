#include "views/list_search.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/ascii_case.h"
#include "core/cell_match.h"
#include "core/failure.h"

namespace veltrix {

namespace {

constexpr const auto& kUpper = kAsciiUpper;

bool BeginsWithIgnoringCase(std::string_view cell, std::string_view text) {
  if (cell.size() < text.size()) return false;
  for (size_t i = 0; i < text.size(); ++i)
    if (kUpper[static_cast<unsigned char>(cell[i])] != kUpper[static_cast<unsigned char>(text[i])])
      return false;
  return true;
}

}  // namespace

std::optional<int32_t> FindItemBeginningWith(const ListRows& rows, std::string_view text,
                                             int32_t startRow) {
  const int64_t count = static_cast<int64_t>(rows.size());
  if (startRow < 1 || startRow > count) Raise(kSubscriptOutOfRange);
  for (int64_t r = startRow - 1; r < count; ++r)
    if (BeginsWithIgnoringCase(rows.Cell(static_cast<size_t>(r), 0), text))
      return static_cast<int32_t>(r + 1);
  for (int64_t r = startRow - 1; r < count; ++r)
    for (size_t c = 1; c < rows.ColumnCount(); ++c)
      if (BeginsWithIgnoringCase(rows.Cell(static_cast<size_t>(r), c), text))
        return static_cast<int32_t>(r + 1);
  return std::nullopt;
}

std::optional<int32_t> FindRowContaining(const ListRows& rows, std::string_view text,
                                         int32_t startRow) {
  const std::string needle = FoldedNeedle(text);
  const int64_t count = static_cast<int64_t>(rows.size());
  std::vector<std::string_view> cells(rows.ColumnCount());
  for (int64_t r = std::max<int64_t>(startRow, 1) - 1; r < count; ++r) {
    rows.CellsOf(static_cast<size_t>(r), cells.data());
    for (std::string_view cell : cells)
      if (ContainsFolded(cell, needle)) return static_cast<int32_t>(r + 1);
  }
  return std::nullopt;
}

}  // namespace veltrix
