#pragma once

#include <cstdint>
#include <vector>

namespace hpmidifile {

// Failure numbers of the exported functions; 0 is success.
enum Result : uint32_t {
  kOk = 0,
  kNoHandle = 1,        // a null handle
  kOpenFailed = 2,      // the file cannot be opened, or is not a regular file
  kReadFailed = 3,      // reading or writing the file failed
  kNotMidi = 4,         // no MThd header, or a header shorter than six bytes
  kUnknownFormat = 5,   // a format other than 0, 1 or 2
  kTruncated = 6,       // a chunk, an event or the track count runs past the data
  kBadEvent = 7,        // an event the format does not allow (status, data byte, length)
  kNoTrack = 8,         // no MTrk chunk at all
  kTooLarge = 9,        // a file or track beyond the 32-bit lengths of the format
  kNothingLoaded = 10,  // HP_Save before a successful HP_Load
  kWriteFailed = 11,    // the target cannot be created or written
  kUnknownMode = 12,    // HP_Save with a mode other than 0
  kOutOfMemory = 13,
};

// One event of a track. Its data stays in the file's bytes and is referred to by offset.
struct SmfEvent {
  uint64_t tick = 0;        // absolute time
  uint32_t dataOffset = 0;  // channel data bytes, or the data after a length
  uint32_t dataLength = 0;
  uint8_t status = 0;    // the channel status (running status resolved), F0, F7 or FF
  uint8_t metaType = 0;  // for FF
};

struct SmfTrack {
  uint32_t firstEvent = 0;  // the track's events are events[firstEvent, endEvent)
  uint32_t endEvent = 0;
  uint64_t endTick = 0;  // its End of Track, or its last event when it has none
};

// A Standard MIDI File as read: the bytes it came from, the division as stored and the events
// of every track in file order. End of Track events are not kept as events.
struct SmfFile {
  std::vector<uint8_t> bytes;
  uint16_t division = 0;
  std::vector<SmfEvent> events;
  std::vector<SmfTrack> tracks;
};

}  // namespace hpmidifile
