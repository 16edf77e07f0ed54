#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "style_fixtures.h"

namespace veltrix::style_test {
namespace {

constexpr char kIndent10[] = "          ";
constexpr char kIndent15[] = "               ";

std::string Indented(const char* label) {
  return kIndent10 + std::string(label);
}
std::string RangeRow(const char* label) {
  return kIndent15 + std::string(label);
}

Ctb2Record GuitarRecord() {
  Ctb2Record record;
  record.head.sourceChannel = 12;
  record.head.name = "FngrBass";
  record.head.destinationChannel = 10;
  record.head.editable = 1;
  record.head.noteMaskHigh = 0x01;
  record.head.noteMaskLow = 0x01;
  record.head.chordMask = {0x01, 0, 0, 0, 0x80};
  record.head.sourceRoot = 0;
  record.head.sourceChordType = 2;
  record.unknown1 = {10, 5};
  record.low = {2, 1, 11, 28, 54, 3};
  record.middle = {0, 129, 3, 0, 127, 1};
  record.high = {2, 3, 12, 100, 9, 6};
  record.unknown2 = {0x1F, 0x10, 0x00, 0x0A, 0x09, 0xFF};
  return record;
}

// The offset of the first occurrence of `tag` in the bytes.
int64_t OffsetOf(const Bytes& bytes, std::string_view tag, int64_t from = 0) {
  auto at = std::search(bytes.begin() + from, bytes.end(), tag.begin(), tag.end());
  return at == bytes.end() ? -1 : at - bytes.begin();
}

std::string HexOf(const Bytes& bytes, int64_t from, int count) {
  std::string text;
  char digits[4];
  for (int i = 0; i < count; ++i) {
    std::snprintf(digits, sizeof digits, "%02X ", bytes.at(from + i));
    text += digits;
  }
  return text;
}

TEST(Ctb2View, ListsTheWholeRecordInTheCtb2Layout) {
  Bytes bytes = StyleWith(MinimalCasm().Ctb2(GuitarRecord()));
  const int64_t start = OffsetOf(bytes, "Ctb2");
  auto listing = ListStyle(bytes, "Casm");
  const std::vector<CasmRow> expected = {
      {"Style Section(s)", "Main A"},
      {Indented("T3 CTAB(Hex), byte:  ") + std::to_string(start),
       "test.sty: " + HexOf(bytes, start, 55)},
      {Indented("Source Track"), "13"},
      {Indented("Name"), "FngrBass"},
      {Indented("Style Part"), "Bass"},
      {Indented("Editable?"), "No"},
      {Indented("Notes allowed"), "C  G# "},
      {Indented("Chords allowed"), "sus4  aug  "},
      {Indented("Key "), "C maj7"},
      {Indented("U1 & U2 "), "A  05"},
      {Indented("CTab Low Notes: "), " "},
      {RangeRow("NTR "), "Guitar"},
      {RangeRow("NTT "), "Guitar Stroke"},
      {RangeRow("High Key "), "B"},
      {RangeRow("Low Limit "), "28"},
      {RangeRow("High Limit "), "54"},
      {RangeRow("Retrigger rule "), "Retrigger"},
      {Indented("CTab Middle Notes: "), " "},
      {RangeRow("NTR "), "Root Transpose"},
      {RangeRow("NTT "), "Melody + Bass/ Bass On"},
      {RangeRow("High Key "), "D#"},
      {RangeRow("Low Limit "), "0"},
      {RangeRow("High Limit "), "127"},
      {RangeRow("Retrigger rule "), "Pitch Shift"},
      {Indented("CTab High Notes: "), " "},
      {RangeRow("NTR "), "Guitar"},
      {RangeRow("NTT "), ""},
      {RangeRow("High Key "), ""},
      {RangeRow("Low Limit "), "100"},
      {RangeRow("High Limit "), "9"},
      {RangeRow("Retrigger rule "), ""},
      {Indented("U4 U5 U6 U7 U8"), "1F  10  00  A  09  FF"},
      {"      ", " "},
  };
  EXPECT_EQ(CasmRows(listing), expected);
  EXPECT_EQ(listing.Cell(listing.RowCount() - 1, 0), "033");
  EXPECT_TRUE(listing.messages.empty());
}

struct RangeCase {
  const char* name;
  uint8_t rule, table;
  const char* ruleText;
  const char* tableText;
};

// The record's hex row names the listed file, also when the Midi listing failed before it
// set its labels (here: a track count beyond 16 bits).
TEST(Ctb2View, HexRowNamesTheFileAfterAFailedMidiListing) {
  Bytes bytes = StyleWith(MinimalCasm().Ctb2(GuitarRecord()));
  bytes[10] = 0x80;
  bytes[11] = 0x00;
  auto listing = ListStyle(bytes, "Casm");
  ASSERT_GE(listing.RowCount(), 2u);
  EXPECT_EQ(listing.window.lblFilename, "");
  EXPECT_EQ(listing.Cell(1, 2).substr(0, 10), "test.sty: ");
}

class Ctb2Range : public ::testing::TestWithParam<RangeCase> {};

TEST_P(Ctb2Range, ListsRuleAndTable) {
  Ctb2Record record;
  record.low.rule = GetParam().rule;
  record.low.table = GetParam().table;
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctb2(record)), "Casm");
  ASSERT_FALSE(SettingsOf(listing, RangeRow("NTR ")).empty());
  EXPECT_EQ(SettingsOf(listing, RangeRow("NTR ")).front(), GetParam().ruleText);
  EXPECT_EQ(SettingsOf(listing, RangeRow("NTT ")).front(), GetParam().tableText);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Ctb2Range,
    ::testing::Values(
        RangeCase{"GuitarStroke", 2, 1, "Guitar", "Guitar Stroke"},
        RangeCase{"TransposeMelody", 0, 1, "Root Transpose", "Melody + Bass/ Bass Off"},
        RangeCase{"GuitarHasNoThree", 2, 3, "Guitar", ""},
        RangeCase{"GuitarArpeggioBassOn", 2, 130, "Guitar", "Guitar Arpeggio/ Bass On"},
        RangeCase{"FixedChordBassOn", 1, 130, "Root Fixed", "Chord/ Bass On"},
        RangeCase{"FixedDorianVariation", 1, 136, "Root Fixed", "Dorian 5th Var/ Bass On"},
        RangeCase{"UnknownRuleUsesCnttTable", 3, 0, "", "Bypass/ Bass Off"},
        RangeCase{"UnknownTable", 0, 9, "Root Transpose", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ctb2View, OneCsegListsExactlyOneStyleSectionRow) {
  Ctb2Record second;
  second.head.name = "Second";
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctb2(GuitarRecord()).Ctb2(second)), "Casm");
  EXPECT_EQ(SettingsOf(listing, "Style Section(s)"), Texts({"Main A"}));
  EXPECT_EQ(SettingsOf(listing, Indented("Name")), Texts({"FngrBass", "Second  "}));
}

TEST(Ctb2View, SecondCsegListsItsSdecFromTheCtb2Walk) {
  Ctb2Record second;
  second.head.name = "Second";
  auto listing = ListStyle(
      StyleWith(MinimalCasm().Ctb2(GuitarRecord()).Cseg().Sdec("Fill In AA").Ctb2(second)), "Casm");
  std::vector<std::string> sequence;
  for (const auto& [parameter, setting] : CasmRows(listing))
    if (parameter == "Style Section(s)" || parameter == Indented("Name"))
      sequence.push_back(setting);
  EXPECT_EQ(sequence, Texts({"Main A", "FngrBass", "Fill In AA", "Second  "}));
}

TEST(Ctb2View, CtabAfterCtb2IsListedInTheCtb2Layout) {
  Ctb2Record ctab;
  ctab.tag = "Ctab";
  ctab.head.name = "AsCtb2";
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctb2(GuitarRecord()).Ctb2(ctab)), "Casm");
  EXPECT_EQ(SettingsOf(listing, Indented("Name")), Texts({"FngrBass", "AsCtb2  "}));
  EXPECT_EQ(SettingsOf(listing, Indented("CTab High Notes: ")).size(), 2u);
  EXPECT_TRUE(SettingsOf(listing, Indented("Note Transposition Rule ")).empty());
}

TEST(Ctb2View, CtabBeforeTheFirstCtb2IsListedInBothLayouts) {
  CtabRecord ctab;
  ctab.head.name = "Early";
  ctab.tail = Bytes(21, 0);  // long enough for the 55-byte hexadecimal row
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctab(ctab).Ctb2(GuitarRecord())), "Casm");
  EXPECT_EQ(SettingsOf(listing, Indented("Name")), Texts({"Early   ", "Early   ", "FngrBass"}));
  EXPECT_EQ(SettingsOf(listing, Indented("Note Transposition Rule ")).size(), 1u);
  EXPECT_EQ(SettingsOf(listing, Indented("CTab Low Notes: ")).size(), 2u);
  EXPECT_EQ(SettingsOf(listing, "Style Section(s)"), Texts({"Main A"}));
}

TEST(Ctb2View, CnttRecordsAfterCtb2GiveNoRows) {
  auto listing = ListStyle(StyleWith(MinimalCasm().Ctb2(GuitarRecord()).Cntt(1, 1)), "Casm");
  EXPECT_EQ(listing.RowCount(), 33u);
  EXPECT_TRUE(SettingsOf(listing, "     Source Track").empty());
}

TEST(Ctb2View, RecordShorterThanItsHexRowEndsTheListingSilently) {
  Bytes bytes = StyleWith(MinimalCasm().Ctb2(GuitarRecord()));
  bytes.pop_back();  // 54 bytes of the record remain
  auto listing = ListStyle(bytes, "Casm");
  EXPECT_EQ(CasmRows(listing), (std::vector<CasmRow>{{"Style Section(s)", "Main A"}}));
  EXPECT_TRUE(listing.messages.empty());
}

TEST(Ctb2View, HugeOrZeroRecordLengthsNeverRepeatRows) {
  for (uint32_t length : {0xFFFFFFFFu, 0xFFFFFFC9u, 0u}) {
    Ctb2Record first = GuitarRecord();
    first.declaredLength = length;
    auto listing = ListStyle(StyleWith(MinimalCasm().Ctb2(first).Ctb2(Ctb2Record())), "Casm");
    EXPECT_EQ(SettingsOf(listing, Indented("Name")), Texts({"FngrBass"})) << length;
    EXPECT_TRUE(listing.messages.empty());
  }
}

}  // namespace
}  // namespace veltrix::style_test
