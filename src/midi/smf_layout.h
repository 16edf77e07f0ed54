#pragma once

#include <cstdint>

namespace veltrix {

// Where the fields of a Standard MIDI File's header and first track chunk lie in the file
// image: "MThd", its length, format, track count and division, then "MTrk" and its length.
inline constexpr int64_t kFormatOffset = 8;
inline constexpr int64_t kTrackCountOffset = 10;
inline constexpr int64_t kDivisionOffset = 12;
inline constexpr int64_t kFirstTrackLengthOffset = 18;
inline constexpr int64_t kFirstEventOffset = 22;

}  // namespace veltrix
