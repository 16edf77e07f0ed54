#pragma once

#include <cstddef>
#include <optional>

#include "check/finding.h"
#include "core/event_index.h"

namespace veltrix {

// The row of the listed event a finding is about, from the listing's event index (rows in
// the list's order). When the listing is the file itself, the event whose bytes hold the
// finding's offset, or the next event for a byte between two. When it is the merged copy of a
// format-1 or 2 file, whose offsets are not the file's, the first listed event at the finding's
// tick, or else the first after it. Nothing for a finding outside the events (the header, a style
// section) or past the last.
std::optional<size_t> RowOfFinding(const EventIndex& index, const check::Finding& finding,
                                   bool mergedCopy);

}  // namespace veltrix
