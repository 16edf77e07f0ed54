#include "universal/message_family.h"

#include <array>

#include "universal/gs_message.h"

namespace veltrix::universal {

namespace {

constexpr std::array<std::string_view, 10> kFamilyNames = {
    "Other",    "GM System On", "GM2 System On",           "GM System Off",
    "GS Reset", "XG System On", "Universal Non-Real Time", "Universal Real Time",
    "GS",       "XG",
};

bool IsGsReset(const MessageBytes& message) {
  const std::optional<GsChecksum> checksum = GsDataSetChecksum(message);
  return checksum && checksum->Right() && checksum->at == 8 && message.Is(4, 0x40) &&
         message.Is(5, 0x00) && message.Is(6, 0x7F) && message.Is(7, 0x00);
}

}  // namespace

MessageFamily FamilyOf(const MessageBytes& message) {
  const std::optional<uint8_t> id = message.At(0);
  if (id == 0x7E) {
    if (message.Is(2, 0x09) && message.Is(3, 0x01)) return MessageFamily::Gm1SystemOn;
    if (message.Is(2, 0x09) && message.Is(3, 0x03)) return MessageFamily::Gm2SystemOn;
    if (message.Is(2, 0x09) && message.Is(3, 0x02)) return MessageFamily::GmSystemOff;
    return MessageFamily::UniversalNonRealTime;
  }
  if (id == 0x7F) return MessageFamily::UniversalRealTime;
  if (id == 0x41 && message.Is(2, 0x42))
    return IsGsReset(message) ? MessageFamily::GsReset : MessageFamily::Gs;
  // 43 1n 4C: an XG parameter change for device n; 00 00 7E 00 is XG System On.
  const std::optional<uint8_t> device = message.At(1);
  if (id == 0x43 && device && (*device & 0xF0) == 0x10 && message.Is(2, 0x4C)) {
    if (message.Is(3, 0x00) && message.Is(4, 0x00) && message.Is(5, 0x7E) && message.Is(6, 0x00))
      return MessageFamily::XgSystemOn;
    return MessageFamily::Xg;
  }
  return MessageFamily::Other;
}

std::optional<std::string_view> DataRequestName(const MessageBytes& message) {
  if (IsGsDataRequest(message)) return "GS data request";
  if (!message.Is(0, 0x7E)) return std::nullopt;
  // 7E cc 06 01, 7E cc 03, 7E cc 07 03, 7E cc 08 00
  if (message.Is(2, 0x06) && message.Is(3, 0x01)) return "identity request";
  if (message.Is(2, 0x03)) return "sample dump request";
  if (message.Is(2, 0x07) && message.Is(3, 0x03)) return "file dump request";
  if (message.Is(2, 0x08) && message.Is(3, 0x00)) return "tuning dump request";
  return std::nullopt;
}

std::string_view FamilyName(MessageFamily family) {
  return kFamilyNames[static_cast<size_t>(family)];
}

}  // namespace veltrix::universal
