#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "core/session.h"
#include "midi/meta_events.h"

namespace veltrix {

inline constexpr const char* kTypeMetadata = "Metadata";
inline constexpr const char* kTypeSysex = "Sysex Command";
inline constexpr const char* kTypeMidiEvent = "Midi Event";

// The state one track walk carries from event to event.
struct WalkState {
  int32_t ticks = 0;
  uint8_t runningStatus = 0;
  MeasureState measure;
  // False when only the events' places are wanted: system-exclusive and channel events are
  // stepped over without their texts (meta events are still read, for the measure grid).
  bool texts = true;
  // Without texts: the texts whose making can report a fault (system-exclusive texts, a
  // channel event cut by the end of the file) are still made, so the reports come the same.
  bool reports = false;
  // Without texts: system-exclusive messages whose text was made without a report. Making a
  // text depends on the message's bytes alone, so a message met again is stepped over.
  std::unordered_set<std::string> quietSysex;
};

// One event as the walk read it.
struct WalkedEvent {
  int32_t id = 0;  // index of the first byte of its delta time
  int32_t delta = 0;
  int channel = 0;     // 1-16 for a channel event, 0 for none
  uint8_t status = 0;  // its status byte, or the running status it uses
  bool running = false;
  bool endOfTrack = false;
  const char* type = "";
  std::string command;
};

// Steps over the delta time of the next event: ReadPos += 1, the ID, ReadVarLen, the tick
// count. Shared by the Midi listing and the OTS reader.
void ReadDeltaTime(Session& session, WalkState& state, WalkedEvent& event);

// Reads the status byte after the delta time and decodes the event with its decoder, leaving
// ReadPos on the event's last byte. For End of Track it sets endOfTrack and leaves ReadPos on
// the 0xFF. Failures of the walk itself (reads outside the image, overflow, division by zero
// in a meta event) are thrown to the walking routine.
void DecodeEvent(Session& session, WalkState& state, WalkedEvent& event);

// The microseconds per quarter note of a Set Tempo event whose 0xFF is at `status`: FF 51 03
// and three data bytes of a value above 0. Nothing for any other event, nor for a tempo
// event of another length or of the value 0, which changes no tempo.
std::optional<int32_t> TempoAt(const FileImage& image, int64_t status);

}  // namespace veltrix
