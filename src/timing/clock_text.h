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
  std::string_view Of(int64_t microseconds);

 private:
  int64_t second_ = -1;
  char text_[kClockTextRoom];
  size_t length_ = 0;
};

// A length as "m:ss", from one hour on as "h:mm:ss", cut to whole seconds.
std::string LengthText(int64_t microseconds);

}  // namespace veltrix
