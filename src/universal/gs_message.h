#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "universal/message_bytes.h"

namespace veltrix::universal {

// The checksum of a GS data set (41 dd 42 12 <address: 3 bytes> <data> <checksum>): where it
// stands in the message (counted from the byte after F0), the byte found there and the one the
// address and data call for (the two's complement of their sum, seven bits).
struct GsChecksum {
  size_t at = 0;
  uint8_t found = 0;
  uint8_t expected = 0;
  bool Right() const { return found == expected; }
};
// Nothing when the message is no GS data set with at least one data byte.
std::optional<GsChecksum> GsDataSetChecksum(const MessageBytes& message);

// True for a GS data request (41 dd 42 11 ...), which asks a device to send data back.
bool IsGsDataRequest(const MessageBytes& message);

}  // namespace veltrix::universal
