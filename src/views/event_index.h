#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"

namespace veltrix {

// Where one listed event lies in the file image and when it sounds.
struct IndexedEvent {
  int32_t first = 0;  // its delta-time byte: the ID of its row
  int32_t last = 0;   // its last byte
  int32_t tick = 0;   // the running tick count at the event
};

// The events of one view in file order, found again by the ID of their row, with the tempo
// changes met on the way. Built once per listing by walking the same track(s) with the same
// readers as the listing, so the byte ranges are exactly those the listing stepped over.
class EventIndex {
 public:
  // The view the index was built for ("Midi", "Ots"), empty for any other.
  const std::string& view() const { return view_; }
  size_t size() const { return events_.size(); }
  const std::vector<IndexedEvent>& events() const { return events_; }

  // The event whose delta time starts at `id`; nullptr when no walked event starts there.
  const IndexedEvent* Find(int32_t id) const;

  // Microseconds from the start of the track to `tick`, from the tempo changes before it
  // (500000 per quarter note before the first). Nothing when the index has no time: the
  // Ots view, or a division of 0, negative or SMPTE.
  std::optional<int64_t> MicrosecondsAt(int32_t tick) const;

  // Used by the builders below.
  void Add(const IndexedEvent& event) { events_.push_back(event); }
  void AddTempo(int32_t tick, int32_t microsecondsPerQuarter);
  void SetView(std::string view) { view_ = std::move(view); }
  void SetDivision(int32_t ticksPerQuarter) { division_ = ticksPerQuarter; }
  void Finish();

 private:
  struct TempoPoint {
    int32_t tick;
    int32_t microsecondsPerQuarter;
    int64_t scaledBefore;  // microseconds × division from tick 0 to `tick`
  };

  std::string view_;
  std::vector<IndexedEvent> events_;
  std::vector<TempoPoint> tempos_;
  int32_t division_ = 0;  // ticks per quarter note; 0 when the file gives no time
};

// The index of the Midi view: the first track chunk, walked as the listing walks it.
EventIndex BuildMidiEventIndex(const FileImage& image);
// The index of the Ots view: every one-touch-setting track, walked as the OTS reader walks
// them. It has no time: each track starts again at tick 0.
EventIndex BuildOtsEventIndex(const FileImage& image);
// The index of the view the window shows (Midi or Ots); empty for the other views.
EventIndex BuildEventIndex(const Session& session);

}  // namespace veltrix
