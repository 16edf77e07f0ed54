#pragma once

#include <cstddef>
#include <optional>

#include "check/byte_view.h"
#include "check/findings_sink.h"
#include "check/track_check.h"

namespace veltrix::check {

// Checks the sections behind a style's MIDI track: CASM with its CSEG, Sdec, Ctab, Ctb2 and
// Cntt chunks, the OTS section and its tracks, the music-finder records. `trackEnd` is where
// the header's track length says the MIDI track ends; `style` holds the facts of that track;
// `casm` is where the first "CASM" tag behind the header stands, if anywhere.
void CheckStyleSections(const ByteView& file, std::optional<size_t> casm, size_t trackEnd,
                        const TrackFacts& style, FindingsSink& sink);

}  // namespace veltrix::check
