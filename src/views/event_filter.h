#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/event_index.h"

namespace veltrix {

// What an event is, told by its status byte and, for a meta event, its type byte.
enum class EventKind : uint8_t {
  kNoteOn,
  kNoteOff,
  kControlChange,
  kProgramChange,
  kPitchWheel,
  kChannelAftertouch,
  kKeyAftertouch,
  kSystemExclusive,
  kSequenceNumber,
  kText,
  kCopyright,
  kTrackName,
  kInstrumentName,
  kLyric,
  kMarker,
  kCuePoint,
  kProgramName,
  kDeviceName,
  kChannelPrefix,
  kPort,
  kEndOfTrack,
  kTempo,
  kSmpteOffset,
  kTimeSignature,
  kKeySignature,
  kSequencerSpecific,
  kOtherMeta,
  kOther,  // a system common or real-time status in a file
};

struct EventKindName {
  EventKind kind;
  std::string_view name;
};

// Every kind with the name the filter's menu and settings give it, in menu order.
inline constexpr std::array<EventKindName, 28> kEventKindNames = {{
    {EventKind::kNoteOn, "Note On"},
    {EventKind::kNoteOff, "Note Off"},
    {EventKind::kControlChange, "Control Change"},
    {EventKind::kProgramChange, "Program Change"},
    {EventKind::kPitchWheel, "Pitch Wheel"},
    {EventKind::kChannelAftertouch, "Channel Aftertouch"},
    {EventKind::kKeyAftertouch, "Key Aftertouch"},
    {EventKind::kSystemExclusive, "System Exclusive"},
    {EventKind::kSequenceNumber, "Sequence Number"},
    {EventKind::kText, "Text"},
    {EventKind::kCopyright, "Copyright"},
    {EventKind::kTrackName, "Track Name"},
    {EventKind::kInstrumentName, "Instrument Name"},
    {EventKind::kLyric, "Lyric"},
    {EventKind::kMarker, "Marker"},
    {EventKind::kCuePoint, "Cue Point"},
    {EventKind::kProgramName, "Program Name"},
    {EventKind::kDeviceName, "Device Name"},
    {EventKind::kChannelPrefix, "Channel Prefix"},
    {EventKind::kPort, "Port"},
    {EventKind::kEndOfTrack, "End of Track"},
    {EventKind::kTempo, "Tempo"},
    {EventKind::kSmpteOffset, "SMPTE Offset"},
    {EventKind::kTimeSignature, "Time Signature"},
    {EventKind::kKeySignature, "Key Signature"},
    {EventKind::kSequencerSpecific, "Sequencer Specific"},
    {EventKind::kOtherMeta, "Other Meta"},
    {EventKind::kOther, "Other"},
}};

// The kind of that name; nothing for an unknown name.
std::optional<EventKind> EventKindNamed(std::string_view name);

// What the filter asks of an event, read from its record and the file image.
struct EventFacts {
  EventKind kind = EventKind::kOther;
  int channel = 0;      // 1 to 16, 0 for an event of no channel
  int note = -1;        // the note of a Note On, Note Off or Key Aftertouch, else -1
  int controller = -1;  // the controller of a Control Change, else -1
};

// The facts of the event of `record`. A data byte the image or the event lacks reads as
// absent (-1), never past either.
EventFacts FactsOf(const EventRecord& record, std::span<const uint8_t> image);

// The filter's choices of kinds, channels, controllers and notes. A choice left empty keeps
// every event; the chosen ones must all hold. A channel or note range asks for an event that
// has one; the controllers narrow only the Control Change events.
struct EventFilter {
  uint32_t kinds = 0;     // bit 1 << EventKind
  uint16_t channels = 0;  // bit 1 << (channel - 1)
  std::bitset<128> controllers;
  int lowNote = -1;   // the range's ends, -1 for an open end; given the wrong way round
  int highNote = -1;  // they are swapped

  bool Active() const {
    return kinds != 0 || channels != 0 || controllers.any() || lowNote >= 0 || highNote >= 0;
  }
  void AddKind(EventKind kind) { kinds |= 1u << static_cast<unsigned>(kind); }
  bool Keeps(const EventFacts& event) const;
  bool operator==(const EventFilter&) const = default;
};

// The note number of a note written as a number (0-127) or a name with its octave as the list
// writes it ("C 5" and "C5" are 60, "F#3" 42, "Bb3" 46); nothing for anything else.
std::optional<int> ParseNote(std::string_view text);

}  // namespace veltrix
