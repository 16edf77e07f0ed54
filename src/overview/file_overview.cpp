#include "overview/file_overview.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <cmath>
#include <cstdio>
#include <future>

#include "check/file_check.h"
#include "check/measure_map.h"
#include "core/failure.h"
#include "core/file_image.h"
#include "core/session.h"
#include "overview/event_bytes.h"
#include "overview/style_overview.h"
#include "overview/voice_names.h"
#include "shell/open_command.h"
#include "style/section_locator.h"
#include "timing/tempo_map.h"
#include "universal/message_family.h"

namespace veltrix::overview {

namespace {

constexpr std::array<const char*, 15> kMajorKeys = {"Cb", "Gb", "Db", "Ab", "Eb", "Bb", "F", "C",
                                                    "G",  "D",  "A",  "E",  "B",  "F#", "C#"};
constexpr std::array<const char*, 15> kMinorKeys = {"Ab", "Eb", "Bb", "F",  "C",  "G",  "D", "A",
                                                    "E",  "B",  "F#", "C#", "G#", "D#", "A#"};

std::string KeyText(int sharps, int minor) {
  if (sharps < -7 || sharps > 7) return "unknown key " + std::to_string(sharps);
  const size_t index = static_cast<size_t>(sharps + 7);
  return minor ? std::string(kMinorKeys[index]) + " minor"
               : std::string(kMajorKeys[index]) + " major";
}

double Bpm(int32_t microsecondsPerQuarter) {
  return std::round(60000000.0 / microsecondsPerQuarter * 100.0) / 100.0;
}

// The measure (from 1) of a "M:BB:TTT" position.
int64_t MeasureOf(const check::MeasureMap& map, int32_t tick) {
  const std::string position = map.Position(tick);
  return position.empty() ? 1 : std::stoll(position.substr(0, position.find(':')));
}

// What one pass over the listing's events finds. It takes each event from the walk as the walk
// records it, so no index of the whole file is kept.
class SongPass final : public RowSink {
 public:
  SongPass(FileOverview& overview, const FileImage& image, const CodePage& codePage)
      : overview_(overview), image_(image), codePage_(codePage) {}

  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view*, size_t, const EventRecord& record) override { Add(record); }
  void RowWithPlainCell(const std::string_view*, size_t, size_t, std::string_view,
                        const EventRecord& record) override {
    Add(record);
  }
  // The pass reads the tempo changes from the events themselves.
  void Tempo(int32_t, int32_t) override {}
  bool WantsTexts() const override { return false; }

  // The last event the walk listed, none before the first.
  const std::optional<EventRecord>& Last() const { return last_; }

  void Add(const EventRecord& record) {
    last_ = record;
    const std::optional<EventBytes> event = ReadEvent(image_, record);
    if (!event) return;
    latestTick_ = std::max(latestTick_, record.tick);
    if (event->status == 0xFF) return Meta(record, *event);
    if (event->status == 0xF0 || event->status == 0xF7) return Sysex(*event);
    if (event->status >= 0x80 && event->status < 0xF0) Channel(record, *event);
  }

  // The Measure column's grid: that of the first time signature, none without one.
  check::MeasureMap Measures(int ticksPerQuarter) const {
    if (timeSignatureValues.empty()) return check::MeasureMap(0, 4, 2);
    return check::MeasureMap(ticksPerQuarter, timeSignatureValues.front().first,
                             timeSignatureValues.front().second);
  }
  void Finish(int ticksPerQuarter, const TempoMap& tempos, const check::MeasureMap& measures);

  std::vector<MarkerAt> markers;
  std::vector<std::pair<int32_t, int32_t>> tempos;              // tick, microseconds per quarter
  std::vector<std::pair<int32_t, std::string>> timeSignatures;  // tick, "n/d"
  std::vector<std::pair<int, int>> timeSignatureValues;         // numerator, power
  std::optional<int32_t> endOfTrack;
  int32_t latestTick_ = 0;

 private:
  std::string Text(const EventBytes& event) const {
    return codePage_.ToUtf8(
        std::string_view(reinterpret_cast<const char*>(event.data.data()), event.data.size()));
  }

  void Meta(const EventRecord& record, const EventBytes& event) {
    const std::span<const uint8_t> data = event.data;
    switch (event.metaType) {
      case 0x01:
        if (!overview_.title) overview_.title = Text(event);
        break;
      case 0x02:
        if (!overview_.copyright) overview_.copyright = Text(event);
        break;
      case 0x03:
        overview_.names.push_back(Text(event));
        break;
      case 0x05:
        ++overview_.lyrics;
        break;
      case 0x06:
        markers.push_back({record.tick, std::nullopt, Text(event), record.first});
        break;
      case 0x51:
        if (data.size() == 3) {
          const int32_t value = (data[0] << 16) | (data[1] << 8) | data[2];
          if (value > 0) tempos.emplace_back(record.tick, value);
        }
        break;
      case 0x58:
        if (data.size() >= 2 && data[1] < 31) {
          timeSignatures.emplace_back(
              record.tick, std::to_string(data[0]) + "/" + std::to_string(int64_t{1} << data[1]));
          timeSignatureValues.emplace_back(data[0], data[1]);
        }
        break;
      case 0x59:
        if (data.size() >= 2)
          overview_.keys.push_back(KeyText(static_cast<int8_t>(data[0]), data[1]));
        break;
      default:
        break;
    }
  }

  void Sysex(const EventBytes& event) {
    using universal::MessageFamily;
    const std::span<const uint8_t> d = event.data;
    SysexCounts& counts = overview_.sysex;
    if (event.status != 0xF0) {
      ++counts.other;  // an F7 packet or escape
      return;
    }
    switch (universal::FamilyOf(universal::MessageBytes(d))) {
      case MessageFamily::XgSystemOn:
        counts.standard = "XG";
        [[fallthrough]];
      case MessageFamily::Xg:
        ++counts.xg;
        break;
      case MessageFamily::GsReset:
        counts.standard = "GS";
        [[fallthrough]];
      case MessageFamily::Gs:
        ++counts.gs;
        break;
      case MessageFamily::Gm2SystemOn:
        if (counts.standard != "XG" && counts.standard != "GS") counts.standard = "GM2";
        ++counts.gm;
        break;
      case MessageFamily::Gm1SystemOn:
        if (!counts.standard) counts.standard = "GM";
        ++counts.gm;
        break;
      case MessageFamily::GmSystemOff:
        ++counts.gm;
        break;
      case MessageFamily::UniversalNonRealTime:
      case MessageFamily::UniversalRealTime:
        ++counts.universal;
        break;
      case MessageFamily::Other:
        ++(!d.empty() && d[0] == 0x43 ? counts.keyboard : counts.other);
        break;
    }
  }

  void Channel(const EventRecord& record, const EventBytes& event) {
    const size_t index = event.status & 0x0F;
    ChannelTally& tally = tallies_[index];
    used_[index] = true;
    const int kind = event.status >> 4;
    const int first = event.data.empty() ? 0 : event.data[0];
    const int second = event.data.size() > 1 ? event.data[1] : 0;
    if (kind == 0x9 && second > 0) {
      ++tally.notes;
      tally.lowest = std::min(tally.lowest, first);
      tally.highest = std::max(tally.highest, first);
      tally.velocityLow = std::min(tally.velocityLow, second);
      tally.velocityHigh = std::max(tally.velocityHigh, second);
    } else if (kind == 0xB) {
      tally.controllers.set(static_cast<size_t>(first));
      if (first == 0) bankMsb_[index] = second;
      if (first == 32) bankLsb_[index] = second;
      if (first == 0 && second == 127) tally.drums = true;
    } else if (kind == 0xC) {
      tally.programs.push_back(
          {record.tick, bankMsb_[index], bankLsb_[index], first, std::string(), record.first});
    }
  }

  // A channel's counts as plain numbers while the pass runs (the walk hands over a million
  // events a second); Finish turns them into its ChannelUse.
  struct ChannelTally {
    int64_t notes = 0;
    int lowest = INT_MAX, highest = INT_MIN, velocityLow = INT_MAX, velocityHigh = INT_MIN;
    bool drums = false;
    std::bitset<256> controllers;  // a damaged file may give a data byte above 127
    std::vector<ProgramAt> programs;
  };

  FileOverview& overview_;
  const FileImage& image_;
  const CodePage& codePage_;
  std::array<ChannelTally, 16> tallies_{};
  std::array<bool, 16> used_{};
  std::array<std::optional<int>, 16> bankMsb_{}, bankLsb_{};
  std::optional<EventRecord> last_;
};

void SongPass::Finish(int ticksPerQuarter, const TempoMap& tempoMap,
                      const check::MeasureMap& measures) {
  for (size_t index = 0; index < tallies_.size(); ++index) {
    if (!used_[index]) continue;
    ChannelTally& tally = tallies_[index];
    ChannelUse use;
    use.channel = static_cast<int>(index) + 1;
    use.notes = tally.notes;
    if (tally.notes > 0) {
      use.lowest = tally.lowest;
      use.highest = tally.highest;
      use.velocityLow = tally.velocityLow;
      use.velocityHigh = tally.velocityHigh;
    }
    use.drums = tally.drums || use.channel == 10;
    use.programs = std::move(tally.programs);
    for (size_t controller = 0; controller < tally.controllers.size(); ++controller)
      if (tally.controllers[controller]) use.controllers.push_back(static_cast<int>(controller));
    for (ProgramAt& program : use.programs)
      program.name = VoiceName(program.bankMsb, program.bankLsb, program.program, use.drums);
    overview_.channels.push_back(std::move(use));
  }
  for (MarkerAt& marker : markers)
    if (tempoMap.GivesTime()) marker.microseconds = tempoMap.MicrosecondsAt(marker.tick);
  overview_.markers = markers;

  for (const auto& [tick, signature] : timeSignatures)
    overview_.timeSignatures.push_back({MeasureOf(measures, tick), tick, signature});

  overview_.tempoChanges = static_cast<int64_t>(tempos.size());
  if (ticksPerQuarter > 0) {
    const int32_t first =
        tempos.empty() || tempos.front().first > 0 ? kDefaultTempo : tempos.front().second;
    overview_.tempoFirst = Bpm(first);
    overview_.tempoLowest = overview_.tempoHighest = overview_.tempoFirst;
    for (const auto& tempo : tempos) {
      overview_.tempoLowest = std::min(*overview_.tempoLowest, Bpm(tempo.second));
      overview_.tempoHighest = std::max(*overview_.tempoHighest, Bpm(tempo.second));
    }
  }
}

// The tick of the End of Track behind the last listed event (the walk stops at it without a
// row), when the bytes there hold one.
std::optional<int32_t> EndOfTrackTick(const FileImage& image, const EventRecord& last) {
  try {
    int64_t position = int64_t{last.last} + 1;
    int64_t delta = 0;
    for (int count = 0; count < 4; ++count) {
      const uint8_t byte = image.at(position++);
      delta = (delta << 7) | (byte & 0x7F);
      if ((byte & 0x80) == 0) break;
    }
    if (image.at(position) != 0xFF || image.at(position + 1) != 0x2F) return std::nullopt;
    return static_cast<int32_t>(std::min<int64_t>(last.tick + delta, INT32_MAX));
  } catch (const Failure&) {
    return std::nullopt;
  }
}

// The number of "MTrk" chunks the file holds, walked by their declared lengths.
int TrackChunks(const FileImage& file) {
  int count = 0;
  int64_t position = 14;
  while (position + 8 <= file.FileLength()) {
    if (file.HasTagAt(position, "MTrk"))
      ++count;
    else if (!file.HasTagAt(position, "MThd") && count > 0)
      break;
    position += 8 + int64_t{file.BigEndian32(position + 4)};
  }
  return count;
}

}  // namespace

std::string LengthText(int64_t microseconds) {
  const int64_t seconds = microseconds / 1000000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return text;
}

FileOverview OverviewOfFile(const std::string& path, const std::string& codePage) {
  FileOverview overview;
  overview.path = path;
  FileImage file;
  try {
    file = LoadFileImage(path);
  } catch (const Failure& failure) {
    overview.message = "the file cannot be read: " + failure.description();
    overview.problems[0] = 1;
    return overview;
  } catch (const std::exception& failure) {
    overview.message = std::string("the file cannot be read: ") + failure.what();
    overview.problems[0] = 1;
    return overview;
  }
  // The check reads the file on its own, so it runs beside the walk on a second core; both
  // share the loaded bytes. The file also gives the header as it stands (the walk may list a
  // converted image).
  std::future<check::FileCheck> checking = std::async(
      std::launch::async, [file, &path] { return check::CheckFile(file.bytes(), path); });

  Session session;
  session.codePage = CodePage(codePage);
  std::vector<std::string> messages;
  session.ConnectMessages([&](const std::string& text) { messages.push_back(text); });
  SongPass pass(overview, session.image, session.codePage);
  const OpenOutcome outcome = OpenFileImage(session, path, file, &pass);
  const auto counts = checking.get().Counts();
  for (size_t i = 0; i < 3; ++i) overview.problems[i] = static_cast<int64_t>(counts[i]);
  if (outcome != OpenOutcome::Listed) {
    overview.message = messages.empty() ? "the file cannot be listed" : messages.front();
    return overview;
  }
  overview.readable = true;
  if (file.FileLength() >= 14 && file.HasTagAt(0, "MThd")) {
    overview.format = file.BigEndian16(8);
    overview.declaredTracks = file.BigEndian16(10);
    overview.division = file.BigEndian16(12);
    overview.tracks = TrackChunks(file);
  }
  const Division division = DivisionOf(static_cast<uint16_t>(overview.division.value_or(0)));
  if (pass.Last())
    if (const std::optional<int32_t> end = EndOfTrackTick(session.image, *pass.Last())) {
      pass.endOfTrack = *end;
      pass.latestTick_ = std::max(pass.latestTick_, *end);
    }
  TempoMap tempoMap(division);
  for (const auto& [tick, value] : pass.tempos) tempoMap.AddTempo(tick, value);
  const check::MeasureMap measures = pass.Measures(division.ticksPerQuarter);
  pass.Finish(division.ticksPerQuarter, tempoMap, measures);
  if (tempoMap.GivesTime()) overview.microseconds = tempoMap.MicrosecondsAt(pass.latestTick_);

  const std::optional<int64_t> casm = LocateCasm(session);
  const bool style = check::IsStyleName(path) || (casm && session.image.HasTagAt(*casm, "CASM"));
  overview.kind = style ? "style" : "song";
  if (style) {
    StyleTrack track;
    track.endTick = pass.endOfTrack.value_or(pass.latestTick_);
    const auto [numerator, power] = pass.timeSignatureValues.empty()
                                        ? std::pair<int, int>{4, 2}
                                        : pass.timeSignatureValues.front();
    track.ticksPerMeasure = int64_t{division.ticksPerQuarter} * 4 * numerator >> power;
    track.measureOf = [&measures](int32_t tick) { return MeasureOf(measures, tick); };
    overview.style = ReadStyle(session, file, overview, track);
  }
  return overview;
}

}  // namespace veltrix::overview
