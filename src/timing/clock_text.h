#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrix {

// Room ClockText needs at most.
inline constexpr size_t kClockTextRoom = 32;

// A time as "m:ss.mmm", from one hour on as "h:mm:ss.mmm"; the microseconds are cut to whole
// milliseconds (rounded down). Writes to `out` and returns the length.
size_t FormatClock(char* out, int64_t microseconds);
std::string ClockText(int64_t microseconds);

// A length as "m:ss", from one hour on as "h:mm:ss", cut to whole seconds.
std::string LengthText(int64_t microseconds);

}  // namespace veltrix
