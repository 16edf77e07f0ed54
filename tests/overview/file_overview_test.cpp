// The overview of built files, member by member, against facts worked out here by hand.
#include <gtest/gtest.h>

#include <fstream>

#include "builder/smf_builder.h"
#include "builder/style_builder.h"
#include "overview/file_overview.h"
#include "overview/overview_report.h"
#include "support/test_support.h"

using namespace veltrix;
using namespace veltrix::overview;
using builder::TrackBuilder;

namespace {

std::string Write(const veltrix::testing::TempDir& dir, const std::string& name,
                  const builder::Bytes& bytes) {
  const std::string path = dir.File(name);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

const ChannelUse& Channel(const FileOverview& overview, int channel) {
  for (const ChannelUse& use : overview.channels)
    if (use.channel == channel) return use;
  throw std::runtime_error("no channel " + std::to_string(channel));
}

}  // namespace

TEST(FileOverview, SongOfTwoTempos) {
  // Format 1 at 480 ticks a quarter: 120 BPM for 4 quarters (2 s), then 80 BPM; 3/4 from the
  // third measure; the conductor track ends at 5280, 7 quarters of 0.75 s after the change.
  veltrix::testing::TempDir dir;
  const auto song = builder::SmfBuilder(1, 480)
                        .Track(TrackBuilder()
                                   .Tempo(0, 500000)
                                   .TimeSignature(0, 4, 2)
                                   .Tempo(1920, 750000)
                                   .TimeSignature(1920, 3, 2)
                                   .Meta(0, 0x06, "Verse")
                                   .EndOfTrack(1440))
                        .Track(TrackBuilder()
                                   .Meta(0, 0x03, "Band")
                                   .Event(0, {0xB0, 0, 0})
                                   .Event(0, {0xB0, 32, 0})
                                   .Event(0, {0xC0, 0})
                                   .Event(0, {0x90, 60, 100})
                                   .Event(10, {0x90, 64, 80})
                                   .Event(10, {0x90, 67, 90})
                                   .Event(10, {0x90, 60, 0})  // a note-off
                                   .Event(0, {0xB1, 0, 8})
                                   .Event(0, {0xC1, 17})
                                   .Event(960, {0xC9, 40})
                                   .Event(0, {0x99, 36, 127})
                                   .Event(0, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7})
                                   .EndOfTrack())
                        .Build();
  const FileOverview overview = OverviewOfFile(Write(dir, "song.mid", song));
  ASSERT_TRUE(overview.readable) << overview.message;
  EXPECT_EQ(overview.kind, "song");
  EXPECT_EQ(overview.format, 1);
  EXPECT_EQ(overview.tracks, 2);
  EXPECT_EQ(overview.division, 480);
  EXPECT_EQ(overview.microseconds, 7250000);
  EXPECT_EQ(LengthText(*overview.microseconds), "0:07");
  EXPECT_EQ(overview.tempoFirst, 120);
  EXPECT_EQ(overview.tempoLowest, 80);
  EXPECT_EQ(overview.tempoHighest, 120);
  EXPECT_EQ(overview.tempoChanges, 2);
  ASSERT_EQ(overview.timeSignatures.size(), 2u);
  EXPECT_EQ(overview.timeSignatures[1].measure, 3);  // two 4/4 measures of 1920 ticks before
  EXPECT_EQ(overview.timeSignatures[1].signature, "3/4");
  ASSERT_EQ(overview.markers.size(), 1u);
  EXPECT_EQ(overview.markers[0].text, "Verse");
  EXPECT_EQ(overview.markers[0].microseconds, 5000000);  // 2 s + 4 quarters of 0.75 s
  EXPECT_EQ(overview.names, std::vector<std::string>{"Band"});

  const ChannelUse& piano = Channel(overview, 1);
  EXPECT_EQ(piano.notes, 3);
  EXPECT_EQ(piano.lowest, 60);
  EXPECT_EQ(piano.highest, 67);
  EXPECT_EQ(piano.velocityLow, 80);
  EXPECT_EQ(piano.velocityHigh, 100);
  ASSERT_EQ(piano.programs.size(), 1u);
  EXPECT_EQ(piano.programs[0].name, "Acoustic Grand Piano");
  EXPECT_EQ(piano.controllers, (std::vector<int>{0, 32}));
  const ChannelUse& second = Channel(overview, 2);
  EXPECT_EQ(second.notes, 0);
  EXPECT_EQ(second.programs[0].bankMsb, 8);
  EXPECT_EQ(second.programs[0].bankLsb, std::nullopt);
  EXPECT_EQ(second.programs[0].name, "Bank 8/0 Program 17");
  const ChannelUse& drums = Channel(overview, 10);
  EXPECT_TRUE(drums.drums);
  EXPECT_EQ(drums.programs[0].name, "Brush Kit");
  EXPECT_EQ(overview.sysex.gm, 1);
  EXPECT_EQ(overview.channels.size(), 3u);
}

TEST(FileOverview, StyleSectionsPartsAndOneTouchSettings) {
  // 1920 ticks a quarter in 10/8: a measure of ten eighths is 9600 ticks. SInt lasts a
  // quarter (0.2 bars), Main A two measures.
  veltrix::testing::TempDir dir;
  const auto track = TrackBuilder()
                         .TimeSignature(0, 10, 3)
                         .Meta(0, 0x06, "SFF1")
                         .Meta(0, 0x06, "SInt")
                         .Event(0, {0xBA, 0, 0})
                         .Event(0, {0xCA, 33})
                         .Event(0, {0xC9, 0})
                         .Meta(1920, 0x06, "Main A")
                         .Event(0, {0x9A, 40, 100})
                         .EndOfTrack(19200);
  builder::CtabRecord bass, drums;
  bass.head.sourceChannel = 8;
  bass.head.name = "Bass";
  bass.head.destinationChannel = 10;
  drums.head.sourceChannel = 9;
  drums.head.name = "Drums";
  drums.head.destinationChannel = 9;
  builder::OtsBuilder ots;
  for (uint8_t number = 0; number < 4; ++number)
    ots.Track(TrackBuilder()
                  .Event(0, {0xB0, 7, static_cast<uint8_t>(100 + number)})
                  .Event(0, {0xB0, 10, 64})
                  .Event(0, {0xC0, number})
                  .EndOfTrack());
  builder::FinderBuilder finder;
  finder.Record({}).Record({});
  const auto style =
      builder::StyleBuilder(track)
          .Casm(builder::CasmBuilder().Cseg().Sdec("Main A,Main B").Ctab(bass).Ctab(drums))
          .Ots(ots)
          .Finder(finder)
          .Build();
  const FileOverview overview = OverviewOfFile(Write(dir, "built.sty", style));
  ASSERT_TRUE(overview.readable) << overview.message;
  EXPECT_EQ(overview.kind, "style");
  ASSERT_TRUE(overview.style);
  const StyleOverview& found = *overview.style;
  EXPECT_EQ(found.format, "SFF1");
  ASSERT_EQ(found.sections.size(), 2u);
  EXPECT_EQ(found.sections[0].name, "SInt");
  EXPECT_EQ(found.sections[0].ticks, 1920);
  EXPECT_DOUBLE_EQ(found.sections[0].bars, 0.2);
  EXPECT_EQ(found.sections[1].name, "Main A");
  EXPECT_EQ(found.sections[1].tick, 1920);
  EXPECT_EQ(found.sections[1].ticks, 19200);
  EXPECT_DOUBLE_EQ(found.sections[1].bars, 2);

  ASSERT_EQ(found.parts.size(), 2u);
  EXPECT_EQ(found.parts[0].channel, 11);
  EXPECT_EQ(found.parts[0].sourceChannel, 9);
  EXPECT_EQ(found.parts[0].name, "Bass");
  EXPECT_EQ(found.parts[0].sections, (std::vector<std::string>{"Main A", "Main B"}));
  EXPECT_EQ(found.parts[0].voice, "Electric Bass (finger)");
  EXPECT_EQ(found.parts[1].channel, 10);
  EXPECT_EQ(found.parts[1].voice, "Standard Kit");

  ASSERT_EQ(found.ots.size(), 4u);
  for (int number = 0; number < 4; ++number) {
    const OtsSetting& setting = found.ots[static_cast<size_t>(number)];
    EXPECT_EQ(setting.number, number + 1);
    ASSERT_EQ(setting.parts.size(), 1u);
    EXPECT_EQ(setting.parts[0].program, number);
    EXPECT_EQ(setting.parts[0].volume, 100 + number);
    EXPECT_EQ(setting.parts[0].pan, 64);
  }
  EXPECT_EQ(found.ots[1].parts[0].voice, "Bright Acoustic Piano");
  EXPECT_EQ(found.musicFinderRecords, 2);

  // The library report's sections and voices, and JSON's null for what a style lacks.
  const std::string line = OverviewTableLine(TableFormat::Tsv, overview);
  EXPECT_NE(line.find("\tSInt 0.2, Main A 2\t"), std::string::npos) << line;
  EXPECT_NE(line.find("10:Standard Kit, 11:Electric Bass (finger)"), std::string::npos) << line;
  EXPECT_NE(OverviewJson(overview).find("\"copyright\":null"), std::string::npos);
}
