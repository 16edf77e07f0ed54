#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "universal/message_bytes.h"

namespace veltrix::universal {

// The standard a system-exclusive message belongs to, and the resets that name the standard a
// file is written for.
enum class MessageFamily : uint8_t {
  Other,                 // none of the below
  Gm1SystemOn,           // 7E dd 09 01
  Gm2SystemOn,           // 7E dd 09 03
  GmSystemOff,           // 7E dd 09 02
  GsReset,               // a GS data set of 00 to 40 00 7F with the right checksum
  XgSystemOn,            // 43 1n 4C 00 00 7E 00
  UniversalNonRealTime,  // any other 7E message
  UniversalRealTime,     // any 7F message
  Gs,                    // any other GS message (41 dd 42)
  Xg,                    // any other XG message (43 xn 4C)
};

// The family of a message, given as the bytes after its F0. Qt-free and cheap: a few byte
// compares, for counting the messages of a whole file.
MessageFamily FamilyOf(const MessageBytes& message);
// "GM System On", "GS Reset", "Universal Real Time", "Other", ...
std::string_view FamilyName(MessageFamily family);

// The name of a message that asks a device to send data back ("GS data request", "identity
// request", ...); nothing for any other message.
std::optional<std::string_view> DataRequestName(const MessageBytes& message);

}  // namespace veltrix::universal
