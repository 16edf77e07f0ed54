#include "midi/event_walk.h"

#include "core/hex_text.h"
#include "midi/channel_events.h"
#include "midi/var_len.h"
#include "sysex/get_sysex.h"
#include "universal/universal_decoder.h"
#include "yamaha/sequencer_info.h"

namespace veltrix {

namespace {

int32_t Advance(int32_t position, int64_t by) {
  return CheckedInt32(int64_t{position} + by);
}

// The text of a system-exclusive message's data bytes.
std::string SysexText(Session& session, const uint8_t* data, int32_t length) {
  std::string hex = HexText(data, static_cast<size_t>(length));
  if (session.options().DecodeUniversal)
    if (auto text =
            universal::DecodeUniversal(universal::MessageBytes(data, static_cast<size_t>(length))))
      return *text;
  if (!session.options().DecodeSysex) return hex;
  return GetSysex(hex, session.reporter);
}

// The most messages and the longest message a walk without texts remembers as quiet.
constexpr size_t kQuietSysexKept = 4096;
constexpr int32_t kQuietSysexLength = 64;

std::string SysexText(Session& session, WalkState& state) {
  session.ReadPos = Advance(session.ReadPos, 1);
  int32_t length = ReadVarLen(session);
  const uint8_t* data = session.image.Span(int64_t{session.ReadPos} + 1, length);
  session.EventLength = length;
  session.ReadPos = Advance(session.ReadPos, length);
  if (!state.texts) {
    if (!state.reports || !session.options().DecodeSysex) return {};
    // Only the decoders behind the system-exclusive text report faults: a message whose
    // text was made once without a report is not made again.
    const bool kept = length <= kQuietSysexLength;
    std::string bytes = kept ? std::string(reinterpret_cast<const char*>(data),
                                           static_cast<size_t>(length))
                             : std::string();
    if (kept && state.quietSysex.contains(bytes)) return {};
    const size_t reportsBefore = session.reporter.ReportCount();
    std::string text = SysexText(session, data, length);
    if (kept && session.reporter.ReportCount() == reportsBefore &&
        state.quietSysex.size() < kQuietSysexKept)
      state.quietSysex.insert(std::move(bytes));
    return text;
  }
  return SysexText(session, data, length);
}

// An escape event (0xF7) carries a length like a system-exclusive event; it is stepped over
// whole so the walk stays on the event boundaries. It has no text of its own.
void SkipEscapeEvent(Session& session) {
  session.ReadPos = Advance(session.ReadPos, 1);
  int32_t length = ReadVarLen(session);
  session.image.Span(int64_t{session.ReadPos} + 1, length);
  session.EventLength = length;
  session.ReadPos = Advance(session.ReadPos, length);
}

}  // namespace

void ReadDeltaTime(Session& session, WalkState& state, WalkedEvent& event) {
  session.ReadPos = Advance(session.ReadPos, 1);
  event.id = session.ReadPos;
  event.delta = ReadVarLen(session);
  state.ticks = CheckedInt32(int64_t{state.ticks} + event.delta);
}

void DecodeEvent(Session& session, WalkState& state, WalkedEvent& event) {
  event.command.clear();
  event.channel = 0;
  event.endOfTrack = false;
  session.ReadPos = Advance(session.ReadPos, 1);
  uint8_t byte = session.image.at(session.ReadPos);
  uint8_t status;
  if (byte >= 0x80 && byte <= 0xEF) {
    status = byte;
    state.runningStatus = byte;
    event.running = false;
  } else if (byte >= 0xF0) {
    status = byte;
    event.running = false;
  } else {
    status = state.runningStatus;
    event.running = true;
  }
  event.status = status;

  if (status == 0xFF) {
    event.type = kTypeMetadata;
    if (session.image.at(int64_t{session.ReadPos} + 1) == 0x2F) {
      session.EventLength = 0;
      event.endOfTrack = true;
      return;
    }
    event.command = MetaEventText(session, state.measure);
    session.ReadPos = Advance(session.ReadPos, int64_t{2} + session.EventLength);
  } else if (status == 0xF0) {
    event.type = kTypeSysex;
    event.command = SysexText(session, state);
  } else {
    event.type = kTypeMidiEvent;
    event.channel = (status % 16) + 1;
    if (event.running) session.ReadPos -= 1;
    if (status == 0xF7) {
      SkipEscapeEvent(session);
    } else {
      if (state.texts || (state.reports && int64_t{session.ReadPos} + ChannelDataBytes(status) >
                                                session.image.UpperIndex())) {
        AppendMidiEvent(session, status, event.command);
      } else {
        session.EventLength = ChannelDataBytes(status);
      }
      session.ReadPos = Advance(session.ReadPos, session.EventLength);
    }
  }
  if (event.running && session.options().MarkRunningStatus) event.command.push_back('*');
}

std::optional<int32_t> TempoAt(const FileImage& image, int64_t status) {
  if (status < 0 || status + 5 > image.UpperIndex()) return std::nullopt;
  if (image.at(status) != 0xFF || image.at(status + 1) != 0x51 || image.at(status + 2) != 3)
    return std::nullopt;
  const int32_t tempo =
      image.at(status + 3) * 65536 + image.at(status + 4) * 256 + image.at(status + 5);
  if (tempo == 0) return std::nullopt;
  return tempo;
}

}  // namespace veltrix
