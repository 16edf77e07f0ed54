#pragma once

// src/style: the sections a style file appends behind its MIDI track, found by this locator
// and listed by the CASM, OTS and music-finder readers. Above midi.

#include <cstdint>
#include <optional>

#include "core/session.h"

namespace veltrix {

// Finds the sections a style file appends behind its MIDI track: CASM, then OTS, then the
// music finder. Each reader has its own search rule, and each keeps it.

// The OTS data of a style file: its first and one-past-last byte and its declared length.
struct OtsSection {
  int64_t dataStart;
  int64_t dataEnd;
  uint32_t length;
};

// The "CASM" tag the Casm view starts from: the first of the 11 offsets from L + 20 on (L the
// first track's length) holding it, or L + 31 when none does. Nothing when the image ends
// before the search can finish; when it has no byte at L + 30 at all, the warning label reads
// "No CASM in file".
std::optional<int64_t> LocateCasm(Session& session);

// The OTS data behind the CASM section: the CASM tag searched from L + 20 on, the OTS tag
// within 30 bytes behind the CASM data. Nothing when the file has no such section or is too
// short for the search. Leaves the last chunk length read in TrackLength, as the reader does.
std::optional<OtsSection> LocateOts(Session& session);

// The first music-finder record: the CASM tag searched from the end of the MIDI track on, the
// OTS data directly behind the CASM data and the "FNR" tag searched from behind the OTS data.
std::optional<int64_t> LocateMusicFinder(const FileImage& image);

}  // namespace veltrix
