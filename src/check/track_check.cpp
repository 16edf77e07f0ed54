#include "check/track_check.h"

#include <optional>
#include <utility>

#include "check/sysex_check.h"

namespace veltrix::check {

namespace {

// Data bytes of a channel message, by the status byte's high nibble 8 to E.
constexpr std::array<int, 7> kChannelDataBytes = {2, 2, 2, 2, 1, 1, 2};
// Data bytes of the system common and real-time messages F1 to FE (F4, F5 are undefined).
constexpr std::array<int, 14> kSystemDataBytes = {1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// The length a meta event of this type must have, when it has one: its name and the allowed
// lengths.
struct MetaRule {
  uint8_t type;
  const char* name;
  int length;
  int otherLength;  // a second allowed length, or -1
};
constexpr MetaRule kMetaRules[] = {
    {0x00, "Sequence Number", 2, 0}, {0x2F, "End of Track", 0, -1},  {0x51, "Set Tempo", 3, -1},
    {0x58, "Time Signature", 4, -1}, {0x59, "Key Signature", 2, -1},
};

constexpr const char* kNoteNames[] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                      "F#", "G",  "G#", "A",  "Bb", "B"};

std::string NoteText(int note) {
  return std::to_string(note) + " (" + kNoteNames[note % 12] + std::to_string(note / 12) + ")";
}

class TrackReader {
 public:
  TrackReader(const ByteView& file, size_t begin, size_t end, int track, int64_t tick,
              FindingsSink& sink)
      : file_(file), pos_(begin), end_(end), track_(track), sink_(sink), tick_(tick) {}

  TrackFacts Read();
  // Where events follow an early End of Track, and the tick they continue from.
  std::optional<std::pair<size_t, int64_t>> EventsBehindEnd() const { return eventsBehindEnd_; }

 private:
  // A finding of the event being read: its offset is where the event begins (its delta
  // time) and its tick the event's.
  void Report(Severity severity, std::string_view code, std::string message) {
    Report(severity, code, std::move(message), eventStart_, tick_);
  }
  void Report(Severity severity, std::string_view code, std::string message, size_t offset,
              int64_t tick) {
    Finding finding = MakeFinding(severity, code, std::move(message), static_cast<int64_t>(offset));
    finding.track = track_;
    finding.tick = tick;
    if (lostSync_) {
      ++followers_;  // a guess read after the sync was lost: folded into that finding
    } else {
      sink_.Add(std::move(finding));
    }
  }
  // A finding after which the events are no longer read where they begin: what the track
  // yields from here on follows from it, so it is counted into this one.
  void ReportLostSync(Severity severity, std::string_view code, std::string message) {
    if (lostSync_) {
      ++followers_;
      return;
    }
    lostSync_ = MakeFinding(severity, code, std::move(message), static_cast<int64_t>(eventStart_));
    lostSync_->track = track_;
    lostSync_->tick = tick_;
  }
  void ReportFolded();
  // A variable-length number inside the chunk; nothing when it runs past the chunk. `bytes`
  // is how many it took.
  std::optional<uint32_t> VarLen(int& bytes);
  // A length inside an event: one of more than four bytes is reported at once.
  std::optional<uint32_t> LengthVarLen();
  void ReportLongNumber(size_t start, int bytes) {
    Report(Severity::Error, "long-variable-length",
           "a variable-length number of " + std::to_string(bytes) +
               " bytes (at most 4 are allowed) at offset " + std::to_string(start));
  }
  bool ChannelMessage(uint8_t status, size_t eventStart);
  bool SystemExclusive(uint8_t status, size_t eventStart);
  bool Meta(size_t eventStart);
  void EventPastChunk(size_t eventStart) {
    Report(Severity::Error, "event-past-chunk",
           "the event at offset " + std::to_string(eventStart) + " runs past the end of its " +
               "track chunk at offset " + std::to_string(end_));
  }
  void AfterEndOfTrack();
  void NoEndOfTrack() {
    Report(Severity::Warning, "no-end-of-track",
           "the track chunk ends at offset " + std::to_string(end_) + " without End of Track", end_,
           tick_);
  }

  const ByteView& file_;
  size_t pos_;
  size_t end_;
  int track_;
  FindingsSink& sink_;
  int64_t tick_ = 0;
  size_t eventStart_ = 0;  // where the event being read begins
  uint8_t running_ = 0;
  bool afterMetaOrSysex_ = false;
  // A system-exclusive message that waits for its F7 packets: where it begins, and its tick.
  std::optional<std::pair<size_t, int64_t>> openSysex_;
  std::optional<std::pair<size_t, int64_t>> endOfTrack_;  // the End of Track's place
  std::optional<std::pair<size_t, int64_t>> eventsBehindEnd_;
  bool lost_ = false;                // the events could no longer be told apart: the rest is unread
  std::optional<Finding> lostSync_;  // the finding the rest of the track follows from
  size_t followers_ = 0;             // findings folded into it
  struct NoteOn {
    size_t offset;
    int64_t tick;
  };
  std::array<std::array<uint32_t, 128>, 16> sounding_{};
  std::array<std::array<NoteOn, 128>, 16> lastNoteOn_{};
  TrackFacts facts_;
};

void TrackReader::ReportFolded() {
  if (!lostSync_) return;
  Finding finding = std::move(*lostSync_);
  lostSync_.reset();
  if (followers_ > 0)
    finding.message += " \u2026 and " + std::to_string(followers_) +
                       (followers_ == 1 ? " finding that follows" : " findings that follow") +
                       " from it";
  sink_.Add(std::move(finding));
}

std::optional<uint32_t> TrackReader::VarLen(int& bytes) {
  uint32_t value = 0;
  for (bytes = 1;; ++bytes) {
    if (pos_ >= end_) return std::nullopt;
    const uint8_t byte = *file_.At(pos_++);
    value = (value << 7) | (byte & 0x7F);
    if (byte < 0x80) return value;
  }
}

std::optional<uint32_t> TrackReader::LengthVarLen() {
  const size_t start = pos_;
  int bytes = 0;
  const std::optional<uint32_t> value = VarLen(bytes);
  if (value && bytes > 4) ReportLongNumber(start, bytes);
  return value;
}

bool TrackReader::ChannelMessage(uint8_t status, size_t eventStart) {
  const int count = kChannelDataBytes[(status >> 4) - 8];
  std::array<uint8_t, 2> data{};
  for (int i = 0; i < count; ++i) {
    if (pos_ >= end_) {
      EventPastChunk(eventStart);
      return false;
    }
    const uint8_t byte = *file_.At(pos_);
    if (byte >= 0x80) {
      ReportLostSync(Severity::Error, "data-byte-high",
                     "a channel message at offset " + std::to_string(eventStart) +
                         " has the byte " + std::to_string(byte) +
                         " (0x80 or more) where a data byte belongs, at offset " +
                         std::to_string(pos_));
      return true;  // the byte is read again as the next event's status
    }
    data[static_cast<size_t>(i)] = byte;
    ++pos_;
  }
  const int channel = status & 0x0F;
  facts_.channelUsed[static_cast<size_t>(channel)] = true;
  const int kind = status >> 4;
  if (kind == 0x9 && data[1] > 0) {
    ++sounding_[static_cast<size_t>(channel)][data[0]];
    lastNoteOn_[static_cast<size_t>(channel)][data[0]] = {eventStart, tick_};
  } else if (kind == 0x8 || kind == 0x9) {
    uint32_t& open = sounding_[static_cast<size_t>(channel)][data[0]];
    if (open > 0) {
      --open;
    } else {
      Report(Severity::Note, "note-off-without-note-on",
             "a note-off for note " + NoteText(data[0]) + " on channel " +
                 std::to_string(channel + 1) + " that is not sounding");
    }
  }
  return true;
}

bool TrackReader::SystemExclusive(uint8_t status, size_t eventStart) {
  const std::optional<uint32_t> length = LengthVarLen();
  if (!length || *length > end_ - pos_) {
    EventPastChunk(eventStart);
    return false;
  }
  const bool closed = *length > 0 && *file_.At(pos_ + *length - 1) == 0xF7;
  if (status == 0xF0) {
    if (openSysex_)
      Report(Severity::Warning, "sysex-unterminated",
             "a system-exclusive message before offset " + std::to_string(eventStart) +
                 " has no closing F7",
             openSysex_->first, openSysex_->second);
    openSysex_.reset();
    if (!closed) openSysex_.emplace(eventStart, tick_);
    for (Finding& found : SysexFindings(file_.Span(pos_, *length), pos_, eventStart))
      Report(found.severity, found.code, std::move(found.message),
             static_cast<size_t>(found.offset), tick_);
  } else if (openSysex_) {
    Report(Severity::Note, "sysex-continued",
           "a system-exclusive message continues in an F7 packet at offset " +
               std::to_string(eventStart));
    if (closed) openSysex_.reset();
  }
  pos_ += *length;
  return true;
}

bool TrackReader::Meta(size_t eventStart) {
  if (pos_ >= end_) {
    EventPastChunk(eventStart);
    return false;
  }
  const uint8_t type = *file_.At(pos_++);
  const std::optional<uint32_t> length = LengthVarLen();
  if (!length || *length > end_ - pos_) {
    EventPastChunk(eventStart);
    return false;
  }
  const size_t data = pos_;
  pos_ += *length;
  for (const MetaRule& rule : kMetaRules) {
    if (rule.type != type) continue;
    if (static_cast<int>(*length) != rule.length && static_cast<int>(*length) != rule.otherLength)
      Report(Severity::Warning, "meta-length",
             std::string("a ") + rule.name + " meta event of length " + std::to_string(*length) +
                 " (it should be " + std::to_string(rule.length) +
                 (rule.otherLength >= 0 ? " or " + std::to_string(rule.otherLength) : "") + ")");
  }
  if (type == 0x51 && *length == 3 && file_.Number(data, 3) == 0u)
    Report(Severity::Warning, "tempo-zero", "a Set Tempo of 0 microseconds per quarter note");
  if (type == 0x58 && *length >= 2)
    facts_.timeSignatures.push_back({tick_, *file_.At(data), *file_.At(data + 1)});
  if (type == 0x06) {
    const auto text = file_.Span(data, *length);
    facts_.markers.emplace_back(text.begin(), text.end());
  }
  if (type == 0x2F) endOfTrack_.emplace(eventStart, tick_);
  return true;
}

void TrackReader::AfterEndOfTrack() {
  if (pos_ >= end_) return;
  // Bytes that read as further events are data a reader stopping at End of Track loses.
  const size_t rest = end_ - pos_;
  bool events = false;
  {
    size_t at = pos_;
    int count = 0;
    while (at < end_ && count < 4 && (*file_.At(at) & 0x80)) ++at, ++count;
    events = at < end_ && count < 4 && at + 1 < end_ && (*file_.At(at + 1) & 0x80);
  }
  const auto [endAt, endTick] = *endOfTrack_;
  if (events) {
    Report(Severity::Warning, "data-after-end-of-track",
           std::to_string(rest) + " bytes of events follow the End of Track, from offset " +
               std::to_string(pos_) +
               " on; readers that stop there leave them out (they are checked as a track of their "
               "own, from tick " +
               std::to_string(endTick) + " on)",
           endAt, endTick);
    eventsBehindEnd_.emplace(pos_, endTick);
  } else {
    Report(Severity::Warning, "end-of-track-early",
           "the End of Track comes " + std::to_string(rest) +
               " bytes before the end the track chunk declares (offset " + std::to_string(end_) +
               ")",
           endAt, endTick);
  }
}

TrackFacts TrackReader::Read() {
  while (pos_ < end_ && !endOfTrack_) {
    const size_t eventStart = pos_;
    eventStart_ = eventStart;
    int deltaBytes = 0;
    const std::optional<uint32_t> delta = VarLen(deltaBytes);
    if (!delta) {
      EventPastChunk(eventStart);
      break;
    }
    tick_ += *delta;
    if (deltaBytes > 4) ReportLongNumber(eventStart, deltaBytes);
    if (pos_ >= end_) {
      EventPastChunk(eventStart);
      break;
    }
    uint8_t status = *file_.At(pos_);
    if (status >= 0x80) {
      ++pos_;
    } else if (running_ == 0) {
      // Without a status the event's length is unknown, so where the next event begins is
      // too: whatever is read from here on is a guess, and each guess would be a finding.
      // The rest of the track is left unread and said so once.
      Report(Severity::Error, "data-byte-without-status",
             "a data byte at offset " + std::to_string(pos_) +
                 " where a status byte is needed (no running status in force); the " +
                 std::to_string(end_ - pos_) +
                 " bytes from there to the end of the track chunk are not read, as their " +
                 "events cannot be told apart");
      lost_ = true;
      break;
    } else {
      status = running_;
      if (afterMetaOrSysex_)
        Report(Severity::Warning, "running-status-after-meta",
               "running status continues across a meta or system-exclusive event at offset " +
                   std::to_string(pos_));
    }

    bool readOn = true;
    if (status < 0xF0) {
      running_ = status;
      afterMetaOrSysex_ = false;
      readOn = ChannelMessage(status, eventStart);
    } else if (status == 0xF0 || status == 0xF7) {
      afterMetaOrSysex_ = true;
      readOn = SystemExclusive(status, eventStart);
    } else if (status == 0xFF) {
      afterMetaOrSysex_ = true;
      readOn = Meta(eventStart);
    } else {
      Report(Severity::Error, "system-status-in-track",
             "the status byte " + std::to_string(status) + " (a system common or real-time " +
                 "message, which has no place in a file) at offset " + std::to_string(pos_ - 1));
      running_ = 0;
      for (int i = 0; i < kSystemDataBytes[status - 0xF1] && pos_ < end_; ++i)
        if ((*file_.At(pos_) & 0x80) == 0) ++pos_;
    }
    if (!readOn) break;
  }
  if (openSysex_)
    Report(Severity::Warning, "sysex-unterminated",
           "the last system-exclusive message of the track has no closing F7", openSysex_->first,
           openSysex_->second);
  if (lost_) {
    // Of an unread rest only its end tells: End of Track is its last three bytes.
    if (!(end_ - pos_ >= 3 && *file_.At(end_ - 3) == 0xFF && *file_.At(end_ - 2) == 0x2F &&
          *file_.At(end_ - 1) == 0x00))
      NoEndOfTrack();
    ReportFolded();
    return std::move(facts_);  // which notes sound at the end is not known
  }
  if (endOfTrack_) {
    AfterEndOfTrack();
  } else {
    NoEndOfTrack();
  }
  for (size_t channel = 0; channel < 16; ++channel)
    for (size_t note = 0; note < 128; ++note)
      if (sounding_[channel][note] > 0)
        Report(Severity::Warning, "note-left-sounding",
               "note " + NoteText(static_cast<int>(note)) + " on channel " +
                   std::to_string(channel + 1) + " is still sounding at the end of the track",
               lastNoteOn_[channel][note].offset, lastNoteOn_[channel][note].tick);
  ReportFolded();
  return std::move(facts_);
}

}  // namespace

TrackFacts CheckTrack(const ByteView& file, size_t begin, size_t end, int track,
                      FindingsSink& sink) {
  TrackReader reader(file, begin, end, track, 0, sink);
  TrackFacts facts = reader.Read();
  // Events behind an early End of Track are lost to readers that stop there; they are read
  // as a track of their own (which may end early again), so their faults are found too.
  for (auto rest = reader.EventsBehindEnd(); rest;) {
    TrackReader behind(file, rest->first, end, track, rest->second, sink);
    behind.Read();
    rest = behind.EventsBehindEnd();
  }
  return facts;
}

}  // namespace veltrix::check
