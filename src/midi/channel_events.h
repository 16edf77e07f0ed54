#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace veltrix {

// The command text of a channel event; ReadPos stands on the byte before the first data
// byte. Sets EventLength to the number of data bytes and does not move ReadPos. A failure is
// reported as "GetMidiEvent" and gives the empty text.
std::string GetMidiEvent(Session& session, int status, int channel);
// The same text appended to `text`, so a walk can reuse one buffer for every event.
void AppendMidiEvent(Session& session, int status, std::string& text);

// The number of data bytes of a channel message with this status byte (0 for other bytes).
int ChannelDataBytes(int status);

// The listing's name of controller `number` (0-127): "Volume", "Undefined" for one without.
std::string_view ControllerName(int number);

// A note name with its octave: 60 gives "C  5". Reports as "NoteName".
std::string NoteName(const Session& session, int note);

}  // namespace veltrix
