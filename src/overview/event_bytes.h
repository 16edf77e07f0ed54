#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/event_index.h"
#include "core/file_image.h"

namespace veltrix::overview {

// An event's bytes as the walk's record places them in the listed image.
struct EventBytes {
  uint8_t status = 0;    // the record's status (the running status for an event without one)
  uint8_t metaType = 0;  // for 0xFF
  // The data: a channel event's one or two data bytes; a meta event's or a system-exclusive
  // message's bytes behind its length (the F7 of a complete message included), within the
  // image.
  std::span<const uint8_t> data;
};

// Reads the event of `record` from `image`, bounds-checked: nothing for a record whose bytes
// the image lacks or that holds no event.
std::optional<EventBytes> ReadEvent(const FileImage& image, const EventRecord& record);

}  // namespace veltrix::overview
