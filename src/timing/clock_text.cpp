#include "timing/clock_text.h"

#include "core/number_text.h"

namespace veltrix {

namespace {

constexpr int64_t kMillisecond = 1000;
constexpr int64_t kSecond = 1000 * kMillisecond;
constexpr int64_t kMinute = 60 * kSecond;
constexpr int64_t kHour = 60 * kMinute;

// "h:mm:ss" or "m:ss" of the whole seconds of `microseconds`.
size_t FormatSeconds(char* out, int64_t microseconds) {
  size_t at = 0;
  if (microseconds >= kHour) {
    at += FormatDecimal(out, microseconds / kHour);
    out[at++] = ':';
    at += FormatZeroPadded(out + at, microseconds / kMinute % 60, 2);
  } else {
    at += FormatDecimal(out, microseconds / kMinute);
  }
  out[at++] = ':';
  at += FormatZeroPadded(out + at, microseconds / kSecond % 60, 2);
  return at;
}

}  // namespace

size_t FormatClock(char* out, int64_t microseconds) {
  if (microseconds < 0) microseconds = 0;
  size_t at = FormatSeconds(out, microseconds);
  out[at++] = '.';
  at += FormatZeroPadded(out + at, microseconds / kMillisecond % 1000, 3);
  return at;
}

std::string ClockText(int64_t microseconds) {
  char text[kClockTextRoom];
  return std::string(text, FormatClock(text, microseconds));
}

std::string LengthText(int64_t microseconds) {
  char text[kClockTextRoom];
  return std::string(text, FormatSeconds(text, microseconds < 0 ? 0 : microseconds));
}

}  // namespace veltrix
