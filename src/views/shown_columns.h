#pragma once

#include <vector>

#include "core/window_model.h"

namespace veltrix {

// Drops from `window` the columns whose entry in `shown` is false (a column past the end of
// `shown` stays), cells and headers alike, so Copy, Print and Export write the columns the
// list shows. A sort by a dropped column is forgotten; one by a kept column follows it.
void KeepShownColumns(WindowModel& window, const std::vector<bool>& shown);

}  // namespace veltrix
