#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "hpmidifile/hp_midifile.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Conversion {
  uint32_t load = 0;
  uint32_t save = 0;
  Bytes output;
};

Conversion Convert(const Bytes& source) {
  testing::TempDir folder;
  builder::WriteFile(folder.File("source.mid"), source);
  Conversion result;
  void* handle = HP_Init();
  EXPECT_NE(handle, nullptr);
  result.load = HP_Load(handle, folder.File("source.mid").c_str());
  if (result.load == 0) {
    result.save = HP_Save(handle, folder.File("target.mid").c_str(), 0);
    if (result.save == 0) result.output = ReadBytes(folder.File("target.mid"));
  }
  EXPECT_EQ(HP_Free(handle), 0u);
  return result;
}

Bytes Format0(const TrackBuilder& track, uint16_t division = 480) {
  return SmfBuilder(0, division).Track(track).Build();
}

TEST(Conversion, MergesTracksByTickAndWritesEveryStatus) {
  Bytes source = SmfBuilder(1, 480)
                     .Track(TrackBuilder()
                                .Tempo(0, 500000)
                                .Event(10, {0x90, 0x3C, 0x64})
                                .Event(0, {0x3E, 0x64})  // running status
                                .Event(30, {0x3C, 0x00})
                                .EndOfTrack(20))
                     .Track(TrackBuilder()
                                .Event(0, {0xC1, 0x05})
                                .Event(5, {0x91, 0x40, 0x50})
                                .Event(20, {0x40, 0x00})
                                .EndOfTrack(100))
                     .Build();
  Bytes expected = Format0(TrackBuilder()
                               .Tempo(0, 500000)
                               .Event(0, {0xC1, 0x05})
                               .Event(5, {0x91, 0x40, 0x50})
                               .Event(5, {0x90, 0x3C, 0x64})
                               .Event(0, {0x90, 0x3E, 0x64})
                               .Event(15, {0x91, 0x40, 0x00})
                               .Event(15, {0x90, 0x3C, 0x00})
                               .EndOfTrack(85));  // the later end: tick 125
  Conversion result = Convert(source);
  ASSERT_EQ(result.load, 0u);
  ASSERT_EQ(result.save, 0u);
  EXPECT_EQ(result.output, expected);
}

TEST(Conversion, AtEqualTicksLowerTrackFirstThenFileOrder) {
  auto track = [](uint8_t channel) {
    return TrackBuilder()
        .Event(0, {uint8_t(0xB0 | channel), 0x07, 0x64})
        .Event(0, {0x0A, 0x40})
        .Event(0, {uint8_t(0xC0 | channel), 0x01})
        .Event(96, {uint8_t(0x90 | channel), 0x3C, 0x64})
        .Event(0, {0x3D, 0x64})
        .EndOfTrack(0);
  };
  Bytes source = SmfBuilder(1, 96).Track(track(0)).Track(track(1)).Track(track(2)).Build();
  TrackBuilder expected;
  for (uint8_t channel = 0; channel < 3; ++channel)
    expected.Event(0, {uint8_t(0xB0 | channel), 0x07, 0x64})
        .Event(0, {uint8_t(0xB0 | channel), 0x0A, 0x40})
        .Event(0, {uint8_t(0xC0 | channel), 0x01});
  for (uint8_t channel = 0; channel < 3; ++channel)
    expected.Event(channel == 0 ? 96 : 0, {uint8_t(0x90 | channel), 0x3C, 0x64})
        .Event(0, {uint8_t(0x90 | channel), 0x3D, 0x64});
  expected.EndOfTrack(0);
  EXPECT_EQ(Convert(source).output, Format0(expected, 96));
}

TEST(Conversion, OneEndOfTrackAtTheLatestEnd) {
  Bytes source =
      SmfBuilder(1, 96)
          // Bytes after an End of Track inside its chunk are not events.
          .Track(
              TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).EndOfTrack(500).Raw({0x00, 0xC0, 0x01}))
          .Track(TrackBuilder().EndOfTrack(0))  // an empty track
          .Track(TrackBuilder().Event(100, {0x80, 0x3C, 0x00}).EndOfTrack(50))
          .Build();
  Bytes expected = Format0(
      TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).Event(100, {0x80, 0x3C, 0x00}).EndOfTrack(400),
      96);
  EXPECT_EQ(Convert(source).output, expected);
}

TEST(Conversion, TrackWithoutEndOfTrackEndsAtItsLastEvent) {
  Bytes source = SmfBuilder(1, 96)
                     .Track(TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).EndOfTrack(10))
                     .Track(TrackBuilder().Event(40, {0x91, 0x3C, 0x64}))
                     .Build();
  Bytes expected = Format0(
      TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).Event(40, {0x91, 0x3C, 0x64}).EndOfTrack(0), 96);
  EXPECT_EQ(Convert(source).output, expected);
}

TEST(Conversion, SysexAndMetaPassThroughWithShortestLengths) {
  Bytes longSysex(200, 0x11);
  longSysex.push_back(0xF7);
  Bytes source = SmfBuilder(1, 96)
                     .Track(TrackBuilder()
                                .Meta(0, 0x03, "Name")
                                .Raw({0x00, 0xFF, 0x01, 0x80, 0x02, 'h', 'i'})  // long length
                                .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
                                .Raw({0x00, 0xF7, 0x81, 0x00})  // escape, 128 bytes
                                .Raw(Bytes(128, 0x22))
                                .Sysex(0, longSysex)
                                .Meta(1, 0x7F, Bytes{0x43, 0x7B, 0x00})
                                .EndOfTrack())
                     .Track(TrackBuilder().Event(1, {0x90, 0x3C, 0x64}).EndOfTrack())
                     .Build();
  TrackBuilder expected;
  expected.Meta(0, 0x03, "Name")
      .Meta(0, 0x01, "hi")
      .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
      .Raw({0x00, 0xF7, 0x81, 0x00})
      .Raw(Bytes(128, 0x22))
      .Sysex(0, longSysex)
      .Meta(1, 0x7F, Bytes{0x43, 0x7B, 0x00})
      .Event(0, {0x90, 0x3C, 0x64})
      .EndOfTrack();
  EXPECT_EQ(Convert(source).output, Format0(expected, 96));
}

TEST(Conversion, RunningStatusCarriesAcrossMetaAndSysex) {
  Bytes source = SmfBuilder(1, 96)
                     .Track(TrackBuilder()
                                .Event(0, {0x92, 0x3C, 0x64})
                                .Meta(0, 0x01, "x")
                                .Event(0, {0x3D, 0x64})
                                .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
                                .Event(0, {0x3E, 0x64})
                                .EndOfTrack())
                     .Build();
  Bytes expected = Format0(TrackBuilder()
                               .Event(0, {0x92, 0x3C, 0x64})
                               .Meta(0, 0x01, "x")
                               .Event(0, {0x92, 0x3D, 0x64})
                               .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
                               .Event(0, {0x92, 0x3E, 0x64})
                               .EndOfTrack(),
                           96);
  EXPECT_EQ(Convert(source).output, expected);
}

TEST(Conversion, LongDeltaTimesKeepTheirValue) {
  Bytes source = SmfBuilder(1, 96)
                     .Track(TrackBuilder().Event(0x0FFFFFFF, {0xC0, 0x01}).EndOfTrack(0x0FFFFFFF))
                     .Track(TrackBuilder().Event(0x200000, {0xC1, 0x02}).EndOfTrack())
                     .Build();
  Bytes expected = Format0(TrackBuilder()
                               .Event(0x200000, {0xC1, 0x02})
                               .Event(0x0FFFFFFF - 0x200000, {0xC0, 0x01})
                               .EndOfTrack(0x0FFFFFFF),
                           96);
  EXPECT_EQ(Convert(source).output, expected);
}

TEST(Conversion, OnlyTheTracksTheHeaderDeclaresAreMerged) {
  const TrackBuilder song = TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).EndOfTrack(10);
  const TrackBuilder privateData = TrackBuilder().Meta(0, 0x7F, "private").EndOfTrack();
  Bytes twoChunks = SmfBuilder(1, 480).Track(song).Track(privateData).TrackCount(1).Build();
  Conversion result = Convert(twoChunks);
  ASSERT_EQ(result.load, 0u);
  ASSERT_EQ(result.save, 0u);
  EXPECT_EQ(result.output, Format0(song));

  // A header declaring no track at all is wrong; every chunk is taken then.
  Bytes zeroDeclared = SmfBuilder(1, 480).Track(song).Track(privateData).TrackCount(0).Build();
  result = Convert(zeroDeclared);
  ASSERT_EQ(result.save, 0u);
  EXPECT_GT(result.output.size(), Format0(song).size());
}

TEST(Conversion, OtherChunksAndLongerHeadersAreSkipped) {
  Bytes source;
  builder::Append(source, "MThd");
  builder::Append32(source, 8);
  builder::Append(source, Bytes{0, 1, 0, 2, 0x01, 0xE0, 0xAA, 0xBB});
  Bytes rest = SmfBuilder(1, 480)
                   .Chunk("XFIH", Bytes{1, 2, 3})
                   .Track(TrackBuilder().Event(0, {0xC0, 0x01}).EndOfTrack())
                   .Chunk("MTrx", Bytes(9, 0xFF))
                   .Track(TrackBuilder().Event(0, {0xC1, 0x02}).EndOfTrack())
                   .Build();
  source.insert(source.end(), rest.begin() + 14, rest.end());
  Bytes expected =
      Format0(TrackBuilder().Event(0, {0xC0, 0x01}).Event(0, {0xC1, 0x02}).EndOfTrack(), 480);
  EXPECT_EQ(Convert(source).output, expected);
}

class DivisionCopied : public ::testing::TestWithParam<uint16_t> {};

TEST_P(DivisionCopied, AsStored) {
  for (uint16_t format : {0, 1, 2}) {
    Bytes source = SmfBuilder(format, GetParam())
                       .Track(TrackBuilder().Event(3, {0xC0, 0x01}).EndOfTrack())
                       .Build();
    Conversion result = Convert(source);
    ASSERT_EQ(result.load, 0u) << format;
    Bytes expected =
        SmfBuilder(0, GetParam()).Track(TrackBuilder().Event(3, {0xC0, 0x01}).EndOfTrack()).Build();
    EXPECT_EQ(result.output, expected) << format;
  }
}

INSTANTIATE_TEST_SUITE_P(Divisions, DivisionCopied,
                         ::testing::Values(uint16_t{96}, uint16_t{480}, uint16_t{0x7FFF},
                                           uint16_t{0xE728}));

}  // namespace
}  // namespace veltrix
