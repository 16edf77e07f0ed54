#pragma once

#include <cstdint>
#include <optional>

#include "core/session.h"

namespace veltrix {

// The OTS data of a style file: its first and one-past-last byte and its declared length.
struct OtsSection {
  int64_t dataStart;
  int64_t dataEnd;
  uint32_t length;
};

// Finds the OTS data behind the CASM section; nothing when the file has no such section or is
// too short for the search. The CASM scan gives up 28 bytes before the end of the image.
// Leaves the last chunk length read in TrackLength, as the reader does.
std::optional<OtsSection> LocateOts(Session& session);

// Fills the Ots view with the events of the one-touch-setting tracks of a style file.
void GetOTS(Session& session);

}  // namespace veltrix
