#include "midi/channel_events.h"

namespace veltrix {

std::string GetMidiEvent(Session& session, int status, int) {
  int kind = status / 16;
  session.EventLength = (kind == 12 || kind == 13) ? 1 : (kind >= 8 && kind <= 14) ? 2 : 0;
  return {};
}

std::string NoteName(const Session&, int) {
  return {};
}

}  // namespace veltrix
