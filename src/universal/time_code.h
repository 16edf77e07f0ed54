#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "universal/message_bytes.h"

namespace veltrix::universal {

// The time code of four bytes from `at` (hours with the frame rate in bits 5 and 6, minutes,
// seconds, frames) as "hh:mm:ss:ff (rate)". Nothing when a byte is missing or out of range.
std::optional<std::string> TimeCodeText(const MessageBytes& message, size_t at);

}  // namespace veltrix::universal
