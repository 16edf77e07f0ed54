#include "overview/overview_report.h"

#include <cstdio>

#include "overview/voice_names.h"

namespace veltrix::overview {

namespace {

// Writes JSON members in order, each after a comma but the first.
class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  void End() { out_ += '}'; }
  std::string& Member(const char* name) {
    if (!first_) out_ += ',';
    first_ = false;
    AppendJsonString(name, out_);
    out_ += ':';
    return out_;
  }
  void String(const char* name, const std::string& value) { AppendJsonString(value, Member(name)); }
  void String(const char* name, const std::optional<std::string>& value) {
    if (value) return String(name, *value);
    Member(name) += "null";
  }
  template <class Number>
  void Int(const char* name, const std::optional<Number>& value) {
    Member(name) += value ? std::to_string(*value) : std::string("null");
  }
  void Int(const char* name, int64_t value) { Member(name) += std::to_string(value); }
  void Decimal(const char* name, const std::optional<double>& value) {
    Member(name) += value ? DecimalText(*value) : std::string("null");
  }
  void Bool(const char* name, bool value) { Member(name) += value ? "true" : "false"; }

 private:
  std::string& out_;
  bool first_ = true;
};

template <class Item, class Write>
void Array(std::string& out, const std::vector<Item>& items, const Write& write) {
  out += '[';
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    write(items[i]);
  }
  out += ']';
}

void StringArray(std::string& out, const std::vector<std::string>& items) {
  Array(out, items, [&](const std::string& item) { AppendJsonString(item, out); });
}

void StyleMembers(JsonObject& object, const std::optional<StyleOverview>& style) {
  if (!style) {
    for (const char* name : {"style_format", "sections", "parts", "ots", "music_finder_records"})
      object.Member(name) += "null";
    return;
  }
  object.String("style_format", style->format.empty() ? std::optional<std::string>()
                                                      : std::optional(style->format));
  std::string& sections = object.Member("sections");
  Array(sections, style->sections, [&](const StyleSection& section) {
    JsonObject item(sections);
    item.String("name", section.name);
    item.Int("tick", section.tick);
    item.Int("measure", section.measure);
    item.Int("ticks", section.ticks);
    item.Decimal("bars", section.bars);
    item.End();
  });
  std::string& parts = object.Member("parts");
  Array(parts, style->parts, [&](const StylePart& part) {
    JsonObject item(parts);
    item.Int("channel", part.channel);
    item.String("name", part.name);
    item.Int("source_channel", part.sourceChannel);
    StringArray(item.Member("sections"), part.sections);
    item.Int("program", part.program);
    item.Int("bank_msb", part.bankMsb);
    item.Int("bank_lsb", part.bankLsb);
    item.String("voice", part.program ? std::optional(part.voice) : std::nullopt);
    item.End();
  });
  std::string& ots = object.Member("ots");
  Array(ots, style->ots, [&](const OtsSetting& setting) {
    JsonObject item(ots);
    item.Int("number", setting.number);
    std::string& settingParts = item.Member("parts");
    Array(settingParts, setting.parts, [&](const OtsPart& part) {
      JsonObject entry(settingParts);
      entry.Int("channel", part.channel);
      entry.Int("program", part.program);
      entry.Int("bank_msb", part.bankMsb);
      entry.Int("bank_lsb", part.bankLsb);
      entry.String("voice", part.program ? std::optional(part.voice) : std::nullopt);
      entry.Int("volume", part.volume);
      entry.Int("pan", part.pan);
      entry.End();
    });
    item.End();
  });
  object.Int("music_finder_records", style->musicFinderRecords);
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace

std::string DecimalText(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string out = text;
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out;
}

std::string TimeText(int64_t microseconds) {
  char text[48];
  std::snprintf(text, sizeof text, "%s.%03lld", LengthText(microseconds).c_str(),
                static_cast<long long>(microseconds / 1000 % 1000));
  return text;
}

std::string OverviewJson(const FileOverview& overview) {
  std::string out;
  JsonObject object(out);
  object.String("path", overview.path);
  const bool known = overview.readable;
  object.String("kind", known ? std::optional(overview.kind) : std::nullopt);
  object.Int("format", overview.format);
  object.Int("tracks", overview.tracks);
  object.Int("declared_tracks", overview.declaredTracks);
  object.Int("division", overview.division);
  object.String("length", overview.microseconds ? std::optional(LengthText(*overview.microseconds))
                                                : std::nullopt);
  object.Decimal("seconds", overview.microseconds
                                ? std::optional(static_cast<double>(*overview.microseconds) / 1e6)
                                : std::nullopt);
  {
    JsonObject tempo(object.Member("tempo"));
    tempo.Decimal("first", overview.tempoFirst);
    tempo.Decimal("lowest", overview.tempoLowest);
    tempo.Decimal("highest", overview.tempoHighest);
    tempo.Int("changes", known ? std::optional(overview.tempoChanges) : std::nullopt);
    tempo.End();
  }
  std::string& signatures = object.Member("time_signatures");
  Array(signatures, overview.timeSignatures, [&](const TimeSignatureAt& signature) {
    JsonObject item(signatures);
    item.Int("measure", signature.measure);
    item.Int("tick", signature.tick);
    item.String("signature", signature.signature);
    item.End();
  });
  StringArray(object.Member("keys"), overview.keys);
  StringArray(object.Member("names"), overview.names);
  object.String("copyright", overview.copyright);
  object.String("title", overview.title);
  object.Int("lyrics", known ? std::optional(overview.lyrics) : std::nullopt);
  std::string& markers = object.Member("markers");
  Array(markers, overview.markers, [&](const MarkerAt& marker) {
    JsonObject item(markers);
    item.Int("tick", marker.tick);
    item.String("time",
                marker.microseconds ? std::optional(TimeText(*marker.microseconds)) : std::nullopt);
    item.String("text", marker.text);
    item.End();
  });
  std::string& channels = object.Member("channels");
  Array(channels, overview.channels, [&](const ChannelUse& use) {
    JsonObject item(channels);
    item.Int("channel", use.channel);
    item.Int("notes", use.notes);
    item.Int("lowest", use.lowest);
    item.Int("highest", use.highest);
    item.String("lowest_name", use.lowest ? std::optional(NoteText(*use.lowest)) : std::nullopt);
    item.String("highest_name", use.highest ? std::optional(NoteText(*use.highest)) : std::nullopt);
    item.Int("velocity_low", use.velocityLow);
    item.Int("velocity_high", use.velocityHigh);
    item.Bool("drums", use.drums);
    std::string& programs = item.Member("programs");
    Array(programs, use.programs, [&](const ProgramAt& program) {
      JsonObject entry(programs);
      entry.Int("tick", program.tick);
      entry.Int("bank_msb", program.bankMsb);
      entry.Int("bank_lsb", program.bankLsb);
      entry.Int("program", program.program);
      entry.String("name", program.name);
      entry.End();
    });
    std::string& controllers = item.Member("controllers");
    Array(controllers, use.controllers, [&](int number) {
      JsonObject entry(controllers);
      entry.Int("number", number);
      entry.String("name", std::string(ControllerText(number)));
      entry.End();
    });
    item.End();
  });
  if (known) {
    JsonObject sysex(object.Member("sysex"));
    sysex.Int("xg", overview.sysex.xg);
    sysex.Int("gm", overview.sysex.gm);
    sysex.Int("gs", overview.sysex.gs);
    sysex.Int("keyboard", overview.sysex.keyboard);
    sysex.Int("universal", overview.sysex.universal);
    sysex.Int("other", overview.sysex.other);
    sysex.String("standard", overview.sysex.standard);
    sysex.End();
  } else {
    object.Member("sysex") += "null";
  }
  {
    JsonObject problems(object.Member("problems"));
    problems.Int("error", overview.problems[0]);
    problems.Int("warning", overview.problems[1]);
    problems.Int("note", overview.problems[2]);
    problems.End();
  }
  StyleMembers(object, overview.style);
  object.String("message",
                overview.message.empty() ? std::nullopt : std::optional(overview.message));
  object.End();
  return out;
}

namespace {

const std::vector<Column> kReportColumns = {
    {"Path", 0, Alignment::Left, ""},     {"Kind", 0, Alignment::Left, ""},
    {"Format", 0, Alignment::Left, ""},   {"Length", 0, Alignment::Left, ""},
    {"Tempo", 0, Alignment::Left, ""},    {"Time signature", 0, Alignment::Left, ""},
    {"Key", 0, Alignment::Left, ""},      {"Channels", 0, Alignment::Left, ""},
    {"Sections", 0, Alignment::Left, ""}, {"Voices", 0, Alignment::Left, ""},
    {"Errors", 0, Alignment::Left, ""},   {"Warnings", 0, Alignment::Left, ""},
    {"Notes", 0, Alignment::Left, ""}};

}  // namespace

std::string OverviewTableHeader(TableFormat format) {
  std::string text;
  const TextSink into = [&](std::string_view part) { text.append(part); };
  TableTextWriter table(format, into);
  table.Header(kReportColumns);
  table.Flush();
  return text;
}

std::string OverviewTableLine(TableFormat format, const FileOverview& overview) {
  std::vector<std::string> channels, sections, voices;
  for (const ChannelUse& use : overview.channels) {
    channels.push_back(std::to_string(use.channel));
    if (!use.programs.empty())
      voices.push_back(std::to_string(use.channel) + ":" + use.programs.front().name);
  }
  std::string fileFormat = overview.format ? std::to_string(*overview.format) : std::string();
  if (overview.style) {
    for (const StyleSection& section : overview.style->sections)
      sections.push_back(section.name + " " + DecimalText(section.bars));
    if (!overview.style->format.empty()) fileFormat += " " + overview.style->format;
  }
  const std::string cells[] = {
      overview.path,
      overview.readable ? overview.kind : std::string(),
      fileFormat,
      overview.microseconds ? LengthText(*overview.microseconds) : std::string(),
      overview.tempoFirst ? DecimalText(*overview.tempoFirst) : std::string(),
      overview.timeSignatures.empty() ? std::string() : overview.timeSignatures.front().signature,
      overview.keys.empty() ? std::string() : overview.keys.front(),
      Joined(channels),
      Joined(sections),
      Joined(voices),
      std::to_string(overview.problems[0]),
      std::to_string(overview.problems[1]),
      std::to_string(overview.problems[2])};
  std::vector<std::string_view> views(std::begin(cells), std::end(cells));
  std::string text;
  const TextSink into = [&](std::string_view part) { text.append(part); };
  TableTextWriter table(format, into);
  table.SetColumnCount(views.size());
  table.Row(views.data(), views.size());
  table.Flush();
  return text;
}

}  // namespace veltrix::overview
