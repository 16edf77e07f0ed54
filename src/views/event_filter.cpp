#include "views/event_filter.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace veltrix {

namespace {

struct MetaKind {
  uint8_t type;
  EventKind kind;
};

constexpr std::array<MetaKind, 18> kMetaKinds = {{
    {0x00, EventKind::kSequenceNumber},
    {0x01, EventKind::kText},
    {0x02, EventKind::kCopyright},
    {0x03, EventKind::kTrackName},
    {0x04, EventKind::kInstrumentName},
    {0x05, EventKind::kLyric},
    {0x06, EventKind::kMarker},
    {0x07, EventKind::kCuePoint},
    {0x08, EventKind::kProgramName},
    {0x09, EventKind::kDeviceName},
    {0x20, EventKind::kChannelPrefix},
    {0x21, EventKind::kPort},
    {0x2F, EventKind::kEndOfTrack},
    {0x51, EventKind::kTempo},
    {0x54, EventKind::kSmpteOffset},
    {0x58, EventKind::kTimeSignature},
    {0x59, EventKind::kKeySignature},
    {0x7F, EventKind::kSequencerSpecific},
}};

// Channel kinds by status / 16 - 8, with their count of data bytes.
struct ChannelKind {
  EventKind kind;
  int dataBytes;
};
constexpr std::array<ChannelKind, 7> kChannelKinds = {{
    {EventKind::kNoteOff, 2},
    {EventKind::kNoteOn, 2},
    {EventKind::kKeyAftertouch, 2},
    {EventKind::kControlChange, 2},
    {EventKind::kProgramChange, 1},
    {EventKind::kChannelAftertouch, 1},
    {EventKind::kPitchWheel, 2},
}};

// The meta type byte: after the delta time (at most four bytes) and the FF.
EventKind MetaKindAt(const EventRecord& record, std::span<const uint8_t> image) {
  int64_t at = record.first;
  for (int length = 1; length < 4 && at <= record.last && at < static_cast<int64_t>(image.size()) &&
                       (image[static_cast<size_t>(at)] & 0x80) != 0;
       ++length)
    ++at;
  const int64_t type = at + 2;  // past the last delta byte and the FF
  if (type > record.last || type >= static_cast<int64_t>(image.size()) ||
      image[static_cast<size_t>(at + 1)] != 0xFF)
    return EventKind::kOtherMeta;
  const uint8_t value = image[static_cast<size_t>(type)];
  for (const MetaKind& meta : kMetaKinds)
    if (meta.type == value) return meta.kind;
  return EventKind::kOtherMeta;
}

}  // namespace

std::optional<EventKind> EventKindNamed(std::string_view name) {
  for (const EventKindName& entry : kEventKindNames)
    if (entry.name == name) return entry.kind;
  return std::nullopt;
}

EventFacts FactsOf(const EventRecord& record, std::span<const uint8_t> image) {
  EventFacts facts;
  const uint8_t status = record.status;
  if (status == 0xFF) {
    facts.kind = MetaKindAt(record, image);
    return facts;
  }
  if (status == 0xF0 || status == 0xF7) {
    facts.kind = EventKind::kSystemExclusive;
    return facts;
  }
  if (status < 0x80 || status >= 0xF0) return facts;
  const ChannelKind& channelKind = kChannelKinds[(status >> 4) - 8];
  facts.kind = channelKind.kind;
  facts.channel = (status & 0x0F) + 1;
  // The data bytes end the event; the first of them lies past the delta time's first byte.
  const int64_t firstData = int64_t{record.last} - channelKind.dataBytes + 1;
  if (firstData <= record.first || record.last >= static_cast<int64_t>(image.size())) return facts;
  const int value = image[static_cast<size_t>(firstData)];
  // A byte of 0x80 or more where the data belongs is a status byte the event swallowed (a
  // damaged file): the event then has no note or controller.
  if (value >= 0x80) return facts;
  if (facts.kind == EventKind::kNoteOn || facts.kind == EventKind::kNoteOff ||
      facts.kind == EventKind::kKeyAftertouch)
    facts.note = value;
  if (facts.kind == EventKind::kControlChange) facts.controller = value;
  return facts;
}

bool EventFilter::Keeps(const EventFacts& event) const {
  if (kinds != 0 && (kinds & (1u << static_cast<unsigned>(event.kind))) == 0) return false;
  if (channels != 0 && (event.channel == 0 || (channels & (1u << (event.channel - 1))) == 0))
    return false;
  if (controllers.any() && event.kind == EventKind::kControlChange &&
      (event.controller < 0 || !controllers.test(static_cast<size_t>(event.controller))))
    return false;
  if (lowNote >= 0 || highNote >= 0) {
    if (event.note < 0) return false;
    int low = lowNote < 0 ? 0 : lowNote;
    int high = highNote < 0 ? 127 : highNote;
    if (low > high) std::swap(low, high);
    if (event.note < low || event.note > high) return false;
  }
  return true;
}

std::optional<int> ParseNote(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  auto number = [](std::string_view digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
    }
    return value;
  };
  if (text.front() >= '0' && text.front() <= '9') {
    const std::optional<int> value = number(text);
    if (!value || *value > 127) return std::nullopt;
    return value;
  }
  constexpr std::string_view kLetters = "C D EF G A B";  // semitones from C
  const size_t letter = kLetters.find(static_cast<char>(std::toupper(text.front())));
  if (letter == std::string_view::npos || kLetters[letter] == ' ') return std::nullopt;
  int note = static_cast<int>(letter);
  text.remove_prefix(1);
  if (!text.empty() && text.front() == '#') {
    ++note;
    text.remove_prefix(1);
  } else if (!text.empty() && text.front() == 'b') {
    --note;
    text.remove_prefix(1);
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const std::optional<int> octave = number(text);
  if (!octave) return std::nullopt;
  const int value = *octave * 12 + note;
  if (value < 0 || value > 127) return std::nullopt;
  return value;
}

}  // namespace veltrix
