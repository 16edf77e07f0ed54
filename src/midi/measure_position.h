#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/event_index.h"

namespace veltrix {

// Room PositionText needs.
inline constexpr size_t kPositionTextRoom = 64;

// The Measure:Beat:Tick text of `ticks` on the grid, " 3:02:120", written to `out` (room for
// kPositionTextRoom characters). Throws when the grid's numbers overflow the text's.
size_t PositionText(char* out, int32_t ticks, const MeasureState& measure);

// True when PositionText cannot fail for any tick on this grid: a beat has at least one tick
// and a measure's beats fit the Measure column's beat number.
bool PositionNeverFails(const MeasureState& measure);

// The Measure text before a walk has met a time signature.
inline constexpr std::string_view kNoGridPosition = "1:01:000";

}  // namespace veltrix
