#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace veltrix {

// Room ClockText needs at most.
inline constexpr size_t kClockTextRoom = 32;

// A time as "m:ss.mmm", from one hour on as "h:mm:ss.mmm"; the microseconds are cut to whole
// milliseconds (rounded down). Writes to `out` and returns the length.
size_t FormatClock(char* out, int64_t microseconds);
std::string ClockText(int64_t microseconds);

// The three digits of each number of milliseconds 0 to 999.
inline constexpr auto kMillisecondDigits = [] {
  std::array<std::array<char, 3>, 1000> digits{};
  for (int n = 0; n < 1000; ++n)
    digits[n] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                 static_cast<char>('0' + n % 10)};
  return digits;
}();

// ClockText for rows that mostly follow each other within a second: while the whole seconds
// stay, only the three digits of the milliseconds are written again, from a table.
class ClockTexts {
 public:
  std::string_view Of(int64_t microseconds) {
    const int64_t intoSecond = microseconds - secondStart_;
    if (microseconds < 0 || intoSecond < 0 || intoSecond >= kMicrosecondsPerSecond)
      return Anew(microseconds);
    const uint32_t milliseconds = static_cast<uint32_t>(intoSecond) / 1000;
    std::memcpy(text_ + length_ - 3, kMillisecondDigits[milliseconds].data(), 3);
    return std::string_view(text_, length_);
  }

 private:
  static constexpr int64_t kMicrosecondsPerSecond = 1000000;
  std::string_view Anew(int64_t microseconds);

  int64_t secondStart_ = -kMicrosecondsPerSecond;  // the microseconds of the text's whole second
  char text_[kClockTextRoom];
  size_t length_ = 0;
};

// A length as "m:ss", from one hour on as "h:mm:ss", cut to whole seconds.
std::string LengthText(int64_t microseconds);

}  // namespace veltrix
