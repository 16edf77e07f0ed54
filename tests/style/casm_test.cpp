#include <gtest/gtest.h>

#include <algorithm>

#include "core/session.h"
#include "core/list_rows.h"
#include "style/casm.h"
#include "style_fixtures.h"
#include "views/select_view.h"

namespace veltrix::style_test {
namespace {

constexpr char kIndent10[] = "          ";

std::string Indented(const char* label) {
  return kIndent10 + std::string(label);
}

CtabRecord BassRecord() {
  CtabRecord record;
  record.head.sourceChannel = 9;
  record.head.name = "Bass";
  record.head.destinationChannel = 10;
  record.head.editable = 1;
  record.head.chordMask = {0x03, 0x00, 0x00, 0x00, 0x01};
  record.head.sourceRoot = 2;
  record.head.sourceChordType = 19;
  record.transpositionRule = 1;
  record.transpositionTable = 3;
  record.highKey = 7;
  record.noteLowLimit = 0;
  record.noteHighLimit = 127;
  record.retriggerRule = 5;
  return record;
}

TEST(CasmView, PlainMidiFileShowsNoCasmWarningAndNoRows) {
  auto listing = ListStyle(testing::SingleTrackFile(TrackBuilder().EndOfTrack()), "Casm");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_EQ(listing.window.lblWarning, "No CASM in file");
  EXPECT_EQ(listing.window.PressedView(), "Casm");
  ASSERT_EQ(listing.window.columns.size(), 3u);
  EXPECT_EQ(listing.window.columns[0].header, "   ");
  EXPECT_TRUE(listing.messages.empty());
}

TEST(CasmView, LongFileWithoutCasmTagListsNothingAndWarnsNothing) {
  Bytes bytes = StyleBuilder(builder::SampleStyleTrack()).Raw(Bytes(200, 0x41)).Build();
  auto listing = ListStyle(bytes, "Casm");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_EQ(listing.window.lblWarning, "");
}

TEST(CasmView, ListsCtabAndCnttRecordsRowByRow) {
  auto listing = ListStyle(
      StyleWith(CasmBuilder().Cseg().Sdec("Main A,Main B").Ctab(BassRecord()).Cntt(9, 129)),
      "Casm");
  const std::vector<CasmRow> expected = {
      {"Style Section(s)", "Main A,Main B"},
      {Indented("Source Track"), "10"},
      {Indented("Name"), "Bass    "},
      {Indented("Style Part"), "Bass"},
      {Indented("Editable?"), "No"},
      {Indented("Notes allowed"), "C  C#  D  Eb  E  F  F#  G  G# A Bb B "},
      {Indented("Chords allowed"), "sus4  1+2+5  Maj  "},
      {Indented("Key "), "D 7th"},
      {Indented("Note Transposition Rule "), "Root Fixed"},
      {Indented("Note Transposition Table "), "Bass"},
      {Indented("High Key "), "G"},
      {Indented("Note Low Limit "), " 0"},
      {Indented("Note High Limit "), " 127"},
      {Indented("Retrigger rule "), "Note Generator"},
      {"      ", " "},
      {"     Source Track", "10"},
      {Indented("Source: Note Transposition Table "), "10: Melody + Bass/ Bass On"},
  };
  EXPECT_EQ(CasmRows(listing), expected);
  EXPECT_EQ(ColumnOf(listing, 0).front(), "001");
  EXPECT_EQ(ColumnOf(listing, 0).back(), "017");
  EXPECT_TRUE(listing.messages.empty());
}

TEST(CasmView, EachCsegListsItsOwnSdecFollowedByItsRecords) {
  CtabRecord first = BassRecord(), second = BassRecord();
  first.head.name = "One";
  second.head.name = "Two";
  auto listing = ListStyle(
      StyleWith(
          CasmBuilder().Cseg().Sdec("Main A").Ctab(first).Cseg().Sdec("Fill In AA").Ctab(second)),
      "Casm");
  std::vector<std::string> sequence;
  for (const auto& [parameter, setting] : CasmRows(listing))
    if (parameter == "Style Section(s)" || parameter == Indented("Name"))
      sequence.push_back(setting);
  EXPECT_EQ(sequence, Texts({"Main A", "One     ", "Fill In AA", "Two     "}));
}

TEST(CasmView, LongCtabIsReadFromItsFirst34BytesAndNextRecordFollowsItsLength) {
  CtabRecord first = BassRecord(), second = BassRecord();
  first.head.name = "Long";
  first.tail = Bytes(20, 0x43);  // "CCCC...": not a tag the walk may take for one
  second.head.name = "Next";
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctab(first).Ctab(second)), "Casm");
  EXPECT_EQ(SettingsOf(listing, Indented("Name")), Texts({"Long    ", "Next    "}));
  EXPECT_EQ(SettingsOf(listing, Indented("Retrigger rule ")),
            Texts({"Note Generator", "Note Generator"}));
}

struct ValueCase {
  const char* name;
  void (*set)(CtabRecord&);
  const char* parameter;
  const char* setting;
};

class CasmValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CasmValue, ListsTheTableText) {
  CtabRecord record = BassRecord();
  GetParam().set(record);
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctab(record)), "Casm");
  EXPECT_EQ(SettingsOf(listing, Indented(GetParam().parameter)), Texts({GetParam().setting}));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CasmValue,
    ::testing::Values(
        ValueCase{"StylePartSubRhythm", [](CtabRecord& r) { r.head.destinationChannel = 8; },
                  "Style Part", "Sub Rhythm"},
        ValueCase{"StylePartPhrase2", [](CtabRecord& r) { r.head.destinationChannel = 15; },
                  "Style Part", "Phrase 2"},
        ValueCase{"StylePartBelow", [](CtabRecord& r) { r.head.destinationChannel = 7; },
                  "Style Part", ""},
        ValueCase{"StylePartAbove", [](CtabRecord& r) { r.head.destinationChannel = 16; },
                  "Style Part", ""},
        ValueCase{"SourceChannelNine", [](CtabRecord& r) { r.head.sourceChannel = 9; },
                  "Source Track", "10"},
        ValueCase{"SourceChannel255", [](CtabRecord& r) { r.head.sourceChannel = 255; },
                  "Source Track", "256"},
        ValueCase{"Editable", [](CtabRecord& r) { r.head.editable = 0; }, "Editable?", "Yes"},
        ValueCase{"NoNotes",
                  [](CtabRecord& r) {
                    r.head.noteMaskHigh = 0xF0;
                    r.head.noteMaskLow = 0;
                  },
                  "Notes allowed", ""},
        ValueCase{"SomeNotes",
                  [](CtabRecord& r) {
                    r.head.noteMaskHigh = 0x09;
                    r.head.noteMaskLow = 0x81;
                  },
                  "Notes allowed", "C  G  G# B "},
        ValueCase{"EveryChord",
                  [](CtabRecord& r) {
                    r.head.chordMask = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
                  },
                  "Chords allowed",
                  "sus4  1+2+5        7(13)  7(b9)  7(b13)  7(#9)  M7aug  7aug  1+8  1+5  "
                  "m7M(9)  dim  dim7  7  7sus4  7b5  7(9)  7#11  min  min6  min7  m7b5  m(9)  "
                  "m7(9)  m7(11)  mM7  Maj  Maj6  Maj7  M7#11  (9)  M7(9)  6(9)  aug  "},
        ValueCase{"KeyLastType",
                  [](CtabRecord& r) {
                    r.head.sourceRoot = 11;
                    r.head.sourceChordType = 34;
                  },
                  "Key ", "B machine specific"},
        ValueCase{"KeyUnknown",
                  [](CtabRecord& r) {
                    r.head.sourceRoot = 12;
                    r.head.sourceChordType = 35;
                  },
                  "Key ", " "},
        ValueCase{"KeyAugmentedSeventh", [](CtabRecord& r) { r.head.sourceChordType = 29; }, "Key ",
                  "D 7ang"},
        ValueCase{"RuleZero", [](CtabRecord& r) { r.transpositionRule = 0; },
                  "Note Transposition Rule ", "Root Transposition"},
        ValueCase{"RuleAny", [](CtabRecord& r) { r.transpositionRule = 200; },
                  "Note Transposition Rule ", "Root Fixed"},
        ValueCase{"TableHarmonicMinor", [](CtabRecord& r) { r.transpositionTable = 5; },
                  "Note Transposition Table ", "Harmonic minor"},
        ValueCase{"TableUnknown", [](CtabRecord& r) { r.transpositionTable = 6; },
                  "Note Transposition Table ", ""},
        ValueCase{"HighKeyUnknown", [](CtabRecord& r) { r.highKey = 12; }, "High Key ", ""},
        ValueCase{"LowLimit", [](CtabRecord& r) { r.noteLowLimit = 36; }, "Note Low Limit ", " 36"},
        ValueCase{"RetriggerStop", [](CtabRecord& r) { r.retriggerRule = 0; }, "Retrigger rule ",
                  "Stop"},
        ValueCase{"RetriggerUnknown", [](CtabRecord& r) { r.retriggerRule = 6; }, "Retrigger rule ",
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CasmView, CnttRecordsAreReadInStepsOfTenWhateverTheirLength) {
  auto listing = ListStyle(
      StyleWith(MinimalCasm().Ctab(BassRecord()).Cntt(0, 0, 50).Cntt(1, 136, 0).Cntt(2, 9)),
      "Casm");
  EXPECT_EQ(SettingsOf(listing, "     Source Track"), Texts({"1", "2", "3"}));
  EXPECT_EQ(SettingsOf(listing, Indented("Source: Note Transposition Table ")),
            Texts({"1: Bypass/ Bass Off", "2: Dorian 5th Var/ Bass On", "3: "}));
}

TEST(CasmView, CnttNamesEveryTranspositionTableWithItsBassFlag) {
  // The nine published note transposition tables, codes 0 to 8; bit 7 turns the bass on.
  const char* tables[] = {
      "Bypass",        "Melody + Bass",         "Chord",  "Melodic minor", "Harmonic minor 5th Var",
      "Natural minor", "Natural minor 5th Var", "Dorian", "Dorian 5th Var"};
  CasmBuilder casm = MinimalCasm();
  std::vector<std::string> expected;
  for (uint8_t code = 0; code < 9; ++code) {
    for (int bass : {0, 128}) {
      casm.Cntt(0, static_cast<uint8_t>(code | bass));
      expected.push_back(std::string("1: ") + tables[code] + (bass ? "/ Bass On" : "/ Bass Off"));
    }
  }
  casm.Cntt(0, 9);  // no table has code 9
  expected.push_back("1: ");
  EXPECT_EQ(
      SettingsOf(ListStyle(StyleWith(casm), "Casm"), Indented("Source: Note Transposition Table ")),
      expected);
}

TEST(CasmView, CnttAfterSdecWithoutCtabIsListed) {
  auto listing = ListStyle(StyleWith(MinimalCasm().Cntt(4, 2)), "Casm");
  EXPECT_EQ(CasmRows(listing), (std::vector<CasmRow>{{"Style Section(s)", "Main A"},
                                                     {"     Source Track", "5"},
                                                     {Indented("Source: Note Transposition Table "),
                                                      "5: Chord/ Bass Off"}}));
}

TEST(CasmView, SdecTextGoesThroughTheCodePage) {
  auto listing = ListStyle(StyleWith(CasmBuilder().Cseg().Sdec("Caf\xE9").Cntt(0, 0)), "Casm");
  EXPECT_EQ(SettingsOf(listing, "Style Section(s)"), Texts({"Caf\xC3\xA9"}));
}

TEST(CasmView, TagIsFoundUpToEightBytesBehindTheTrack) {
  // L + 20 to L + 30 with the track's data from 22: gaps of -2 to 8 bytes.
  // A negative gap: the track's length field claims the tag's first bytes. The OTS view, which
  // looks for the OTS section behind CASM, finds it too.
  for (int gap : {-2, -1, 0, 5, 8}) {
    Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                      .Raw(Bytes(std::max(gap, 0), 0))
                      .Casm(MinimalCasm().Ctab(BassRecord()))
                      .Ots(OtsBuilder().Track(builder::SampleOtsTrack(1)))
                      .Raw(Bytes(32, 0))  // the OTS search wants 30 bytes behind CASM
                      .Build();
    if (gap < 0) bytes[21] = static_cast<uint8_t>(bytes[21] - gap);  // low byte of the length
    EXPECT_EQ(ListStyle(bytes, "Casm").RowCount(), 15u) << gap;
    EXPECT_EQ(ListStyle(bytes, "Ots").RowCount(), 2u) << gap;
  }
  Bytes far = StyleBuilder(builder::SampleStyleTrack())
                  .Raw(Bytes(12, 0))
                  .Casm(MinimalCasm().Ctab(BassRecord()))
                  .Build();
  auto listing = ListStyle(far, "Casm");
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_EQ(listing.window.lblWarning, "");
}

TEST(CasmView, RowNumbersHaveAtLeastThreeDigits) {
  Session session;
  session.image = FileImage(StyleWith(MinimalCasm().Ctab(BassRecord())));
  session.window.CasmRowCounter = 998;
  session.window.SetColumns({{}, {}, {}});
  GetCasmInfo(session);
  ASSERT_GE(ListRows(session.window).size(), 3u);
  EXPECT_EQ(ListRows(session.window).Cell(0, 0), "998");
  EXPECT_EQ(ListRows(session.window).Cell(1, 0), "999");
  EXPECT_EQ(ListRows(session.window).Cell(2, 0), "1000");
  EXPECT_EQ(session.window.CasmRowCounter, 998 + 15);
}

TEST(CasmView, CounterStopsAt32767AndEachFurtherRowReportsOverflow) {
  testing::CollectingReporter collected;
  Session session;
  session.reporter = collected.reporter;
  session.image = FileImage(StyleWith(MinimalCasm().Ctab(BassRecord())));
  session.window.CasmRowCounter = 32765;
  session.window.SetColumns({{}, {}, {}});
  GetCasmInfo(session);
  ASSERT_EQ(ListRows(session.window).size(), 15u);  // no row is lost
  EXPECT_EQ(ListRows(session.window).Cell(0, 0), "32765");
  EXPECT_EQ(ListRows(session.window).Cell(1, 0), "32766");
  for (size_t row = 2; row < 15; ++row) EXPECT_EQ(ListRows(session.window).Cell(row, 0), "32767");
  EXPECT_EQ(ListRows(session.window).Cell(14, 1), "      ");
  EXPECT_EQ(session.window.CasmRowCounter, 32767);
  ASSERT_EQ(collected.reports.size(), 13u);
  for (const ErrorReport& report : collected.reports) {
    EXPECT_EQ(report.number, 6);
    EXPECT_EQ(report.routine, "Casm View Update");
  }
}

TEST(CasmView, ViewSwitchStartsNumberingAgainPastTheLimit) {
  // 16,400 Cntt records give 32,800 rows: the whole road through the view switch.
  CasmBuilder casm = MinimalCasm();
  for (int i = 0; i < 16400; ++i) casm.Cntt(static_cast<uint8_t>(i % 16), 0);
  auto listing = ListStyle(StyleWith(casm), "Casm");
  ASSERT_EQ(listing.RowCount(), 1u + 2 * 16400);
  EXPECT_EQ(listing.Cell(0, 0), "001");
  EXPECT_EQ(listing.Cell(32766, 0), "32767");
  EXPECT_EQ(listing.Cell(listing.RowCount() - 1, 0), "32767");
  EXPECT_EQ(listing.reports.size(), listing.RowCount() - 32766);
  EXPECT_EQ(listing.reports.front().routine, "Casm View Update");
}

// Lengths that would move the walk backwards or nowhere when read as signed numbers: the walk
// must end without looping or listing a record twice.
TEST(CasmView, HugeOrZeroLengthsNeverMakeTheWalkRepeat) {
  struct Case {
    const char* name;
    uint32_t length;
    size_t nameRows;
  };
  for (const Case& c : {Case{"AllOnes", 0xFFFFFFFF, 1}, Case{"MinusEight", 0xFFFFFFF8, 1},
                        Case{"SignBit", 0x80000000, 1}, Case{"Zero", 0, 1}}) {
    CtabRecord record = BassRecord();
    record.declaredLength = c.length;
    auto listing = ListStyle(StyleWith(MinimalCasm().Ctab(record).Ctab(BassRecord())), "Casm");
    EXPECT_EQ(SettingsOf(listing, Indented("Name")).size(), c.nameRows) << c.name;
    EXPECT_TRUE(listing.messages.empty()) << c.name;
  }
}

TEST(CasmView, SdecLengthPastTheEndEndsTheListingSilently) {
  Bytes sdec{'S', 'd', 'e', 'c', 0xFF, 0xFF, 0xFF, 0xF0, 'x'};
  auto listing = ListStyle(
      StyleWith(CasmBuilder().Cseg().Sdec("Main A").Ctab(BassRecord()).Raw(sdec)), "Casm");
  EXPECT_EQ(listing.RowCount(), 15u);
  EXPECT_TRUE(listing.messages.empty());
}

TEST(CasmView, RecordCutByTheEndOfTheFileKeepsTheRowsBeforeIt) {
  Bytes bytes = StyleWith(MinimalCasm().Ctab(BassRecord()));
  bytes.resize(bytes.size() - 3);  // the last three bytes of the record: offsets 31 to 33
  auto listing = ListStyle(bytes, "Casm");
  auto rows = CasmRows(listing);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.back().first, Indented("High Key "));
  EXPECT_TRUE(listing.messages.empty());
}

TEST(CasmView, SwitchingAgainRebuildsTheRowsFromOne) {
  Session session;
  session.image = FileImage(StyleWith(MinimalCasm().Ctab(BassRecord())));
  SelectView(session, "Casm");
  SelectView(session, "Casm");
  ASSERT_EQ(ListRows(session.window).size(), 15u);
  EXPECT_EQ(ListRows(session.window).Cell(0, 0), "001");
  EXPECT_EQ(ListRows(session.window).Cell(14, 0), "015");
}

}  // namespace
}  // namespace veltrix::style_test
