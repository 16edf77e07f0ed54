#pragma once

#include <cstdint>
#include <functional>

#include "core/file_image.h"
#include "core/session.h"
#include "overview/file_overview.h"

namespace veltrix::overview {

// What a style's Midi listing already told the overview, for its style part.
struct StyleTrack {
  int32_t endTick = 0;          // End of Track of the style track
  int64_t ticksPerMeasure = 0;  // of the first time signature (4/4 without one)
  std::function<int64_t(int32_t tick)> measureOf;
};

// The style part of the overview: the format, the sections the style track's markers start,
// the CASM parts, the OTS settings and the number of music-finder records. `session` holds
// the style's Midi listing; it is listed again in the Ots and Mfd views. `file` is the file
// as it is on disk; `overview` holds the song part already.
StyleOverview ReadStyle(Session& session, const FileImage& file, const FileOverview& overview,
                        const StyleTrack& track);

}  // namespace veltrix::overview
