#include "timing/go_to.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "midi/meta_events.h"

namespace veltrix {

namespace {

constexpr const char* kEntryForms =
    "Enter a measure (12, 12:3, 12:03:240), a time (1:23.5, 83.5s) or a file offset (#1234, "
    "0x4D2).";
constexpr int64_t kLargest = int64_t{1} << 40;

// "\"FIELD\" WHY " and the forms an entry may take.
std::string Refusal(std::string_view field, std::string_view why) {
  std::string text = "\"";
  text.append(field).append("\" ").append(why).append(" ").append(kEntryForms);
  return text;
}
constexpr uint8_t kMarkerType = 0x06;
constexpr uint8_t kTimeSignatureType = 0x58;

// Digits only, in `base`, below kLargest.
std::optional<int64_t> WholeNumber(std::string_view text, int base = 10) {
  int64_t value = 0;
  if (text.empty()) return std::nullopt;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value >= kLargest)
    return std::nullopt;
  return value;
}

// Seconds with an optional fraction ("83", "83.5") as microseconds; digits past the sixth of
// the fraction are dropped.
std::optional<int64_t> SecondsText(std::string_view text) {
  const size_t point = text.find('.');
  const std::optional<int64_t> whole = WholeNumber(text.substr(0, point));
  if (!whole) return std::nullopt;
  int64_t microseconds = *whole * 1000000;
  if (point == std::string_view::npos) return microseconds;
  std::string_view fraction = text.substr(point + 1);
  if (fraction.empty()) return std::nullopt;
  int64_t scale = 100000;
  for (char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    microseconds += (c - '0') * scale;
    scale /= 10;
  }
  return microseconds;
}

// The fields of `text` between colons.
std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t colon = text.find(':', start);
    fields.push_back(text.substr(start, colon - start));
    if (colon == std::string_view::npos) return fields;
    start = colon + 1;
  }
}

std::optional<GoToPlace> ReadTime(std::string_view text, std::string& error) {
  if (!text.empty() && (text.back() == 's' || text.back() == 'S')) text.remove_suffix(1);
  std::vector<std::string_view> fields = Fields(text);
  if (fields.size() > 3) {
    error = "A time has at most hours, minutes and seconds: h:mm:ss.mmm.";
    return std::nullopt;
  }
  std::optional<int64_t> seconds = SecondsText(fields.back());
  if (!seconds) {
    error = Refusal(fields.back(), "is not a number of seconds.");
    return std::nullopt;
  }
  if (fields.size() > 1 && *seconds >= 60 * 1000000) {
    error = "The seconds of a time with minutes must be below 60.";
    return std::nullopt;
  }
  int64_t scale = 60 * int64_t{1000000};
  for (size_t f = fields.size() - 1; f-- > 0; scale *= 60) {
    std::optional<int64_t> value = WholeNumber(fields[f]);
    if (!value) {
      error = Refusal(fields[f], "is not a whole number.");
      return std::nullopt;
    }
    if (f + 2 == fields.size() && fields.size() == 3 && *value >= 60) {
      error = "The minutes of a time with hours must be below 60.";
      return std::nullopt;
    }
    *seconds += *value * scale;
  }
  GoToPlace place;
  place.kind = GoToPlace::Kind::Time;
  place.microseconds = *seconds;
  return place;
}

std::optional<GoToPlace> ReadMeasure(std::string_view text, std::string& error) {
  std::vector<std::string_view> fields = Fields(text);
  if (fields.size() > 3) {
    error = "A measure has at most three parts: measure:beat:tick.";
    return std::nullopt;
  }
  int64_t parts[3] = {1, 1, 0};
  for (size_t f = 0; f < fields.size(); ++f) {
    std::optional<int64_t> value = WholeNumber(fields[f]);
    if (!value) {
      error = Refusal(fields[f], "is not a whole number.");
      return std::nullopt;
    }
    parts[f] = *value;
  }
  if (parts[0] < 1 || parts[1] < 1) {
    error = "Measures and beats count from 1.";
    return std::nullopt;
  }
  GoToPlace place;
  place.measure = parts[0];
  place.beat = parts[1];
  place.tick = parts[2];
  return place;
}

std::optional<GoToPlace> ReadOffset(std::string_view digits, int base, std::string& error) {
  std::optional<int64_t> value = WholeNumber(digits, base);
  if (!value) {
    error = base == 16 ? "A file offset after 0x is written in hexadecimal digits."
                       : "A file offset after # is written in decimal digits.";
    return std::nullopt;
  }
  GoToPlace place;
  place.kind = GoToPlace::Kind::Offset;
  place.offset = *value;
  return place;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The ticks from the start to a measure, beat and tick, on the grid the listing uses: that of
// the file's first Time Signature event.
std::optional<int64_t> TickOfMeasure(const Session& session, const GoToPlace& place,
                                     std::string& error) {
  const EventIndex& index = session.window.events;
  const Division division = DivisionOfFile(session.image);
  std::optional<MetaEventData> first;
  int32_t firstAt = 0;
  for (size_t row = 0; row < index.size(); ++row) {
    const EventRecord record = *index.Of(row);
    if (record.status != 0xFF || (first && record.first > firstAt)) continue;
    std::optional<MetaEventData> meta = MetaEventOf(session.image, record);
    if (meta && meta->type == kTimeSignatureType && meta->length >= 2 &&
        meta->first + 1 <= record.last) {
      first = meta;
      firstAt = record.first;
    }
  }
  if (!first || division.ticksPerQuarter <= 0) {
    error = "The file has no Time Signature event, so it has no measures.";
    return std::nullopt;
  }
  const int numerator = session.image.at(first->first);
  const int power = session.image.at(first->first + 1);
  if (numerator == 0 || power >= 15) {
    error = "The file's first Time Signature has no measure length.";
    return std::nullopt;
  }
  const int64_t perMeasure = TicksPerMeasure(numerator, power, division.ticksPerQuarter);
  const int64_t perBeat = perMeasure / numerator;
  return (place.measure - 1) * perMeasure + (place.beat - 1) * perBeat + place.tick;
}

}  // namespace

std::optional<GoToPlace> ReadGoToEntry(std::string_view entry, std::string& error) {
  const std::string_view text = Trimmed(entry);
  if (text.empty()) {
    error = kEntryForms;
    return std::nullopt;
  }
  if (text.front() == '#') return ReadOffset(text.substr(1), 10, error);
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ReadOffset(text.substr(2), 16, error);
  const bool time =
      text.find('.') != std::string_view::npos || text.back() == 's' || text.back() == 'S';
  return time ? ReadTime(text, error) : ReadMeasure(text, error);
}

std::optional<GoToPlace> ReadGoToEntryAs(GoToPlace::Kind kind, std::string_view entry,
                                         std::string& error) {
  const std::string_view text = Trimmed(entry);
  switch (kind) {
    case GoToPlace::Kind::Measure:
      if (!text.empty()) return ReadMeasure(text, error);
      error = "Enter a measure: 12, 12:3 or 12:03:240.";
      return std::nullopt;
    case GoToPlace::Kind::Time:
      if (!text.empty() && text != "s" && text != "S") return ReadTime(text, error);
      error = "Enter a time: 0:30, 1:23.5, 1:02:03.5 or 83.5s.";
      return std::nullopt;
    case GoToPlace::Kind::Offset:
      break;
  }
  if (text.empty()) {
    error = "Enter a file offset: 1234, #1234 or 0x4D2.";
    return std::nullopt;
  }
  if (text.front() == '#') return ReadOffset(text.substr(1), 10, error);
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return ReadOffset(text.substr(2), 16, error);
  if (!WholeNumber(text)) {
    error = "A file offset is written in decimal digits, or in hexadecimal after 0x.";
    return std::nullopt;
  }
  return ReadOffset(text, 10, error);
}

std::optional<GoToTarget> GoToTarget::For(const Session& session, const GoToPlace& place,
                                          std::string& error) {
  const WindowModel& window = session.window;
  const EventIndex& index = window.events;
  const std::string view = window.PressedView();
  if ((view != "Midi" && view != "Ots") || index.view() != view) {
    error = "Go To finds events in the Midi and Ots views.";
    return std::nullopt;
  }
  GoToTarget target(session, place);
  if (place.kind == GoToPlace::Kind::Measure) {
    if (view != "Midi") {
      error = "The Ots view has no measures: enter a time or a file offset.";
      return std::nullopt;
    }
    target.tick_ = TickOfMeasure(session, place, error);
    if (!target.tick_) return std::nullopt;
  } else if (place.kind == GoToPlace::Kind::Time) {
    target.times_.emplace(session.image, index);
    if (!target.times_->GivesTime()) {
      error = "The file's header gives no time to its ticks.";
      return std::nullopt;
    }
  }
  return target;
}

bool GoToTarget::Reached(size_t row) const {
  const std::optional<EventRecord> record = session_->window.events.Of(row);
  if (!record) return false;
  if (tick_) return record->tick >= *tick_;
  if (times_) return times_->Of(*record) >= place_.microseconds;
  return record->last >= place_.offset;
}

std::optional<size_t> FirstRowAtOrAfter(const Session& session, const GoToPlace& place,
                                        std::string& error, const ShownRows* shown) {
  const std::optional<GoToTarget> target = GoToTarget::For(session, place, error);
  if (!target) return std::nullopt;
  const size_t rows = shown ? shown->size() : session.window.events.size();
  for (size_t row = 0; row < rows; ++row)
    if (target->Reached(shown ? (*shown)[row] : row)) return row;
  error = "No event lies at or after that place.";
  return std::nullopt;
}

bool IsMarkerRow(const Session& session, size_t row) {
  const std::optional<EventRecord> record = session.window.events.Of(row);
  if (!record) return false;
  const std::optional<MetaEventData> meta = MetaEventOf(session.image, *record);
  return meta && meta->type == kMarkerType;
}

std::optional<size_t> MarkerRow(const Session& session, std::optional<size_t> from, bool forward,
                                const ShownRows* shown) {
  const size_t rows = shown ? shown->size() : session.window.events.size();
  auto isMarker = [&](size_t row) { return IsMarkerRow(session, shown ? (*shown)[row] : row); };
  if (forward) {
    for (size_t row = from ? *from + 1 : 0; row < rows; ++row)
      if (isMarker(row)) return row;
  } else {
    for (size_t row = from ? std::min(*from, rows) : rows; row-- > 0;)
      if (isMarker(row)) return row;
  }
  return std::nullopt;
}

}  // namespace veltrix
