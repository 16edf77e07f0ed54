#include "timing/clock_text.h"

#include "core/number_text.h"

namespace veltrix {

namespace {

constexpr int64_t kMillisecond = 1000;
constexpr int64_t kSecond = 1000 * kMillisecond;
constexpr int64_t kMinute = 60 * kSecond;
constexpr int64_t kHour = 60 * kMinute;

// Two digits, with a leading 0.
char* TwoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out + 2;
}

// "h:mm:ss" or "m:ss" of the whole seconds of `microseconds`. Listings write one for every
// row, so the digits are written directly.
size_t FormatSeconds(char* out, int64_t microseconds) {
  const int64_t seconds = microseconds / kSecond;
  const int64_t minutes = seconds / 60;
  char* at = out;
  if (microseconds >= kHour) {
    at += FormatDecimal(at, minutes / 60);
    *at++ = ':';
    at = TwoDigits(at, static_cast<int>(minutes % 60));
  } else if (minutes < 10) {
    *at++ = static_cast<char>('0' + minutes);
  } else {
    at = TwoDigits(at, static_cast<int>(minutes));
  }
  *at++ = ':';
  at = TwoDigits(at, static_cast<int>(seconds % 60));
  return static_cast<size_t>(at - out);
}

}  // namespace

size_t FormatClock(char* out, int64_t microseconds) {
  if (microseconds < 0) microseconds = 0;
  size_t at = FormatSeconds(out, microseconds);
  const int milliseconds = static_cast<int>(microseconds / kMillisecond % 1000);
  out[at++] = '.';
  out[at++] = static_cast<char>('0' + milliseconds / 100);
  TwoDigits(out + at, milliseconds % 100);
  return at + 2;
}

std::string_view ClockTexts::Anew(int64_t microseconds) {
  if (microseconds < 0) microseconds = 0;
  secondStart_ = microseconds / kSecond * kSecond;
  length_ = FormatClock(text_, microseconds);
  return std::string_view(text_, length_);
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
