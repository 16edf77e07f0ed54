#include "overview/style_overview.h"

#include <cmath>
#include <map>

#include "core/failure.h"
#include "overview/event_bytes.h"
#include "overview/voice_names.h"
#include "style/casm_section.h"
#include "style/section_locator.h"
#include "views/select_view.h"

namespace veltrix::overview {

namespace {

bool IsFormatMarker(const std::string& text) {
  return text == "SFF1" || text == "SFF2";
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

std::vector<std::string> SplitSections(const std::string& list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    std::string name = Trimmed(list.substr(start, comma - start));
    if (!name.empty()) names.push_back(std::move(name));
    start = comma + 1;
  }
  return names;
}

void ReadSections(StyleOverview& style, const FileOverview& overview, const StyleTrack& track) {
  std::vector<const MarkerAt*> starts;
  for (const MarkerAt& marker : overview.markers) {
    if (IsFormatMarker(marker.text)) {
      if (style.format.empty()) style.format = marker.text;
      continue;
    }
    starts.push_back(&marker);
  }
  for (size_t i = 0; i < starts.size(); ++i) {
    const int32_t end = i + 1 < starts.size() ? starts[i + 1]->tick : track.endTick;
    StyleSection section;
    section.name = starts[i]->text;
    section.tick = starts[i]->tick;
    section.measure = track.measureOf(section.tick);
    section.ticks = std::max(0, end - section.tick);
    if (track.ticksPerMeasure > 0)
      section.bars = std::round(static_cast<double>(section.ticks) * 100.0 /
                                static_cast<double>(track.ticksPerMeasure)) /
                     100.0;
    section.event = starts[i]->event;
    style.sections.push_back(std::move(section));
  }
}

// The parts of the CASM section; a record the image cuts short ends the walk.
void ReadParts(StyleOverview& style, const FileImage& file, const CodePage& codePage,
               const FileOverview& overview) {
  Session casm;
  casm.image = file;
  casm.codePage = codePage;
  const std::optional<int64_t> start = LocateCasm(casm);
  if (!start || !casm.image.HasTagAt(*start, "CASM")) return;
  int64_t position = *start;
  std::vector<std::string> sections;
  const casm::SectionSteps steps{
      [&](const std::string& list, int) { sections = SplitSections(list); },
      [&](int64_t record) {
        if (casm.image.HasTagAt(record, "Ctb2")) style.format = "SFF2";
        StylePart part;
        part.sourceChannel = casm.image.at(record + 8) + 1;
        part.name = Trimmed(casm::TextAt(casm, record + 9, 8));
        part.channel = casm.image.at(record + 17) + 1;
        part.sections = sections;
        // The voice the style's own setup gives the destination channel: its first program.
        for (const ChannelUse& use : overview.channels)
          if (use.channel == part.channel && !use.programs.empty()) {
            const ProgramAt& program = use.programs.front();
            part.program = program.program;
            part.bankMsb = program.bankMsb;
            part.bankLsb = program.bankLsb;
            part.voice = program.name;
          }
        style.parts.push_back(std::move(part));
        return true;
      },
      [](int64_t) {}};
  try {
    casm::WalkSection(casm, position, steps);
  } catch (const Failure&) {
  }
  if (style.format.empty() && !style.parts.empty()) style.format = "SFF1";
}

// The voices, volumes and pans the one-touch settings give their channels.
void ReadOts(StyleOverview& style, Session& session) {
  SelectView(session, "Ots");
  struct ChannelState {
    OtsPart part;
    std::optional<int> msb, lsb;
  };
  std::map<int, std::map<int, ChannelState>> settings;  // by number, then channel
  const EventIndex& events = session.window.events;
  for (size_t row = 0; row < events.size(); ++row) {
    const EventRecord record = *events.Of(row);
    if (record.otsTrack <= 0 || record.status < 0x80 || record.status >= 0xF0) continue;
    std::optional<EventBytes> event;
    try {
      event = ReadEvent(session.image, record);
    } catch (const Failure&) {
    }
    if (!event || event->data.empty()) continue;
    const int channel = (record.status & 0x0F) + 1;
    ChannelState& state = settings[record.otsTrack][channel];
    state.part.channel = channel;
    const int first = event->data[0];
    const int second = event->data.size() > 1 ? event->data[1] : 0;
    switch (record.status >> 4) {
      case 0xB:
        if (first == 0) state.msb = second;
        if (first == 32) state.lsb = second;
        if (first == 7) state.part.volume = second;
        if (first == 10) state.part.pan = second;
        break;
      case 0xC:
        state.part.program = first;
        state.part.bankMsb = state.msb;
        state.part.bankLsb = state.lsb;
        state.part.voice =
            VoiceName(state.msb, state.lsb, first, channel == 10 || state.msb == 127);
        break;
      default:
        break;
    }
  }
  for (auto& [number, channels] : settings) {
    OtsSetting setting;
    setting.number = number;
    for (auto& [channel, state] : channels) setting.parts.push_back(std::move(state.part));
    style.ots.push_back(std::move(setting));
  }
}

}  // namespace

StyleOverview ReadStyle(Session& session, const FileImage& file, const FileOverview& overview,
                        const StyleTrack& track) {
  StyleOverview style;
  ReadSections(style, overview, track);
  ReadParts(style, file, session.codePage, overview);
  ReadOts(style, session);
  SelectView(session, "Mfd");
  style.musicFinderRecords = static_cast<int64_t>(session.window.rows.size());
  return style;
}

}  // namespace veltrix::overview
