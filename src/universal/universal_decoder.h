#pragma once

#include <optional>
#include <string>

#include "universal/message_bytes.h"

namespace veltrix::universal {

// One line of text for a universal non-real-time (7E), universal real-time (7F) or GS (41 .. 42)
// message, given as the bytes after its F0. Nothing when the message is none this decodes, or
// is too short or out of range for its fields: such a message reads as it does undecoded.
std::optional<std::string> DecodeUniversal(const MessageBytes& message);

std::optional<std::string> DecodeNonRealTime(const MessageBytes& message);
std::optional<std::string> DecodeRealTime(const MessageBytes& message);
std::optional<std::string> DecodeGs(const MessageBytes& message);

// A single-note tuning change whose note count stands at `countAt`, the changes after it:
// "program 2, note 69 = 69 +50.00 cents". Shared by the real-time and the banked form.
std::optional<std::string> NoteTuningChanges(const MessageBytes& message, size_t countAt);

}  // namespace veltrix::universal
