#include <gtest/gtest.h>

#include "style_fixtures.h"
#include "core/list_rows.h"

namespace veltrix::style_test {
namespace {

FinderRecord Song(const char* music, uint32_t tempo = 500000, uint8_t numerator = 4,
                  uint8_t denominator = 4) {
  FinderRecord record;
  record.music = music;
  record.genre = "Pop";
  record.keyword1 = "80,ballad";
  record.keyword2 = "unseen";
  record.tempo = tempo;
  record.numerator = numerator;
  record.denominator = denominator;
  return record;
}

Bytes FinderStyle(const FinderBuilder& finder) {
  return StyleWith(MinimalCasm(), OtsBuilder().Track(builder::SampleOtsTrack(1)), finder);
}

TEST(MfdView, ListsOneRowPerRecord) {
  auto listing = ListStyle(
      FinderStyle(FinderBuilder().Record(Song("Loving Woman")).Record(Song("Other"))), "Mfd");
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.window.columns[0].header, "Music");
  EXPECT_EQ(ListRows(listing.window).Row(0),
            Texts({"Loving Woman", "Pop", " 120", " 4/ 4", "80,ballad"}));
  EXPECT_EQ(listing.Cell(1, 0), "Other");
  EXPECT_TRUE(listing.messages.empty());
}

TEST(MfdView, PlainMidiFileAndStyleWithoutFinderGiveEmptyViews) {
  EXPECT_EQ(ListStyle(testing::SingleTrackFile(TrackBuilder().EndOfTrack()), "Mfd").RowCount(), 0u);
  Bytes noFinder = StyleBuilder(builder::SampleStyleTrack())
                       .Casm(MinimalCasm())
                       .Ots(OtsBuilder().Track(builder::SampleOtsTrack(1)))
                       .Raw(Bytes(64, 0))
                       .Build();
  auto listing = ListStyle(noFinder, "Mfd");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_TRUE(listing.messages.empty());
  EXPECT_EQ(listing.window.columns.size(), 5u);
}

TEST(MfdView, RecordWithEmptyTextsIsListedAndTheNextOneFound) {
  auto listing =
      ListStyle(FinderStyle(FinderBuilder().Record(FinderRecord()).Record(Song("After"))), "Mfd");
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(ListRows(listing.window).Row(0), Texts({"", "", " 120", " 4/ 4", ""}));
  EXPECT_EQ(listing.Cell(1, 0), "After");
}

struct TempoCase {
  const char* name;
  uint32_t tempo;
  uint8_t numerator, denominator;
  const char* tempoText;
  const char* timeSignature;
};

class MfdTempo : public ::testing::TestWithParam<TempoCase> {};

TEST_P(MfdTempo, DependsOnTheNumerator) {
  const TempoCase& c = GetParam();
  auto listing = ListStyle(
      FinderStyle(FinderBuilder().Record(Song("x", c.tempo, c.numerator, c.denominator))), "Mfd");
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Cell(0, 2), c.tempoText);
  EXPECT_EQ(listing.Cell(0, 3), c.timeSignature);
}

INSTANTIATE_TEST_SUITE_P(
    Records, MfdTempo,
    ::testing::Values(TempoCase{"FourFour", 500000, 4, 4, " 120", " 4/ 4"},
                      TempoCase{"ThreeFour", 500000, 3, 4, " 90", " 3/ 4"},
                      TempoCase{"SixEight", 500000, 6, 8, " 180", " 6/ 8"},
                      TempoCase{"DenominatorAsStored", 500000, 4, 2, " 120", " 4/ 2"},
                      TempoCase{"Rounded", 461538, 4, 4, " 130", " 4/ 4"},
                      TempoCase{"HalfToEvenDown", 6000000, 1, 4, " 2", " 1/ 4"},
                      TempoCase{"HalfToEvenUp", 2000000, 1, 4, " 8", " 1/ 4"},
                      TempoCase{"ZeroNumerator", 500000, 0, 4, " 0", " 0/ 4"},
                      TempoCase{"LargestThatFits", 1832, 4, 4, " 32751", " 4/ 4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MfdView, TempoOfZeroOrBeyond16BitsEndsTheListSilently) {
  for (uint32_t tempo : {0u, 1u, 1831u}) {
    auto listing = ListStyle(
        FinderStyle(
            FinderBuilder().Record(Song("First")).Record(Song("Bad", tempo)).Record(Song("Never"))),
        "Mfd");
    EXPECT_EQ(ColumnOf(listing, 0), Texts({"First"})) << tempo;
    EXPECT_TRUE(listing.messages.empty()) << tempo;
  }
}

TEST(MfdView, BytesBetweenOtsDataAndFinderTagArePassedOver) {
  Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                    .Casm(MinimalCasm())
                    .Ots(OtsBuilder().Track(builder::SampleOtsTrack(1)))
                    .Raw(Bytes(300, 0x55))
                    .Finder(FinderBuilder().Record(Song("Found")))
                    .Build();
  EXPECT_EQ(ColumnOf(ListStyle(bytes, "Mfd"), 0), Texts({"Found"}));
}

TEST(MfdView, OtsMustFollowTheCasmDataDirectly) {
  Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                    .Casm(MinimalCasm())
                    .Raw(Bytes(1, 0))
                    .Ots(OtsBuilder().Track(builder::SampleOtsTrack(1)))
                    .Finder(FinderBuilder().Record(Song("Hidden")))
                    .Build();
  EXPECT_EQ(ListStyle(bytes, "Mfd").RowCount(), 0u);
}

TEST(MfdView, AnyFourthTagByteOfOtsAndFnrIsAccepted) {
  Bytes bytes = StyleWith(MinimalCasm(), OtsBuilder("OTSz").Track(builder::SampleOtsTrack(1)),
                          FinderBuilder("FNR\x01").Record(Song("Tagged")));
  EXPECT_EQ(ColumnOf(ListStyle(bytes, "Mfd"), 0), Texts({"Tagged"}));
}

TEST(MfdView, RecordRunningPastTheEndEndsTheListSilently) {
  Bytes bytes = FinderStyle(FinderBuilder().Record(Song("Kept")).Record(Song("Cut short")));
  bytes.resize(bytes.size() - 20);  // into the second record's genre text
  auto listing = ListStyle(bytes, "Mfd");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"Kept"}));
  EXPECT_TRUE(listing.messages.empty());
}

TEST(MfdView, ListEndsAtTheFirstTagThatIsNotARecord) {
  auto listing = ListStyle(FinderStyle(FinderBuilder()
                                           .Record(Song("One"))
                                           .Raw({'F', 'N', 'R', 'X', 0, 0, 0, 0})
                                           .Record(Song("Two"))),
                           "Mfd");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"One"}));
}

TEST(MfdView, TextsGoThroughTheCodePage) {
  FinderRecord record = Song("Caf\xE9");
  record.genre = "Schlager \xFC";
  auto listing = ListStyle(FinderStyle(FinderBuilder().Record(record)), "Mfd");
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Cell(0, 0), "Caf\xC3\xA9");
  EXPECT_EQ(listing.Cell(0, 1), "Schlager \xC3\xBC");
}

}  // namespace
}  // namespace veltrix::style_test
