#include "universal/sysex_event.h"

#include <algorithm>

namespace veltrix::universal {

namespace {

// Steps over a variable-length number from `at`; false when it runs past the bytes or is longer
// than four bytes.
bool SkipVarLen(std::span<const uint8_t> bytes, size_t& at, uint32_t& value) {
  value = 0;
  for (int count = 0; count < 4 && at < bytes.size(); ++count) {
    const uint8_t byte = bytes[at++];
    value = (value << 7) | (byte & 0x7F);
    if (byte < 0x80) return true;
  }
  return false;
}

}  // namespace

std::optional<std::span<const uint8_t>> SysexMessageOfEvent(std::span<const uint8_t> event) {
  size_t at = 0;
  uint32_t value = 0;
  if (!SkipVarLen(event, at, value) || at >= event.size() || event[at] != 0xF0) return std::nullopt;
  ++at;
  if (!SkipVarLen(event, at, value)) return std::nullopt;
  return event.subspan(at, std::min<size_t>(value, event.size() - at));
}

}  // namespace veltrix::universal
