#pragma once

#include <cstdint>
#include <vector>

#include "core/shown_list.h"
#include "core/window_model.h"

namespace veltrix {

// What the list shows of `window`: the table rows `rows` (nullptr for all) and the columns
// whose entry in `shown` is true (a column past the end of `shown` stays), so Copy, Print
// and Export write the rows and columns the list shows. With every column shown the list
// has no column map and reads the window's columns as they are.
ShownList ShownListOf(const WindowModel& window, const std::vector<uint32_t>* rows,
                      const std::vector<bool>& shown);

}  // namespace veltrix
