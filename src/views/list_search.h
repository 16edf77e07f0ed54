#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/list_rows.h"

namespace veltrix {

// Exact Match: the first row from `startRow` (1-based) whose first cell begins with the text,
// letter case ignored; when none, the first row from there whose other cells do. Returns the
// 1-based row of the hit. A start row beyond the last row is "Subscript out of range".
std::optional<int32_t> FindItemBeginningWith(const ListRows& rows, std::string_view text,
                                             int32_t startRow);

// Partial Match: the first row from `startRow` (1-based) with a cell containing the text,
// letter case ignored. An empty text matches the start row.
std::optional<int32_t> FindRowContaining(const ListRows& rows, std::string_view text,
                                         int32_t startRow);

// The text a search shows when Exact Match finds nothing.
inline constexpr const char* kNoMatchMessage = " No Match Found";

}  // namespace veltrix
