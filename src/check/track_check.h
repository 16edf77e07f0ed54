#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "check/byte_view.h"
#include "check/findings_sink.h"

namespace veltrix::check {

// What the rest of the checks need to know of a track once it has been read.
struct TrackFacts {
  struct TimeSignature {
    int64_t tick;
    int numerator;
    int denominatorPower;
  };
  std::vector<TimeSignature> timeSignatures;
  std::array<bool, 16> channelUsed{};  // a channel message on the channel (0-15)
  std::vector<std::string> markers;    // texts of the Marker meta events
};

// Reads the events of the track whose data lies at [begin, end) of the file, by the rules of
// the file format, and reports every fault to `sink` with the track number (from 1), offset
// and tick. Never stops at a fault it can read past.
TrackFacts CheckTrack(const ByteView& file, size_t begin, size_t end, int track,
                      FindingsSink& sink);

}  // namespace veltrix::check
