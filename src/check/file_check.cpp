#include "check/file_check.h"

#include <algorithm>
#include <array>
#include <string>

#include "check/byte_view.h"
#include "check/chunk_recovery.h"
#include "check/findings_sink.h"
#include "check/measure_map.h"
#include "check/style_check.h"
#include "check/track_check.h"

namespace veltrix::check {

namespace {

// Tags of the sections a style keeps behind its MIDI track: known, so not "unknown" chunks.
constexpr std::array<std::string_view, 5> kStyleSectionTags = {"CASM", "OTSc", "FNRc", "MHhd",
                                                               "MDB "};

// Extensions of the keyboard files that carry style sections.
constexpr std::array<std::string_view, 20> kStyleExtensions = {
    "sty", "prs", "pcs", "bcs", "sst", "pst", "pad", "fps", "vce", "mgv",
    "liv", "sar", "clv", "swv", "org", "drm", "ldr", "sfx", "lsf", "ots"};

constexpr int kHeaderLength = 6;
constexpr size_t kHeaderData = 8;  // behind "MThd" and the header's length

// What the header says; the numbers are unknown when it is shorter than six bytes.
struct Header {
  std::optional<int> format;
  std::optional<int> declaredTracks;
  uint16_t division = 0;
  size_t firstChunk = kHeaderData + kHeaderLength;
};

void CheckHeaderNumbers(const ByteView& file, Header& header, FindingsSink& sink) {
  header.format = static_cast<int>(*file.Number(8, 2));
  header.declaredTracks = static_cast<int>(*file.Number(10, 2));
  header.division = static_cast<uint16_t>(*file.Number(12, 2));
  if (*header.format > 2)
    sink.Add(MakeFinding(Severity::Error, "unknown-format",
                         "format " + std::to_string(*header.format) + " (only 0, 1 and 2 exist)",
                         8));
  if (header.division == 0)
    sink.Add(MakeFinding(Severity::Error, "division-zero",
                         "a division of 0 ticks per quarter note: no event has a time", 12));
  else if (header.division & 0x8000)
    sink.Add(MakeFinding(Severity::Note, "smpte-division",
                         "the division counts SMPTE frames (" +
                             std::to_string(-static_cast<int8_t>(header.division >> 8)) +
                             " frames a second, " + std::to_string(header.division & 0xFF) +
                             " ticks a frame), not quarter notes",
                         12));
}

// The MThd chunk; nothing when the file does not begin with one. A header whose length
// leads to no chunk while a track chunk stands near is reported with the length it should
// have, and the chunks are read from that track on.
std::optional<Header> CheckHeader(const ByteView& file, TrackTagFinder& tags, FindingsSink& sink) {
  if (!file.TagAt(0, "MThd")) {
    sink.Add(MakeFinding(Severity::Error, "no-header",
                         "the file does not begin with the MThd header of a Standard MIDI File",
                         0));
    return std::nullopt;
  }
  const std::optional<uint32_t> length = file.Number(4, 4);
  if (!length) {
    sink.Add(MakeFinding(Severity::Error, "header-length",
                         "the header is 0 bytes long; it needs 6 for format, track count and "
                         "division",
                         4));
    return std::nullopt;
  }
  Header header;
  const size_t declaredEnd = kHeaderData + *length;
  std::optional<size_t> trueEnd;
  if (*length != kHeaderLength && !ChunkCanBeginAt(file, declaredEnd))
    trueEnd = tags.TrueHeaderEnd(kHeaderData, declaredEnd);
  header.firstChunk = trueEnd.value_or(declaredEnd);
  const bool numbers = header.firstChunk >= kHeaderData + kHeaderLength &&
                       file.size() >= kHeaderData + kHeaderLength;
  if (trueEnd) {
    sink.Add(MakeFinding(Severity::Error, "header-length",
                         "the header declares " + std::to_string(*length) +
                             " bytes but the first track chunk begins at offset " +
                             std::to_string(*trueEnd) + "; its length should be " +
                             std::to_string(*trueEnd - kHeaderData),
                         4));
  } else if (*length < kHeaderLength || !numbers) {
    sink.Add(MakeFinding(Severity::Error, "header-length",
                         "the header is " + std::to_string(*length) +
                             " bytes long; it needs 6 for format, track count and division",
                         4));
  } else if (*length != kHeaderLength) {
    sink.Add(MakeFinding(Severity::Warning, "header-length",
                         "the header is " + std::to_string(*length) + " bytes long instead of 6",
                         4));
  }
  if (numbers) CheckHeaderNumbers(file, header, sink);
  return header;
}

// A chunk of a type the format does not define. Readers that take the header's tracks as
// that many track chunks in a row refuse a file with one before the last of them.
void ReportUnknownChunk(const std::string& tag, uint32_t length, size_t at, int tracksBefore,
                        std::optional<int> declaredTracks, FindingsSink& sink) {
  const std::string what =
      "a chunk of the unknown type \"" + tag + "\" (" + std::to_string(length) + " bytes)";
  if (declaredTracks && tracksBefore < *declaredTracks)
    sink.Add(MakeFinding(Severity::Warning, "unknown-chunk",
                         what + " where the header's track " + std::to_string(tracksBefore + 1) +
                             " of " + std::to_string(*declaredTracks) +
                             " is due; strict readers refuse the file, others skip the chunk",
                         at));
  else
    sink.Add(MakeFinding(Severity::Note, "unknown-chunk", what + ", skipped", at));
}

struct TrackPlace {
  size_t begin, end;
  TrackFacts facts;
};

}  // namespace

bool IsStyleName(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.size() - dot - 1 != 3) return false;
  std::string extension(name.substr(dot + 1));
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return std::find(kStyleExtensions.begin(), kStyleExtensions.end(), extension) !=
         kStyleExtensions.end();
}

FileCheck CheckFile(std::span<const uint8_t> bytes, std::string_view name) {
  const ByteView file(bytes);
  FileCheck check;
  FindingsSink sink(check, bytes.size());
  TrackTagFinder trackTags(file);
  const std::optional<Header> header = CheckHeader(file, trackTags, sink);
  if (!header) {
    sink.Finish();
    return check;
  }
  check.format = header->format;
  const std::optional<size_t> casm = file.Find("CASM", header->firstChunk);
  const bool style = IsStyleName(name) || casm.has_value();

  std::vector<TrackPlace> tracks;
  size_t at = header->firstChunk;
  while (at < file.size()) {
    if (file.size() - at < 8) {
      sink.Add(MakeFinding(Severity::Warning, "bytes-after-last-chunk",
                           std::to_string(file.size() - at) + " bytes after the last chunk", at));
      break;
    }
    const std::string tag = file.TagText(at);
    const uint32_t length = *file.Number(at + 4, 4);
    const size_t data = at + 8;
    const bool known =
        tag == "MTrk" || (style && std::find(kStyleSectionTags.begin(), kStyleSectionTags.end(),
                                             tag) != kStyleSectionTags.end());
    if (!known && !(tag[0] >= 'A' && tag[0] <= 'z')) {
      // Not a chunk at all: what follows the chunks is stray data.
      sink.Add(MakeFinding(Severity::Warning, "bytes-after-last-chunk",
                           std::to_string(file.size() - at) + " bytes after the last chunk", at));
      break;
    }
    // A song's chunk whose declared end lands on no chunk while a track chunk follows its
    // data: the length is wrong, and the tracks behind it are read from that tag on.
    const size_t declaredEnd = data + length;
    const std::optional<size_t> trueEnd = style || ChunkCanBeginAt(file, declaredEnd)
                                              ? std::nullopt
                                              : trackTags.TrueEnd(data, declaredEnd);
    size_t end = trueEnd.value_or(declaredEnd);
    if (trueEnd) {
      sink.Add(MakeFinding(Severity::Error, "chunk-length",
                           "the " + tag + " chunk at offset " + std::to_string(at) + " declares " +
                               std::to_string(length) + " bytes but the next track chunk " +
                               "begins at offset " + std::to_string(*trueEnd) +
                               "; its length should be " + std::to_string(*trueEnd - data),
                           at));
    } else if (length > file.size() - data) {
      sink.Add(MakeFinding(Severity::Error, "chunk-past-end",
                           "the " + tag + " chunk at offset " + std::to_string(at) + " declares " +
                               std::to_string(length) + " bytes but the file ends " +
                               std::to_string(file.size() - data) + " bytes after its header",
                           at));
      end = file.size();
    }
    if (tag == "MTrk") {
      const int number = static_cast<int>(tracks.size()) + 1;
      tracks.push_back({data, end, CheckTrack(file, data, end, number, sink)});
    } else if (!known) {
      ReportUnknownChunk(tag, length, at, static_cast<int>(tracks.size()), header->declaredTracks,
                         sink);
    }
    if (style && tag == "MTrk") {
      // The style sections follow the one track; they are checked by their own rules.
      break;
    }
    at = end;
  }
  check.tracks = static_cast<int>(tracks.size());

  if (!style && header->declaredTracks &&
      static_cast<int>(tracks.size()) != *header->declaredTracks) {
    const bool fewer = static_cast<int>(tracks.size()) < *header->declaredTracks;
    sink.Add(MakeFinding(fewer ? Severity::Error : Severity::Warning, "track-count",
                         "the header declares " + std::to_string(*header->declaredTracks) +
                             " tracks but the file holds " + std::to_string(tracks.size()) +
                             (fewer ? "" : "; readers that follow the header leave the rest out"),
                         10));
  }
  if (header->format == 0 && tracks.size() > 1)
    sink.Add(MakeFinding(
        Severity::Warning, "format0-many-tracks",
        "a format-0 file holds " + std::to_string(tracks.size()) + " tracks; it should hold one",
        8));
  if (style && !tracks.empty())
    CheckStyleSections(file, casm, tracks.front().end, tracks.front().facts, sink);
  sink.Finish();

  // Measure:Beat:Tick of each finding in a track, as the listing's Measure column shows it:
  // on the grid of the first time signature of the song (the earliest, the first track's on
  // a tie), whatever track it stands in; before it, and in a song without one, the column has
  // no grid and shows the first beat.
  const int ticksPerQuarter = (header->division & 0x8000) ? 0 : header->division;
  if (ticksPerQuarter <= 0) return check;
  const TrackFacts::TimeSignature* first = nullptr;
  for (const TrackPlace& track : tracks)
    for (const auto& signature : track.facts.timeSignatures)
      if (first == nullptr || signature.tick < first->tick) first = &signature;
  const std::optional<MeasureMap> measures =
      first ? std::optional<MeasureMap>(
                  MeasureMap(ticksPerQuarter, first->numerator, first->denominatorPower))
            : std::nullopt;
  for (Finding& finding : check.findings) {
    if (finding.track < 1 || finding.tick < 0) continue;
    finding.measure =
        measures && finding.tick >= first->tick ? measures->Position(finding.tick) : "1:01:000";
  }
  return check;
}

}  // namespace veltrix::check
