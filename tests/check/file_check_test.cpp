// Each check against a file that has the fault and a twin that does not, both built here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "builder/style_builder.h"
#include "check/file_check.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix::check {
namespace {

using builder::Bytes;
using builder::CasmBuilder;
using builder::CtabRecord;
using builder::FinderBuilder;
using builder::OtsBuilder;
using builder::SmfBuilder;
using builder::StyleBuilder;
using builder::TrackBuilder;

// A sound track: time signature, tempo, a note on and off, End of Track.
TrackBuilder Song(std::function<void(TrackBuilder&)> middle = nullptr) {
  TrackBuilder track;
  track.TimeSignature(0, 4, 2).Tempo(0, 500000).Event(0, {0x90, 0x3C, 0x40});
  if (middle) middle(track);
  track.Event(480, {0x80, 0x3C, 0x00});
  return track;
}
Bytes Smf(TrackBuilder track) {
  return SmfBuilder(0, 480).Track(track.EndOfTrack()).Build();
}

TrackBuilder OtsTrack() {
  return TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack();
}

// A style with every section in order; `change` alters one part of it.
struct StyleParts {
  std::string sdec = "Main A,Main B";
  uint8_t ctabChannel = 0;
  bool ctb2 = false;  // the channel's record in the newer layout
  std::optional<uint32_t> ctabLength;
  int otsTracks = 4;
  bool casm = true;
  Bytes gapBeforeCasm;
  bool finderCut = false;
  size_t finderKept = SIZE_MAX;  // only the music-finder section's first bytes
};
Bytes Style(const StyleParts& parts) {
  CtabRecord record;
  record.head.sourceChannel = parts.ctabChannel;
  record.declaredLength = parts.ctabLength;
  StyleBuilder style(
      TrackBuilder().Event(0, {0x90, 0x3C, 0x40}).Event(480, {0x3C, 0}).EndOfTrack());
  style.Raw(parts.gapBeforeCasm);
  builder::Ctb2Record newer;
  newer.head.sourceChannel = parts.ctabChannel;
  CasmBuilder casm;
  casm.Cseg().Sdec(parts.sdec);
  if (parts.ctb2)
    casm.Ctb2(newer);
  else
    casm.Ctab(record);
  if (parts.casm) style.Casm(casm);
  OtsBuilder ots;
  for (int i = 0; i < parts.otsTracks; ++i) ots.Track(OtsTrack());
  if (parts.otsTracks > 0) style.Ots(ots);
  Bytes finder = FinderBuilder().Record({}).Build();
  if (parts.finderCut) finder.resize(finder.size() - 5);
  finder.resize(std::min(finder.size(), parts.finderKept));
  return style.Raw(finder).Build();
}

struct Case {
  const char* code;
  Severity severity;
  Bytes faulty;
  Bytes clean;
  const char* name = "song.mid";
};

bool Has(const FileCheck& check, std::string_view code, Severity severity) {
  return std::any_of(check.findings.begin(), check.findings.end(), [&](const Finding& finding) {
    return finding.code == code && finding.severity == severity;
  });
}

std::vector<Case> Cases() {
  const Bytes clean = Smf(Song());
  Bytes longHeader = clean;
  longHeader[7] = 8;
  longHeader.insert(longHeader.begin() + 14, {0, 0});
  Bytes format3 = clean;
  format3[9] = 3;
  const StyleParts style;
  auto styleWith = [&](auto change) {
    StyleParts parts = style;
    change(parts);
    return Style(parts);
  };
  const Bytes cleanStyle = Style(style);
  return {
      {"no-header", Severity::Error, Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0}, clean},
      {"header-length", Severity::Warning, longHeader, clean},
      {"unknown-format", Severity::Error, format3, clean},
      {"format0-many-tracks", Severity::Warning,
       SmfBuilder(0, 480).Track(Song().EndOfTrack()).Track(Song().EndOfTrack()).Build(), clean},
      {"track-count", Severity::Error,
       SmfBuilder(1, 480).Track(Song().EndOfTrack()).TrackCount(2).Build(),
       SmfBuilder(1, 480).Track(Song().EndOfTrack()).Build()},
      {"track-count", Severity::Warning,
       SmfBuilder(1, 480)
           .Track(Song().EndOfTrack())
           .Track(Song().EndOfTrack())
           .TrackCount(1)
           .Build(),
       SmfBuilder(1, 480).Track(Song().EndOfTrack()).Track(Song().EndOfTrack()).Build()},
      {"division-zero", Severity::Error, SmfBuilder(0, 0).Track(Song().EndOfTrack()).Build(),
       clean},
      {"smpte-division", Severity::Note, SmfBuilder(0, 0xE728).Track(Song().EndOfTrack()).Build(),
       clean},
      {"chunk-past-end", Severity::Error,
       SmfBuilder(0, 480).TrackWithLength(Song().EndOfTrack(), 1000).Build(), clean},
      {"bytes-after-last-chunk", Severity::Warning,
       SmfBuilder(0, 480).Track(Song().EndOfTrack()).Raw({0, 0, 0}).Build(), clean},
      {"unknown-chunk", Severity::Note,
       SmfBuilder(0, 480).Track(Song().EndOfTrack()).Chunk("XFIH", {1, 2, 3}).Build(), clean},
      {"no-end-of-track", Severity::Warning, SmfBuilder(0, 480).Track(Song()).Build(), clean},
      {"data-after-end-of-track", Severity::Warning,
       SmfBuilder(0, 480).Track(Song().EndOfTrack().Event(0, {0xC0, 1})).Build(), clean},
      {"end-of-track-early", Severity::Warning,
       SmfBuilder(0, 480).Track(Song().EndOfTrack().Raw({0, 0, 0, 0})).Build(), clean},
      {"event-past-chunk", Severity::Error,
       SmfBuilder(0, 480).Track(Song().Raw({0x00, 0x90, 0x3C})).Build(), clean},
      {"system-status-in-track", Severity::Error,
       Smf(Song([](TrackBuilder& t) { t.Event(0, {0xF8}); })), clean},
      {"data-byte-without-status", Severity::Error, Smf(TrackBuilder().Event(0, {0x3C, 0x40})),
       clean},
      {"running-status-after-meta", Severity::Warning, Smf(Song([](TrackBuilder& t) {
         t.Meta(0, 0x01, "x").Event(0, {0x3E, 0x40}).Event(0, {0x3E, 0});
       })),
       Smf(Song([](TrackBuilder& t) {
         t.Meta(0, 0x01, "x").Event(0, {0x90, 0x3E, 0x40}).Event(0, {0x3E, 0});
       }))},
      // Four bytes is the longest legal variable-length number.
      {"long-variable-length", Severity::Error, Smf(Song([](TrackBuilder& t) {
         t.Raw({0x80, 0x80, 0x80, 0x80, 0x00, 0xC0, 0x01});
       })),
       Smf(Song([](TrackBuilder& t) {
         t.Raw({0x8F, 0xFF, 0xFF, 0x7F, 0xC0, 0x01});
       }))},
      {"meta-length", Severity::Warning, Smf(Song([](TrackBuilder& t) {
         t.Meta(0, 0x51, Bytes{0x07, 0xA1});
       })),
       clean},
      {"tempo-zero", Severity::Warning, Smf(Song([](TrackBuilder& t) { t.Tempo(0, 0); })), clean},
      {"sysex-unterminated", Severity::Warning, Smf(Song([](TrackBuilder& t) {
         t.Sysex(0, {0x43, 0x10});
       })),
       Smf(Song([](TrackBuilder& t) {
         t.Sysex(0, {0x43, 0x10, 0xF7});
       }))},
      {"sysex-continued", Severity::Note, Smf(Song([](TrackBuilder& t) {
         t.Sysex(0, {0x43}).Event(0, {0xF7, 0x01, 0xF7});
       })),
       Smf(Song([](TrackBuilder& t) {
         t.Sysex(0, {0x43, 0xF7});
       }))},
      {"data-byte-high", Severity::Error, Smf(Song([](TrackBuilder& t) {
         t.Raw({0x00, 0xB0, 0x07, 0x90, 0x3E, 0x40, 0x00, 0x3E, 0x00});
       })),
       clean},
      {"note-left-sounding", Severity::Warning, Smf(TrackBuilder().Event(0, {0x90, 0x3C, 0x40})),
       clean},
      {"note-off-without-note-on", Severity::Note, Smf(Song([](TrackBuilder& t) {
         t.Event(0, {0x80, 0x40, 0});
       })),
       clean},
      {"no-casm", Severity::Error, styleWith([](StyleParts& p) { p.casm = false; }), cleanStyle,
       "style.sty"},
      {"casm-misplaced", Severity::Warning, styleWith([](StyleParts& p) {
         p.gapBeforeCasm = {0, 0};
       }),
       cleanStyle, "style.sty"},
      {"section-past-parent", Severity::Error,
       styleWith([](StyleParts& p) { p.ctabLength = 5000; }), cleanStyle, "style.sty"},
      {"no-main-a", Severity::Warning, styleWith([](StyleParts& p) { p.sdec = "Main B"; }),
       cleanStyle, "style.sty"},
      {"ctab-channel-silent", Severity::Warning,
       styleWith([](StyleParts& p) { p.ctabChannel = 9; }), cleanStyle, "style.sty"},
      {"ctab-channel-silent", Severity::Warning, styleWith([](StyleParts& p) {
         p.ctabChannel = 9;
         p.ctb2 = true;
       }),
       styleWith([](StyleParts& p) { p.ctb2 = true; }), "style.sty"},
      {"no-ots", Severity::Note, styleWith([](StyleParts& p) { p.otsTracks = 0; }), cleanStyle,
       "style.sty"},
      {"ots-track-count", Severity::Warning, styleWith([](StyleParts& p) { p.otsTracks = 3; }),
       cleanStyle, "style.sty"},
      {"music-finder-short", Severity::Warning,
       styleWith([](StyleParts& p) { p.finderCut = true; }), cleanStyle, "style.sty"},
      {"music-finder-short", Severity::Warning,  // the file ends in "FNR"
       styleWith([](StyleParts& p) { p.finderKept = 3; }), cleanStyle, "style.sty"},
  };
}

TEST(CheckFile, EachFaultIsFoundAndItsCleanTwinHasNone) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.code);
    const FileCheck faulty = CheckFile(c.faulty, c.name);
    EXPECT_TRUE(Has(faulty, c.code, c.severity));
    for (const Finding& finding : faulty.findings) {
      EXPECT_LT(finding.offset, static_cast<int64_t>(c.faulty.size()));
      EXPECT_FALSE(finding.message.empty());
    }
    const FileCheck clean = CheckFile(c.clean, c.name);
    EXPECT_TRUE(clean.findings.empty())
        << clean.findings.front().code << ": " << clean.findings.front().message;
  }
}

TEST(CheckFile, PlacesFindingsByTrackTickAndMeasure) {
  // 3/4 from tick 0 at 480 a quarter: tick 1500 is measure 2, beat 1, tick 60.
  const Bytes file = SmfBuilder(1, 480)
                         .Track(TrackBuilder().TimeSignature(0, 3, 2).EndOfTrack())
                         .Track(TrackBuilder().Event(1500, {0x80, 0x3C, 0}).EndOfTrack())
                         .Build();
  const FileCheck check = CheckFile(file, "song.mid");
  ASSERT_EQ(check.findings.size(), 1u);
  const Finding& finding = check.findings[0];
  EXPECT_EQ(finding.code, "note-off-without-note-on");
  EXPECT_EQ(finding.track, 2);
  EXPECT_EQ(finding.tick, 1500);
  EXPECT_EQ(finding.measure, "2:01:060");
  EXPECT_EQ(file[static_cast<size_t>(finding.offset) + 2], 0x80);  // delta 2 bytes, then status
  EXPECT_EQ(check.format, 1);
  EXPECT_EQ(check.tracks, 2);
}

TEST(CheckFile, RepeatedFaultsAreCountedNotKept) {
  // A hundred are kept; the rest are counted into one closing finding.
  for (const auto& [faults, count] : {std::pair{1000, "900 more findings of this kind, the last: "},
                                      std::pair{101, "1 more finding of this kind, the last: "}}) {
    TrackBuilder track;
    for (int i = 0; i < faults; ++i) track.Event(0, {0x80, 0x3C, 0});
    const FileCheck check = CheckFile(Smf(track), "song.mid");
    EXPECT_EQ(check.findings.size(), 101u);
    EXPECT_EQ(check.findings.back().message.rfind(count, 0), 0u) << check.findings.back().message;
  }
}

// After a data byte without status the events of the track cannot be told apart: one finding
// says so instead of a guess at each later byte, End of Track is judged by the chunk's last
// bytes, and the next track is read as usual.
TEST(CheckFile, ATrackWhoseEventsAreLostIsReportedOnce) {
  TrackBuilder lost;
  lost.Tempo(0, 500000).Raw({0x00, 0x2A});  // delta 0, then a data byte
  for (int i = 0; i < 50; ++i) lost.Raw({0x85, 0x3C, 0xC0, 0x10, 0x00, 0x81});
  for (bool endOfTrack : {false, true}) {
    TrackBuilder track = lost;
    if (endOfTrack) track.EndOfTrack();
    const Bytes file = SmfBuilder(1, 480)
                           .Track(track)
                           .Track(TrackBuilder().Event(10, {0x80, 0x3C, 0}).EndOfTrack())
                           .Build();
    const FileCheck check = CheckFile(file, "song.mid");
    std::vector<std::string> codes;
    for (const Finding& finding : check.findings) codes.emplace_back(finding.code);
    std::vector<std::string> expected = {"data-byte-without-status", "no-end-of-track",
                                         "note-off-without-note-on"};
    if (endOfTrack) expected.erase(expected.begin() + 1);
    EXPECT_EQ(codes, expected) << endOfTrack;
    EXPECT_EQ(check.findings.back().track, 2);
  }
}

// The real files damaged on purpose get the findings their bytes call for; the sound ones
// get no error.
TEST(CheckFile, RealFiles) {
  const std::vector<std::string> files = [] {
    auto midi = testing::RealFiles("midi");
    auto styles = testing::RealFiles("styles");
    midi.insert(midi.end(), styles.begin(), styles.end());
    return midi;
  }();
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files beside the repository");
  const std::map<std::string, std::vector<std::string>> expected = {
      {"IsLove.mid", {"data-byte-without-status", "no-end-of-track", "bytes-after-last-chunk"}},
      {"smapyozora.mid", {"bytes-after-last-chunk"}},
      // The song behind its early End of Track is read on and has a channel message cut short.
      {"MORRISSETTE.You_oughta_know_K.mid", {"data-after-end-of-track", "data-byte-high"}},
      {"MIDIBadTrackLength.mid", {"chunk-past-end"}},
      {"test-corrupt-file-missing-byte.mid", {"chunk-past-end"}},
      {"test-corrupt-file-extra-byte.mid", {"bytes-after-last-chunk"}},
      {"test-illegal-message-all.mid", {"system-status-in-track"}},
      {"test-non-midi-track.mid", {"unknown-chunk"}},
      {"test-running-status-metaevent.mid", {"running-status-after-meta"}},
      {"test-running-status-sysex.mid", {"running-status-after-meta"}},
      {"MIDIBadHeaderSMTPE.mid", {"smpte-division"}},
      {"test-not-a-midi-file.mid", {"no-header"}},
  };
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    const std::string name = path.substr(path.rfind('/') + 1);
    const Bytes bytes = [&] {
      std::ifstream in(path, std::ios::binary);
      return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    const FileCheck check = CheckFile(bytes, name);
    const auto found = expected.find(name);
    if (found == expected.end()) {
      EXPECT_EQ(check.Counts()[0], 0u) << (check.findings.empty() ? "" : check.findings[0].message);
      continue;
    }
    for (const std::string& code : found->second)
      EXPECT_TRUE(std::any_of(check.findings.begin(), check.findings.end(), [&](const Finding& f) {
        return f.code == code;
      })) << code;
  }
}

}  // namespace
}  // namespace veltrix::check
