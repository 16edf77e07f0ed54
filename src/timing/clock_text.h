#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrix {

// Room ClockText needs at most.
inline constexpr size_t kClockTextRoom = 32;

// A time as "m:ss.mmm", from one hour on as "h:mm:ss.mmm"; the microseconds are cut to whole
// milliseconds (rounded down). Writes to `out` and returns the length.
size_t FormatClock(char* out, int64_t microseconds);
std::string ClockText(int64_t microseconds);

// ClockText for rows that mostly follow each other within a second: only the milliseconds
// are written again while the whole seconds stay.
class ClockTexts {
 public:
  std::string_view Of(int64_t microseconds) {
    const int64_t milliseconds = microseconds / 1000;
    if (microseconds < 0 || milliseconds / 1000 != second_) return Anew(microseconds);
    const int part = static_cast<int>(milliseconds % 1000);
    text_[length_ - 3] = static_cast<char>('0' + part / 100);
    text_[length_ - 2] = static_cast<char>('0' + part / 10 % 10);
    text_[length_ - 1] = static_cast<char>('0' + part % 10);
    return std::string_view(text_, length_);
  }

 private:
  std::string_view Anew(int64_t microseconds);

  int64_t second_ = -1;
  char text_[kClockTextRoom];
  size_t length_ = 0;
};

// A length as "m:ss", from one hour on as "h:mm:ss", cut to whole seconds.
std::string LengthText(int64_t microseconds);

}  // namespace veltrix
