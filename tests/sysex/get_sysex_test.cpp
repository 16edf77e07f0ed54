#include "sysex/get_sysex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/hex_text.h"
#include "support/test_support.h"
#include "xg_message_checks.h"

namespace veltrix {
namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  return HexText(bytes.data(), bytes.size());
}

struct SysexCase {
  const char* name;
  std::vector<uint8_t> bytes;
  std::string expected;
  int failure = 0;  // the reported failure number, 0 when nothing is reported
};

class GetSysexTest : public ::testing::TestWithParam<SysexCase> {};

TEST_P(GetSysexTest, DecodesOrReports) {
  const SysexCase& c = GetParam();
  xg_checks::ExpectGetSysex(Hex(c.bytes), c.expected, c.failure);
}

const SysexCase kSysexCases[] = {
    {"Empty", {}, "F0 "},
    {"UnknownMaker",
     {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7},
     "F0 41 10 42 12 40 00 7F 00 41 F7 "},
    {"ShorterThanHeader", {0x43, 0x60}, "F0 43 60 "},
    {"AccompanimentStart", {0x43, 0x60, 0x7A, 0xF7}, "Accompaniment Start"},
    {"AccompanimentStartHeaderOnly", {0x43, 0x60, 0x7A}, "Accompaniment Start"},
    {"AccompanimentStop", {0x43, 0x60, 0x7D, 0xF7}, "Accompaniment Stop"},
    {"ChannelVolume", {0x43, 0x00, 0x4C, 0x08, 0x02, 0x0B, 0x64, 0xF7}, "Channel  2 Volume = 100"},
    {"ChannelVolumeMissingValue", {0x43, 0x00, 0x4C, 0x08, 0x0F, 0x0B}, "Channel  15 Volume = 0"},
    {"ChannelVolumeOtherSubcommand",
     {0x43, 0x00, 0x4C, 0x07, 0x00, 0x0B, 0x40, 0xF7},
     "F0 43 00 4C 07 00 0B 40 F7 "},
    {"ChannelVolumeOtherParameter",
     {0x43, 0x00, 0x4C, 0x08, 0x00, 0x0C, 0x40, 0xF7},
     " Parameter Change 0C"},
    {"ChannelVolumeMissingParameter", {0x43, 0x00, 0x4C, 0x08, 0x00}, " Parameter Change "},
    {"SectionMainAOn", {0x43, 0x7E, 0x00, 0x08, 0x7F, 0xF7}, "Section Control Main A: On "},
    {"SectionIntroBOff", {0x43, 0x7E, 0x00, 0x01, 0x00, 0xF7}, "Section Control Intro B Off "},
    {"SectionEndingDOff", {0x43, 0x7E, 0x00, 0x23, 0x00, 0xF7}, "Section Control Ending D: Off "},
    {"SectionBreakFill", {0x43, 0x7E, 0x00, 0x18, 0x7F, 0xF7}, "Section Control Break Fill: On "},
    {"SectionUnlisted", {0x43, 0x7E, 0x00, 0x05, 0x7F, 0xF7}, "Section Control 05On "},
    {"SectionOtherSwitch", {0x43, 0x7E, 0x00, 0x0B, 0x40, 0xF7}, "Section Control Main D: "},
    {"SectionHeaderOnly", {0x43, 0x7E, 0x00}, "Section Control "},
    {"Tempo120", {0x43, 0x7E, 0x01, 0x00, 0x1E, 0x42, 0x20, 0xF7}, "Sysex Tempo =  120"},
    {"Tempo100", {0x43, 0x7E, 0x01, 0x00, 0x24, 0x4F, 0x40, 0xF7}, "Sysex Tempo =  100"},
    {"TempoFractionDropped", {0x43, 0x7E, 0x01, 0x7F, 0x00, 0x00, 0x07}, "Sysex Tempo =  8571428"},
    {"TempoByte4Unused", {0x43, 0x7E, 0x01, 0x55, 0x1E, 0x42, 0x20, 0xF7}, "Sysex Tempo =  120"},
    {"TempoZero", {0x43, 0x7E, 0x01, 0x00, 0x00, 0x00, 0x00, 0xF7}, "", kDivisionByZero},
    {"TempoMissingBytes", {0x43, 0x7E, 0x01, 0x00}, "", kDivisionByZero},
    {"ChordRootAlone", {0x43, 0x7E, 0x02, 0x31, 0x00, 0x7F, 0x7F, 0xF7}, "C"},
    {"ChordFlatMinor7", {0x43, 0x7E, 0x02, 0x22, 0x0A, 0x7F, 0x7F, 0xF7}, "Dbm7"},
    {"ChordWithBass", {0x43, 0x7E, 0x02, 0x41, 0x13, 0x33, 0x00, 0xF7}, "C#7/E"},
    {"ChordBassTypeIgnored", {0x43, 0x7E, 0x02, 0x31, 0x00, 0x33, 0x7F, 0xF7}, "C/E"},
    {"ChordReserved", {0x43, 0x7E, 0x02, 0x30, 0x00, 0x7F, 0x7F, 0xF7}, "Reserved Chord "},
    {"ChordReservedSharp", {0x43, 0x7E, 0x02, 0x40, 0x00, 0x7F, 0x7F, 0xF7}, "Reserved Chord #"},
    {"ChordReservedBass", {0x43, 0x7E, 0x02, 0x31, 0x08, 0x30, 0x00, 0xF7}, "Cm/Reserved chord "},
    {"ChordLetterNoteDigit", {0x43, 0x7E, 0x02, 0x3A, 0x00, 0x7F, 0x7F, 0xF7}, "Reserved Chord "},
    {"ChordLetterAccidental", {0x43, 0x7E, 0x02, 0xA1, 0x00, 0x7F, 0x7F, 0xF7}, "Cbbb"},
    {"ChordAccidental7Natural", {0x43, 0x7E, 0x02, 0x77, 0x20, 0x7F, 0x7F, 0xF7}, "Bsus4"},
    {"ChordTypeBeyondTable", {0x43, 0x7E, 0x02, 0x35, 0x23, 0x7F, 0x7F, 0xF7}, "G"},
    {"ChordRootNote8", {0x43, 0x7E, 0x02, 0x38, 0x00, 0x7F, 0x7F, 0xF7}, "", kSubscriptOutOfRange},
    {"ChordBassNote9", {0x43, 0x7E, 0x02, 0x31, 0x00, 0x39, 0x7F, 0xF7}, "", kSubscriptOutOfRange},
    {"ChordType2",
     {0x43, 0x7E, 0x03, 0x31, 0x13, 0x7F, 0x7F, 0xF7},
     "Chord Control, Type 2: 03 31 13 7F 7F F7 "},
    {"MasterVolume", {0x7F, 0x7E, 0x04, 0x01, 0x00, 0x64, 0xF7}, "Master Volume0 64 F7 "},
    {"MasterVolumeFiveBytes", {0x7F, 0x7E, 0x04, 0x01, 0x02}, "Master Volume2 "},
    {"MasterVolumeFourBytes", {0x7F, 0x7E, 0x04, 0x01}, "", kInvalidCall},
    {"MasterVolumeHeaderOnly", {0x7F, 0x7E, 0x04}, "", kInvalidCall},
    {"MidiOn", {0x7E, 0x7F, 0x09, 0x01, 0xF7}, "MIDI on"},
    {"ForeignMessage", {0x46, 0x10, 0x4C, 0x00, 0xF7}, "CAT Amplitude; Disabled by VoziRerezo"},
    {"XgOtherDevice",
     {0x43, 0x12, 0x4C, 0x08, 0x00, 0x0B, 0x64, 0xF7},
     "F0 43 12 4C 08 00 0B 64 F7 "},
    {"XgDevice1", {0x43, 0x11, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}, "F0 43 11 4C 00 00 7E 00 F7 "},
};

INSTANTIATE_TEST_SUITE_P(Messages, GetSysexTest, ::testing::ValuesIn(kSysexCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The sixteen sections of the section-control message (43 7E 00 ss 7F) by their section
// byte, as the keyboards' data list gives them: Intro A-C 00-02, Main A-D 08-0B, Fill In AA-DD
// 10-13, Break Fill 18, Ending A-D 20-23.
TEST(GetSysex, SectionControlNamesEachOfTheSixteenSections) {
  const std::pair<uint8_t, const char*> sections[] = {
      {0x00, "Intro A: "},    {0x01, "Intro B "},     {0x02, "Intro C: "},
      {0x08, "Main A: "},     {0x09, "Main B: "},     {0x0A, "Main C: "},
      {0x0B, "Main D: "},     {0x10, "Fill In AA: "}, {0x11, "Fill In BB: "},
      {0x12, "Fill In CC: "}, {0x13, "Fill In DD: "}, {0x18, "Break Fill: "},
      {0x20, "Ending A: "},   {0x21, "Ending B: "},   {0x22, "Ending C: "},
      {0x23, "Ending D: "},
  };
  for (const auto& [code, name] : sections)
    xg_checks::ExpectGetSysex(Hex({0x43, 0x7E, 0x00, code, 0x7F, 0xF7}),
                              std::string("Section Control ") + name + "On ", 0);
}

// The two large families are decoded elsewhere; GetSysex hands them the whole message and
// reports any failure they throw as its own.
TEST(GetSysexHandOff, XgParameterChange) {
  xg_checks::ExpectGetSysex(Hex({0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "XG System On",
                            0);
  xg_checks::ExpectGetSysex(Hex({0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x10, 0xF7}),
                            "XG Effect1 Reverb Type Hall 2", 0);
  xg_checks::ExpectGetSysex(Hex({0x43, 0x10, 0x4C, 0x08}), "", kTypeMismatch);  // cut short
}

TEST(GetSysexHandOff, KeyboardMessage) {
  // A keyboard message of no known group keeps its hex text.
  xg_checks::ExpectGetSysex(Hex({0x43, 0x73, 0x01, 0x51, 0x05, 0x00, 0x01, 0xF7}),
                            "F0 43 73 01 51 05 00 01 F7 ", 0);
  xg_checks::ExpectGetSysex(Hex({0x43, 0x73, 0x01}), "", 0);
}

TEST(GetSysex, EachCallStandsAlone) {
  testing::CollectingReporter collected;
  std::vector<uint8_t> zeroTempo = {0x43, 0x7E, 0x01, 0x00, 0x00, 0x00, 0x00, 0xF7};
  std::vector<uint8_t> start = {0x43, 0x60, 0x7A, 0xF7};
  EXPECT_EQ(GetSysex(Hex(zeroTempo), collected.reporter), "");
  EXPECT_EQ(GetSysex(Hex(start), collected.reporter), "Accompaniment Start");
  EXPECT_EQ(collected.reports.size(), 1u);
}

}  // namespace
}  // namespace veltrix
