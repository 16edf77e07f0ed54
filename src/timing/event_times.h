#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/event_index.h"
#include "core/file_image.h"
#include "timing/tempo_map.h"

namespace veltrix {

// The division of the file's header; one that gives no time when the header is too short.
Division DivisionOfFile(const FileImage& image);

// The clock times of the rows of a Midi or Ots listing, from its event index: the tempo map
// of the Midi track, or of each one-touch-setting track from its own start.
class EventTimes {
 public:
  EventTimes(const FileImage& image, const EventIndex& index);

  bool GivesTime() const { return plain_.GivesTime(); }
  // Microseconds from its track's start to the event.
  int64_t Of(const EventRecord& record) const;

 private:
  TempoMap plain_;              // a track without tempo changes
  std::vector<TempoMap> maps_;  // by OTS track, 0 for the Midi track
};

// Where the data of a meta event lies: its type and the bytes behind its length.
struct MetaEventData {
  uint8_t type = 0;
  int64_t first = 0;  // the first data byte
  int64_t length = 0;
};

// The meta event of a record whose status is 0xFF, read from the image after its delta time;
// nothing for another event or one whose bytes do not read as a meta event within the record.
std::optional<MetaEventData> MetaEventOf(const FileImage& image, const EventRecord& record);

}  // namespace veltrix
