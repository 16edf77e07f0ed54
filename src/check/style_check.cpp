#include "check/style_check.h"

#include <string>
#include <string_view>

namespace veltrix::check {

namespace {

void Report(FindingsSink& sink, Severity severity, std::string_view code, std::string message,
            size_t offset) {
  sink.Add(MakeFinding(severity, code, std::move(message), static_cast<int64_t>(offset)));
}

// A chunk inside a parent that ends at `parentEnd`: its data's end, cut to the parent's
// when its length runs past it (reported).
size_t ChildEnd(const ByteView& file, size_t at, size_t parentEnd, std::string_view parent,
                FindingsSink& sink) {
  const uint32_t length = file.Number(at + 4, 4).value_or(0);
  const size_t data = at + 8;
  if (data > parentEnd || length > parentEnd - data) {
    Report(sink, Severity::Error, "section-past-parent",
           "the " + file.TagText(at) + " chunk at offset " + std::to_string(at) + " declares " +
               std::to_string(length) + " bytes, which run past the end of its " +
               std::string(parent) + " at offset " + std::to_string(parentEnd),
           at);
    return parentEnd;
  }
  return data + length;
}

struct CasmFacts {
  bool mainA = false;
};

void CheckCsegContents(const ByteView& file, size_t at, size_t end, const TrackFacts& style,
                       CasmFacts& facts, FindingsSink& sink) {
  while (at + 8 <= end) {
    const std::string tag = file.TagText(at);
    const size_t childEnd = ChildEnd(file, at, end, "CSEG", sink);
    if (tag == "Sdec") {
      const auto names = file.Span(at + 8, childEnd - (at + 8));
      const std::string_view text(reinterpret_cast<const char*>(names.data()), names.size());
      if (text.find("Main A") != std::string_view::npos) facts.mainA = true;
    } else if ((tag == "Ctab" || tag == "Ctb2") && at + 8 < childEnd) {
      const uint8_t channel = *file.At(at + 8);
      if (channel < 16 && !style.channelUsed[channel])
        Report(sink, Severity::Warning, "ctab-channel-silent",
               "the " + tag + " record at offset " + std::to_string(at) + " maps source channel " +
                   std::to_string(channel + 1) + ", which has no events in the style's track",
               at);
    }
    at = childEnd;
  }
}

// The CASM section: returns where its data ends.
size_t CheckCasm(const ByteView& file, size_t casm, const TrackFacts& style, FindingsSink& sink) {
  const size_t end = ChildEnd(file, casm, file.size(), "file", sink);
  CasmFacts facts;
  for (size_t at = casm + 8; at + 8 <= end;) {
    const size_t childEnd = ChildEnd(file, at, end, "CASM", sink);
    if (file.TagText(at) == "CSEG") CheckCsegContents(file, at + 8, childEnd, style, facts, sink);
    at = childEnd;
  }
  for (const std::string& marker : style.markers)
    if (marker.find("Main A") != std::string::npos) facts.mainA = true;
  if (!facts.mainA)
    Report(sink, Severity::Warning, "no-main-a",
           "no \"Main A\" section among the style's markers and the names of its CASM", casm);
  return end;
}

// Gaps the readers of a style tolerate between one section and the next.
constexpr size_t kSectionGap = 30;

size_t CheckOts(const ByteView& file, size_t from, FindingsSink& sink) {
  std::optional<size_t> ots;
  for (size_t at = from; at <= from + kSectionGap && at + 8 <= file.size(); ++at)
    if (file.TagAt(at, "OTS")) {
      ots = at;
      break;
    }
  if (!ots) {
    Report(sink, Severity::Note, "no-ots", "no one-touch-setting (OTS) section behind the CASM",
           from);
    return from;
  }
  const size_t end = ChildEnd(file, *ots, file.size(), "file", sink);
  int tracks = 0;
  for (size_t at = *ots + 8; at + 8 <= end && file.TagAt(at, "MTrk");) {
    ++tracks;
    at = ChildEnd(file, at, end, "OTS section", sink);
  }
  if (tracks != 4)
    Report(sink, Severity::Warning, "ots-track-count",
           "the OTS section holds " + std::to_string(tracks) + " tracks (a keyboard expects 4)",
           *ots);
  return end;
}

void CheckMusicFinder(const ByteView& file, size_t from, FindingsSink& sink) {
  const std::optional<size_t> section = file.Find("FNR", from);
  if (!section || file.TagAt(*section, "FNRP")) return;
  const uint32_t length = file.Number(*section + 4, 4).value_or(0);
  const size_t data = *section + 8;
  if (data > file.size() || length > file.size() - data)
    Report(sink, Severity::Warning, "music-finder-short",
           "the music-finder section at offset " + std::to_string(*section) + " declares " +
               std::to_string(length) + " bytes but the file ends " +
               std::to_string(data > file.size() ? 0 : file.size() - data) + " bytes after it",
           *section);
  // Each record: FNRP, its length, then that many bytes.
  const size_t end = std::min(file.size(), data + length);
  for (size_t at = data; at + 8 <= end && file.TagAt(at, "FNRP");) {
    const uint32_t record = file.Number(at + 4, 4).value_or(0);
    if (record > end - (at + 8)) {
      Report(sink, Severity::Warning, "music-finder-short",
             "the music-finder record at offset " + std::to_string(at) + " declares " +
                 std::to_string(record) + " bytes but its section ends first",
             at);
      break;
    }
    at += 8 + record;
  }
}

}  // namespace

void CheckStyleSections(const ByteView& file, std::optional<size_t> casm, size_t trackEnd,
                        const TrackFacts& style, FindingsSink& sink) {
  if (!casm) {
    Report(sink, Severity::Error, "no-casm",
           "no CASM section: a keyboard cannot play the file as a style", trackEnd);
    return;
  }
  if (*casm != trackEnd) {
    const bool before = *casm < trackEnd;
    const size_t distance = before ? trackEnd - *casm : *casm - trackEnd;
    Report(sink, Severity::Warning, "casm-misplaced",
           "the CASM section begins " + std::to_string(distance) + " bytes " +
               (before ? "before" : "after") +
               " the end of the MIDI track; the header's track length is then wrong (it "
               "should be " +
               std::to_string(*casm >= 22 ? *casm - 22 : 0) + ")",
           *casm);
  }
  const size_t casmEnd = CheckCasm(file, *casm, style, sink);
  const size_t otsEnd = CheckOts(file, casmEnd, sink);
  CheckMusicFinder(file, otsEnd, sink);
}

}  // namespace veltrix::check
