#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace veltrix::universal {

// The bytes after F0 and its length of a system-exclusive event, given the event's bytes from
// its delta time to its last byte (as the event index keeps them). Nothing when the event is
// not an F0 event; the bytes are cut at the event's end when its length runs past it.
std::optional<std::span<const uint8_t>> SysexMessageOfEvent(std::span<const uint8_t> event);

}  // namespace veltrix::universal
