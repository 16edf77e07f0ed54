#include "universal/time_code.h"

#include <array>
#include <string_view>

#include "core/number_text.h"

namespace veltrix::universal {

namespace {

struct FrameRate {
  int frames;  // frames a second, counted from 0
  std::string_view name;
};

// By the two rate bits of the hours byte.
constexpr std::array<FrameRate, 4> kFrameRates = {{
    {24, "24 fps"},
    {25, "25 fps"},
    {30, "30 fps drop-frame"},
    {30, "30 fps"},
}};

}  // namespace

std::optional<std::string> TimeCodeText(const MessageBytes& message, size_t at) {
  const auto hoursByte = message.At(at);
  const auto minutes = message.At(at + 1);
  const auto seconds = message.At(at + 2);
  const auto frames = message.At(at + 3);
  if (!hoursByte || !minutes || !seconds || !frames) return std::nullopt;
  const FrameRate& rate = kFrameRates[static_cast<size_t>(*hoursByte >> 5)];
  const int hours = *hoursByte & 0x1F;
  if (hours > 23 || *minutes > 59 || *seconds > 59 || *frames >= rate.frames) return std::nullopt;
  return ZeroPadded(hours, 2) + ":" + ZeroPadded(*minutes, 2) + ":" + ZeroPadded(*seconds, 2) +
         ":" + ZeroPadded(*frames, 2) + " (" + std::string(rate.name) + ")";
}

}  // namespace veltrix::universal
