#include <gtest/gtest.h>

#include <algorithm>

#include "core/number_text.h"
#include "style_fixtures.h"

namespace veltrix::style_test {
namespace {

int64_t OffsetOf(const Bytes& bytes, std::string_view tag) {
  auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
  return at == bytes.end() ? -1 : at - bytes.begin();
}

// A style whose OTS section is followed by enough bytes for the section search, which wants
// 30 bytes behind the CASM data.
Bytes OtsStyle(const OtsBuilder& ots) {
  return StyleBuilder(builder::SampleStyleTrack())
      .Casm(MinimalCasm())
      .Ots(ots)
      .Raw(Bytes(32, 0))
      .Build();
}

OtsBuilder FourTracks() {
  OtsBuilder ots;
  for (uint8_t program = 1; program <= 4; ++program) ots.Track(builder::SampleOtsTrack(program));
  return ots;
}

TEST(OtsView, PlainMidiFileGivesAnEmptyViewWithoutMessage) {
  auto listing = ListStyle(testing::SingleTrackFile(TrackBuilder().EndOfTrack()), "Ots");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_TRUE(listing.messages.empty());
  EXPECT_EQ(listing.window.PressedView(), "Ots");
  ASSERT_EQ(listing.window.columns.size(), 5u);
  EXPECT_TRUE(listing.window.listVisible);
}

TEST(OtsView, FourTracksAreNumberedInFileOrderWithoutEndOfTrackRows) {
  Bytes bytes = OtsStyle(FourTracks());
  auto listing = ListStyle(bytes, "Ots");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"1", "1", "2", "2", "3", "3", "4", "4"}));
  EXPECT_EQ(ColumnOf(listing, 3), std::vector<std::string>(8, "Midi Event"));
  // The first event's delta time sits behind the OTS tag, its length, "MTrk" and its length.
  const int64_t firstEvent = OffsetOf(bytes, "OTSc") + 16;
  EXPECT_EQ(listing.Cell(0, 1), ZeroPadded(firstEvent, 6));
  EXPECT_EQ(listing.Cell(1, 1), ZeroPadded(firstEvent + 3, 6));
  // Each track is 11 bytes of events (3 + 4 + 4 for End of Track) behind an 8-byte head.
  EXPECT_EQ(listing.Cell(2, 1), ZeroPadded(firstEvent + 19, 6));
  EXPECT_EQ(listing.Cell(0, 2), "0");
  EXPECT_TRUE(listing.messages.empty());
}

TEST(OtsView, IdIsTheOffsetInTheWholeFile) {
  auto build = [](size_t pad) {
    TrackBuilder track;
    track.Meta(0, 0x01, std::string(pad, 'x')).EndOfTrack();
    return StyleBuilder(track).Casm(MinimalCasm()).Ots(FourTracks()).Build();
  };
  const size_t pad = 1000;
  const int64_t first = OffsetOf(build(pad), "OTSc") + 16;
  Bytes bytes = build(pad + static_cast<size_t>(5000 - first));
  auto listing = ListStyle(bytes, "Ots");
  ASSERT_GT(listing.RowCount(), 0u);
  EXPECT_EQ(listing.Cell(0, 1), "005000");
}

TEST(OtsView, DelayIsTheDeltaTimeOfEachEvent) {
  OtsBuilder ots;
  ots.Track(TrackBuilder()
                .Event(0, {0xC0, 1})
                .Event(200, {0xC0, 2})
                .Event(20000, {0xC0, 3})
                .EndOfTrack());
  auto listing = ListStyle(OtsStyle(ots), "Ots");
  EXPECT_EQ(ColumnOf(listing, 2), Texts({"0", "200", "20000"}));
}

TEST(OtsView, CommandsAreTheSameAsTheMidiViewsForTheSameEvents) {
  TrackBuilder track;
  track.Tempo(0, 500000)
      .TimeSignature(0, 3, 2)
      .Meta(0, 0x03, "Name")
      .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
      .Event(0, {0xC2, 0x05})
      .Event(10, {0x92, 0x3C, 0x64})
      .Event(10, {0x3E, 0x64})
      .Event(10, {0xB2, 0x07, 0x64})
      .EndOfTrack();
  for (bool decode : {true, false}) {
    Options options;
    options.DecodeSysex = decode;
    options.MarkRunningStatus = true;
    Bytes bytes = StyleBuilder(track).Casm(MinimalCasm()).Ots(OtsBuilder().Track(track)).Build();
    auto midi = ListStyle(bytes, "Midi", options);
    auto ots = ListStyle(bytes, "Ots", options);
    EXPECT_EQ(ots.Commands(), midi.Commands()) << decode;
    EXPECT_EQ(ColumnOf(ots, 3), ColumnOf(midi, 4)) << decode;
  }
}

TEST(OtsView, SysexWithoutDecodingShowsItsHexText) {
  OtsBuilder ots;
  ots.Track(TrackBuilder().Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0xF7}).EndOfTrack());
  Options options;
  options.DecodeSysex = false;
  auto listing = ListStyle(OtsStyle(ots), "Ots", options);
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Command(0), "43 10 4C 00 F7 ");
  EXPECT_EQ(listing.Cell(0, 3), "Sysex Command");
}

TEST(OtsView, RunningStatusIsMarkedWhenAskedFor) {
  OtsBuilder ots;
  ots.Track(TrackBuilder().Event(0, {0x90, 0x3C, 0x64}).Event(0, {0x3E, 0x64}).EndOfTrack());
  Options options;
  options.MarkRunningStatus = true;
  auto listing = ListStyle(OtsStyle(ots), "Ots", options);
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_NE(listing.Command(0).back(), '*');
  EXPECT_EQ(listing.Command(1).back(), '*');
}

TEST(OtsView, AnyFourthTagByteIsAccepted) {
  auto listing =
      ListStyle(OtsStyle(OtsBuilder("OTS\x01").Track(builder::SampleOtsTrack(1))), "Ots");
  EXPECT_EQ(listing.RowCount(), 2u);
}

TEST(OtsView, GapOfUpTo30BytesBeforeTheOtsTagIsTolerated) {
  for (size_t gap : {0u, 1u, 30u, 31u}) {
    Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                      .Casm(MinimalCasm())
                      .Raw(Bytes(gap, 0))
                      .Ots(FourTracks())
                      .Build();
    EXPECT_EQ(ListStyle(bytes, "Ots").RowCount(), gap <= 30 ? 8u : 0u) << gap;
  }
}

TEST(OtsView, CasmFoundFurtherBehindTheTrackStillLeadsToTheOts) {
  Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                    .Raw(Bytes(100, 0))
                    .Casm(MinimalCasm())
                    .Ots(FourTracks())
                    .Build();
  EXPECT_EQ(ListStyle(bytes, "Ots").RowCount(), 8u);
  EXPECT_EQ(ListStyle(bytes, "Casm").RowCount(), 0u);
}

TEST(OtsView, TrackWithoutEndOfTrackStopsAtItsDeclaredEnd) {
  OtsBuilder ots;
  ots.Track(TrackBuilder().Event(0, {0xC0, 1}).Event(0, {0xC0, 2}))
      .Track(builder::SampleOtsTrack(3));
  auto listing = ListStyle(OtsStyle(ots), "Ots");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"1", "1", "2", "2"}));
  EXPECT_TRUE(listing.messages.empty());
}

TEST(OtsView, LoopEndsAtAZeroLengthOrAnotherChunk) {
  OtsBuilder zero;
  zero.Track(builder::SampleOtsTrack(1))
      .TrackWithLength(TrackBuilder(), 0)
      .Track(builder::SampleOtsTrack(3));
  EXPECT_EQ(ColumnOf(ListStyle(OtsStyle(zero), "Ots"), 0), Texts({"1", "1"}));

  OtsBuilder other;
  other.Track(builder::SampleOtsTrack(1))
      .Raw({'X', 'T', 'r', 'k', 0, 0, 0, 0})
      .Track(builder::SampleOtsTrack(3));
  EXPECT_EQ(ColumnOf(ListStyle(OtsStyle(other), "Ots"), 0), Texts({"1", "1"}));
}

TEST(OtsView, SectionLengthLimitsTheTracks) {
  OtsBuilder ots = FourTracks();
  ots.DeclaredLength(2 * 19);  // room for two tracks of 19 bytes each
  EXPECT_EQ(ListStyle(OtsStyle(ots), "Ots").RowCount(), 4u);
}

TEST(OtsView, EventRunningPastTheEndIsReportedAndKeepsTheRowsBefore) {
  OtsBuilder ots;
  ots.Track(builder::SampleOtsTrack(1))
      .TrackWithLength(TrackBuilder().Event(0, {0xC0, 2}).Raw({0x00, 0xF0, 0x7F, 0x43}), 200);
  auto listing = ListStyle(OtsStyle(ots), "Ots");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"1", "1", "2"}));
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].routine, "GetOTS");
  EXPECT_EQ(listing.reports[0].number, 9);
  EXPECT_TRUE(listing.window.listVisible);
  EXPECT_EQ(listing.window.progressValue, 0);
}

TEST(OtsView, SectionRunningPastTheFileEndsInAReportAfterTheLastTrack) {
  // The file ends three bytes behind the fourth track: too few for a further tag.
  OtsBuilder ots = FourTracks();
  ots.DeclaredLength(1000);
  const Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                          .Casm(MinimalCasm())
                          .Ots(ots)
                          .Raw({'M', 'T', 'r'})
                          .Build();
  auto listing = ListStyle(bytes, "Ots");
  EXPECT_EQ(listing.RowCount(), ListStyle(OtsStyle(FourTracks()), "Ots").RowCount());
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].number, 9);  // subscript out of range
}

TEST(OtsView, HugeTrackLengthStillLeavesTheTrackAtItsEndOfTrack) {
  OtsBuilder ots;
  ots.TrackWithLength(builder::SampleOtsTrack(1), 0xFFFFFFFF).Track(builder::SampleOtsTrack(2));
  auto listing = ListStyle(OtsStyle(ots), "Ots");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"1", "1", "2", "2"}));
  EXPECT_TRUE(listing.messages.empty());
}

TEST(OtsView, TooShortForTheSearchGivesAnEmptyView) {
  Bytes bytes = OtsStyle(FourTracks());
  bytes.resize(static_cast<size_t>(OffsetOf(bytes, "OTSc")) + 5);
  auto listing = ListStyle(bytes, "Ots");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_TRUE(listing.messages.empty());
}

// A tempo's text reads the time signature in force; each track starts without one, so a track
// lists alike whether or not a track with a time signature comes before it.
TEST(OtsView, EachTrackStartsWithoutTheTimeSignatureOfTheTrackBefore) {
  const TrackBuilder eighths =
      TrackBuilder().TimeSignature(0, 6, 3).Tempo(0, 400000).Event(10, {0xC0, 1}).EndOfTrack();
  const TrackBuilder plain = TrackBuilder().Tempo(0, 400000).Event(10, {0xC0, 2}).EndOfTrack();
  auto both = ListStyle(OtsStyle(OtsBuilder().Track(eighths).Track(plain)), "Ots");
  auto alone = ListStyle(OtsStyle(OtsBuilder().Track(plain)), "Ots");
  auto first = ListStyle(OtsStyle(OtsBuilder().Track(eighths)), "Ots");
  ASSERT_EQ(both.RowCount(), 5u);
  ASSERT_EQ(alone.RowCount(), 2u);
  ASSERT_EQ(first.RowCount(), 3u);
  const std::vector<std::string> expected = {first.Cell(0, 4), first.Cell(1, 4), first.Cell(2, 4),
                                             alone.Cell(0, 4), alone.Cell(1, 4)};
  EXPECT_EQ(ColumnOf(both, 4), expected);
  EXPECT_NE(first.Cell(1, 4), alone.Cell(0, 4));  // the time signature does change the text
}

}  // namespace
}  // namespace veltrix::style_test
