#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "check/finding.h"

namespace veltrix::check {

// The findings of one system-exclusive message: a GS data set whose checksum is wrong
// (sysex-checksum, at the checksum byte) and a request for data (sysex-data-request), which
// does nothing when played from a file, at the event. `message` is the event's data after its
// length, `messageOffset` the file offset of its first byte and `eventOffset` that of the event.
// Track and tick are left to the caller.
std::vector<Finding> SysexFindings(std::span<const uint8_t> message, size_t messageOffset,
                                   size_t eventOffset);

}  // namespace veltrix::check
