#include "views/event_index.h"

#include <algorithm>

#include "midi/event_walk.h"
#include "midi/midi_list.h"
#include "style/ots.h"

namespace veltrix {

namespace {

constexpr int32_t kTempoBeforeTheFirst = 500000;  // 120 beats per minute
constexpr int64_t kDivisionOffset = 12;

// A session of its own for the walk, so the window's read position, scratch values and error
// sink stay untouched. Decoding of system-exclusive data is off: it changes no byte count.
Session ScratchSession(const FileImage& image) {
  Session scratch;
  scratch.image = image;
  scratch.window.options.DecodeSysex = false;
  scratch.window.options.MarkRunningStatus = false;
  return scratch;
}

bool IsTempoEvent(const FileImage& image, int64_t status) {
  return image.at(status) == 0xFF && image.at(status + 1) == 0x51;
}

// The three data bytes the tempo text reads, behind FF 51 and the length byte.
int32_t TempoOf(const FileImage& image, int64_t status) {
  return image.at(status + 3) * 65536 + image.at(status + 4) * 256 + image.at(status + 5);
}

// Walks events as the listing does while ReadPos < limit. Returns true when the walk met End
// of Track (ReadPos then stands on its 0xFF), false when it ran to the limit.
bool IndexTrack(Session& session, int64_t limit, EventIndex& index, bool withTempo) {
  WalkState state;
  WalkedEvent event;
  while (session.ReadPos < limit) {
    ReadDeltaTime(session, state, event);
    const int64_t status = int64_t{session.ReadPos} + 1;
    DecodeEvent(session, state, event);
    if (event.endOfTrack) return true;
    index.Add({event.id, session.ReadPos, state.ticks});
    if (withTempo && IsTempoEvent(session.image, status))
      index.AddTempo(state.ticks, TempoOf(session.image, status));
  }
  return false;
}

int32_t DivisionOf(const FileImage& image) {
  if (image.FileLength() < kDivisionOffset + 2) return 0;
  const int16_t division = static_cast<int16_t>(image.BigEndian16(kDivisionOffset));
  return division > 0 ? division : 0;
}

}  // namespace

const IndexedEvent* EventIndex::Find(int32_t id) const {
  auto at = std::lower_bound(events_.begin(), events_.end(), id,
                             [](const IndexedEvent& e, int32_t value) { return e.first < value; });
  if (at == events_.end() || at->first != id) return nullptr;
  return &*at;
}

void EventIndex::AddTempo(int32_t tick, int32_t microsecondsPerQuarter) {
  if (tempos_.empty()) tempos_.push_back({0, kTempoBeforeTheFirst, 0});
  const TempoPoint& before = tempos_.back();
  const int64_t scaled =
      before.scaledBefore + int64_t{tick - before.tick} * before.microsecondsPerQuarter;
  // Of several changes at one tick the last rules: the lookup takes the last point at or
  // before a tick.
  tempos_.push_back({tick, microsecondsPerQuarter, scaled});
}

void EventIndex::Finish() {
  // Walks only move forward through the file, so this holds already; it is what Find needs.
  auto byFirst = [](const IndexedEvent& a, const IndexedEvent& b) { return a.first < b.first; };
  if (!std::is_sorted(events_.begin(), events_.end(), byFirst))
    std::stable_sort(events_.begin(), events_.end(), byFirst);
  events_.shrink_to_fit();
}

std::optional<int64_t> EventIndex::MicrosecondsAt(int32_t tick) const {
  if (division_ <= 0 || tick < 0) return std::nullopt;
  TempoPoint point{0, kTempoBeforeTheFirst, 0};
  auto after = std::upper_bound(tempos_.begin(), tempos_.end(), tick,
                                [](int32_t value, const TempoPoint& p) { return value < p.tick; });
  if (after != tempos_.begin()) point = *(after - 1);
  const int64_t scaled =
      point.scaledBefore + int64_t{tick - point.tick} * point.microsecondsPerQuarter;
  return scaled / division_;
}

EventIndex BuildMidiEventIndex(const FileImage& image) {
  EventIndex index;
  index.SetView("Midi");
  index.SetDivision(DivisionOf(image));
  Session scratch = ScratchSession(image);
  try {
    const int32_t trackLength = FirstTrackLength(scratch.image);
    scratch.ReadPos = 21;
    IndexTrack(scratch, int64_t{trackLength} + 18, index, true);
  } catch (const std::exception&) {
    // The listing stopped at the same failure: its rows are all indexed.
  }
  index.Finish();
  return index;
}

EventIndex BuildOtsEventIndex(const FileImage& image) {
  EventIndex index;
  index.SetView("Ots");
  Session scratch = ScratchSession(image);
  const FileImage& bytes = scratch.image;
  try {
    std::optional<OtsSection> section = LocateOts(scratch);
    int64_t position = section ? section->dataStart : 0;
    int64_t lastLength = section ? section->length : 0;
    while (section && position <= section->dataEnd - 4 && lastLength > 0) {
      if (!bytes.HasTagAt(position, "MTrk")) break;
      const uint32_t trackLength = bytes.BigEndian32(position + 4);
      lastLength = trackLength;
      const int64_t firstEvent = position + 8;
      const int64_t end = firstEvent + trackLength;
      scratch.ReadPos = CheckedInt32(firstEvent - 1);
      if (IndexTrack(scratch, end - 1, index, false))
        position = CheckedInt32(int64_t{scratch.ReadPos} + 3 + scratch.EventLength);
      else
        position = end;
    }
  } catch (const std::exception&) {
    // The reader stopped at the same failure.
  }
  index.Finish();
  return index;
}

EventIndex BuildEventIndex(const Session& session) {
  const std::string view = session.window.PressedView();
  if (view == "Midi") return BuildMidiEventIndex(session.image);
  if (view == "Ots") return BuildOtsEventIndex(session.image);
  return EventIndex();
}

}  // namespace veltrix
