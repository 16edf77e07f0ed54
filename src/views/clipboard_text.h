#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/shown_list.h"

namespace veltrix {

// The text the Copy command puts on the clipboard from the list as it shows: an optional
// header line (each header followed by a TAB), then one line per copied row (the first cell,
// then TAB and cell c for c = firstColumn .. lastColumn - 1), every line ended by CR LF.
// `lastColumn` -1 stands for the last column and is replaced by the column count. Rows are
// copied when `copyAll` is true or their 0-based index is in `selectedRows` (in list order).
// `copiedRows` receives the count.
std::string ListCopyText(const ShownList& shown, const std::vector<bool>& selectedRows,
                         bool includeHeaders, int32_t firstColumn, int32_t& lastColumn,
                         bool copyAll, int32_t& copiedRows);

inline constexpr const char* kCopyCompleted = "Copy completed";

}  // namespace veltrix
