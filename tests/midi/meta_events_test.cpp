#include "midi/meta_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;
using testing::ListBytes;
using testing::SingleTrackFile;

struct MetaCase {
  const char* name;
  Bytes event;  // the event's bytes after its delta time, from the 0xFF on
  std::string command;
};

class MetaEventCommand : public ::testing::TestWithParam<MetaCase> {};

// Each event is listed between two program changes, so a wrong event length shows up as a
// damaged second program change.
TEST_P(MetaEventCommand, IsListedAndSteppedOver) {
  const MetaCase& c = GetParam();
  auto listing = ListBytes(SingleTrackFile(
      TrackBuilder().Event(0, {0xC0, 0x01}).Event(0, c.event).Event(0, {0xC0, 0x02}).EndOfTrack()));
  ASSERT_EQ(listing.RowCount(), 3u);
  EXPECT_EQ(listing.Command(1), c.command);
  EXPECT_EQ(listing.Cell(1, 3), "");
  EXPECT_EQ(listing.Cell(1, 4), "Metadata");
  EXPECT_EQ(listing.Command(2), "Program Change:  2");
  EXPECT_EQ(listing.window.lblWarning, "");
  EXPECT_TRUE(listing.reports.empty());
}

Bytes Text(uint8_t type, const std::string& text) {
  Bytes out{0xFF, type, static_cast<uint8_t>(text.size())};
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

// An unknown type with `length` data bytes, its length written as a variable-length quantity.
Bytes UnknownWithLength(uint32_t length) {
  Bytes out{0xFF, 0x60};
  builder::Append(out, builder::VarLen(length));
  out.resize(out.size() + length, 0x01);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Types, MetaEventCommand,
    ::testing::Values(
        MetaCase{"SequenceNumber", {0xFF, 0x00, 0x02, 0x01, 0x02}, "Sequence Number:  258"},
        MetaCase{"TextEvent", Text(0x01, "hi"), "Text Event: hi"},
        MetaCase{"Copyright", Text(0x02, "(c) x"), "Copyright: (c) x"},
        MetaCase{"StyleName", Text(0x03, "Pop"), "StyleName: Pop"},
        MetaCase{"InstrumentName", Text(0x04, "Bass"), "Track Instrument Name: Bass"},
        MetaCase{"Lyric", Text(0x05, "la "), "Lyric: la "},
        MetaCase{"Marker", Text(0x06, "ABC"), "MARKER:ABC"},
        MetaCase{"CuePoint", Text(0x07, "go"), "Cue Point: go"},
        MetaCase{"PortName", Text(0x09, "A"), "MidiPort: A"},
        MetaCase{"EmptyText", Text(0x01, ""), "Text Event: "},
        MetaCase{"TextThroughCodePage",
                 {0xFF, 0x01, 0x02, 0xE9, 0x80},
                 "Text Event: \xC3\xA9\xE2\x82\xAC"},
        MetaCase{"ChannelPrefix", {0xFF, 0x20, 0x01, 0x05}, "Midi Channel Prefix:  5"},
        MetaCase{"PortNumber", {0xFF, 0x21, 0x01, 0x00}, "MidiPort:  0"},
        MetaCase{"Tempo", {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}, "Tempo:  120"},
        MetaCase{"TempoKeepsIntegerPart", {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x21}, "Tempo:  119"},
        MetaCase{"SmpteOffset", {0xFF, 0x54, 0x05, 0x60, 0x00, 0x00, 0x00, 0x00}, "SMPTE Offset"},
        MetaCase{
            "TimeSignature", {0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}, "Time Signature:  4/ 4"},
        MetaCase{"KeyFlats", {0xFF, 0x59, 0x02, 0xFB, 0x01}, "Key Signature: Db/Bm"},
        MetaCase{"KeySevenFlats", {0xFF, 0x59, 0x02, 0xF9, 0x00}, "Key Signature: Cb/G#m"},
        MetaCase{"KeyOneFlat", {0xFF, 0x59, 0x02, 0xFF, 0x00}, "Key Signature: F/Dm"},
        MetaCase{"KeyC", {0xFF, 0x59, 0x02, 0x00, 0x01}, "Key Signature: C/Am"},
        MetaCase{"KeySevenSharps", {0xFF, 0x59, 0x02, 0x07, 0x00}, "Key Signature: G#"},
        MetaCase{"KeyOutOfRange", {0xFF, 0x59, 0x02, 0x08, 0x00}, "Key Signature: 8"},
        MetaCase{"KeyFarOutOfRange", {0xFF, 0x59, 0x02, 0x80, 0x00}, "Key Signature: 128"},
        MetaCase{"SequencerSpecific",
                 {0xFF, 0x7F, 0x07, 0x43, 0x7B, 0x01, 0x31, 0x00, 0x7F, 0x7F},
                 "Chord:  C"},
        MetaCase{"UnknownType", Text(0x08, "0123456789"), ""},
        MetaCase{"UnknownTypeLongLength", UnknownWithLength(128), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MetaEvents, LongTextIsReadWholeAndWalkContinues) {
  std::string text(200, 'x');
  auto listing = ListBytes(
      SingleTrackFile(TrackBuilder().Meta(0, 0x01, text).Event(0, {0xC0, 0x02}).EndOfTrack()));
  auto bytes = SingleTrackFile(TrackBuilder().Meta(0, 0x01, text));
  ASSERT_EQ(bytes[25], 0x81);  // the length is the two-byte quantity 81 48
  ASSERT_EQ(bytes[26], 0x48);
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.Command(0), "Text Event: " + text);
  EXPECT_EQ(listing.Command(1), "Program Change:  2");
  EXPECT_EQ(listing.window.lblWarning, "");
}

TEST(MetaEvents, SequencerSpecificWithDecodingOffIsItsHexText) {
  Options options;
  options.DecodeSysex = false;
  auto listing =
      ListBytes(SingleTrackFile(TrackBuilder().Meta(0, 0x7F, Bytes{0x43, 0x7B, 0x00}).EndOfTrack()),
                "Midi", options);
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Command(0), "43 7B 00 ");
}

TEST(MetaEvents, TempoFollowsDenominatorOfEveryTimeSignature) {
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .Tempo(0, 500000)
                                               .TimeSignature(0, 6, 3)
                                               .Tempo(0, 500000)
                                               .TimeSignature(0, 2, 1)
                                               .Tempo(0, 500000)
                                               .EndOfTrack()));
  EXPECT_EQ(listing.Commands(),
            (std::vector<std::string>{"Tempo:  120", "Time Signature:  6/ 8", "Tempo:  240",
                                      "Time Signature:  2/ 2", "Tempo:  60"}));
}

// Direct calls, for the measure state the listing does not show.
class MetaEventDirect : public ::testing::Test {
 protected:
  // Puts the track into a file with the given division and ReadPos on the 0xFF of the event
  // that starts at track offset `offset` (after its delta-time byte).
  void Load(const TrackBuilder& track, uint16_t division, int offset = 1) {
    session.image = FileImage(SingleTrackFile(track, division));
    session.ReadPos = 22 + offset;
  }
  Session session;
  MeasureState measure;
};

TEST_F(MetaEventDirect, FirstTimeSignatureSetsGridLaterOnesOnlyDenominator) {
  Load(TrackBuilder().TimeSignature(0, 3, 2).TimeSignature(0, 4, 3), 96);
  EXPECT_EQ(MetaEventText(session, measure), "Time Signature:  3/ 4");
  EXPECT_EQ(session.EventLength, 4);
  EXPECT_EQ(measure.ticksPerMeasure, 288);
  EXPECT_EQ(measure.ticksPerBeat, 96);
  EXPECT_EQ(measure.denominator, 4);

  session.ReadPos = 22 + 8 + 1;
  EXPECT_EQ(MetaEventText(session, measure), "Time Signature:  4/ 8");
  EXPECT_EQ(measure.ticksPerMeasure, 288);
  EXPECT_EQ(measure.ticksPerBeat, 96);
  EXPECT_EQ(measure.denominator, 8);
}

TEST_F(MetaEventDirect, TicksPerMeasureRoundsTiesToEven) {
  struct {
    uint8_t numerator, power;
    uint16_t division;
    int32_t ticksPerMeasure, ticksPerBeat;
  } cases[] = {
      {5, 3, 1, 2, 0},  // 2.5 -> 2
      {7, 4, 2, 4, 0},  // 3.5 -> 4
      {3, 3, 1, 2, 0},  // 1.5 -> 2
      {6, 3, 480, 1440, 240}, {7, 3, 480, 1680, 240},
  };
  for (const auto& c : cases) {
    MeasureState fresh;
    Load(TrackBuilder().TimeSignature(0, c.numerator, c.power), c.division);
    MetaEventText(session, fresh);
    EXPECT_EQ(fresh.ticksPerMeasure, c.ticksPerMeasure) << int{c.numerator} << "/" << int{c.power};
    EXPECT_EQ(fresh.ticksPerBeat, c.ticksPerBeat) << int{c.numerator} << "/" << int{c.power};
  }
}

TEST_F(MetaEventDirect, TwoByteLengthShiftsReadPosOverContinuationByte) {
  Load(TrackBuilder().Meta(0, 0x7F, Bytes(130, 0x41)), 480);
  std::string command = MetaEventText(session, measure);
  EXPECT_EQ(session.EventLength, 130);
  EXPECT_EQ(session.ReadPos, 24);  // the 0xFF moved on by one continuation byte
  EXPECT_EQ(command.substr(0, 29), "Yamaha Sequencer Specific 41 ");
  EXPECT_EQ(command.size(), 26u + 130 * 3);
}

struct FailureCase {
  const char* name;
  Bytes event;
  int number;
};

class MetaEventFailure : public ::testing::TestWithParam<FailureCase> {};

// A failing meta event ends the listing: the rows before it stay, the warning and one report
// under "getMidiList" follow.
TEST_P(MetaEventFailure, EndsListingWithReport) {
  const FailureCase& c = GetParam();
  auto listing = ListBytes(SingleTrackFile(
      TrackBuilder().Event(0, {0xC0, 0x01}).Event(0, c.event).Event(0, {0xC0, 0x02}).EndOfTrack()));
  EXPECT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.window.lblWarning, "File has errors");
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].number, c.number);
  EXPECT_EQ(listing.reports[0].routine, "getMidiList");
}

INSTANTIATE_TEST_SUITE_P(
    Bad, MetaEventFailure,
    ::testing::Values(
        FailureCase{"TempoZero", {0xFF, 0x51, 0x03, 0x00, 0x00, 0x00}, kDivisionByZero},
        FailureCase{"NumeratorZero", {0xFF, 0x58, 0x04, 0x00, 0x02, 0x18, 0x08}, kDivisionByZero},
        FailureCase{"DenominatorTooLarge", {0xFF, 0x58, 0x04, 0x04, 0x0F, 0x18, 0x08}, kOverflow},
        FailureCase{"SequenceNumberTooLarge", {0xFF, 0x00, 0x02, 0x80, 0x00}, kOverflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MetaEvents, LargestDenominatorIsAccepted) {
  auto listing = ListBytes(
      SingleTrackFile(TrackBuilder().TimeSignature(0, 4, 14).Tempo(0, 500000).EndOfTrack(), 4096));
  EXPECT_EQ(listing.Commands(),
            (std::vector<std::string>{"Time Signature:  4/ 16384", "Tempo:  491520"}));
  EXPECT_EQ(listing.window.lblWarning, "");
}

TEST(MetaEvents, TextRunningPastEndOfFileFailsListing) {
  Bytes file = SingleTrackFile(
      TrackBuilder().Event(0, {0xC0, 0x01}).Raw({0x00, 0xFF, 0x01, 0x10, 'a', 'b'}));
  auto listing = ListBytes(file);
  EXPECT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.window.lblWarning, "File has errors");
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].number, kSubscriptOutOfRange);
  EXPECT_EQ(listing.reports[0].routine, "getMidiList");
}

}  // namespace
}  // namespace veltrix
