#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/hex_text.h"
#include "core/number_text.h"
#include "support/test_support.h"
#include "sysex/get_sysex.h"
#include "sysex/xg_parameter.h"
#include "xg_message_checks.h"

namespace veltrix {
namespace {

using xg_checks::HexOf;

struct XgCase {
  const char* name;
  const char* data;
  std::string expected;
  int failure = 0;  // the failure reported by GetSysex, 0 for none
};

class XgBlockMessage : public ::testing::TestWithParam<XgCase> {};

TEST_P(XgBlockMessage, GivesTextOrReports) {
  const XgCase& c = GetParam();
  xg_checks::ExpectGetSysex(HexOf(c.data), c.expected, c.failure);
}

const XgCase kDrumSetupCases[] = {
    {"PitchCoarse", "43 10 4C 30 24 00 40 F7",
     "XG Drum Setup, SetUp # = 0 Note # =  36 Pitch Coarse =  64"},
    {"RcvNoteOffShowsTwoDataBytes", "43 10 4C 31 26 09 01 F7",
     "XG Drum Setup, SetUp # = 1 Note # =  38 Rcv Note Off = 01 F7"},
    {"NoteIsDecimal", "43 10 4C 30 7F 02 10 F7",
     "XG Drum Setup, SetUp # = 0 Note # =  127 Level =  16"},
    {"UnlistedParameterGivesRawForm", "43 10 4C 31 24 10 40 F7",
     "XG Drum Setup, SetUp # = 1 Note # =  36 F0 43 10 4C 31 24 10 40 F7 "},
    {"RcvNoteOffCutAfterData", "43 10 4C 30 24 09 01",
     "XG Drum Setup, SetUp # = 0 Note # =  36 Rcv Note Off = 01 "},
    {"RcvNoteOffWithoutData", "43 10 4C 30 24 09",
     "XG Drum Setup, SetUp # = 0 Note # =  36 Rcv Note Off = "},
    {"UnlistedParameterWithoutData", "43 10 4C 30 24 7F",
     "XG Drum Setup, SetUp # = 0 Note # =  36 F0 43 10 4C 30 24 7F "},
    {"DecimalWithoutData", "43 10 4C 30 24 00", "", kTypeMismatch},
    {"NoteMissing", "43 10 4C 31", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(DrumSetup, XgBlockMessage, ::testing::ValuesIn(kDrumSetupCases),
                         [](const auto& info) { return info.param.name; });

const XgCase kAdPartCases[] = {
    {"Volume", "43 10 4C 10 00 0B 64 F7", "XG A/D Part 00 Volume =  100"},
    {"PartNumberIsHex", "43 10 4C 10 0A 02 05 F7", "XG A/D Part 0A Bank Select LSB =  5"},
    {"UnlistedParameterGivesRawForm", "43 10 4C 10 01 05 01 F7",
     "XG A/D Part 01 F0 43 10 4C 10 01 05 01 F7 "},
    {"UnlistedParameterWithoutData", "43 10 4C 10 01 7F", "XG A/D Part 01 F0 43 10 4C 10 01 7F "},
    {"CutBeforeParameter", "43 10 4C 10", "XG A/D Part  F0 43 10 4C 10 "},
    {"DecimalWithoutData", "43 10 4C 10 00 0B", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(AdPart, XgBlockMessage, ::testing::ValuesIn(kAdPartCases),
                         [](const auto& info) { return info.param.name; });

const XgCase kPartOffsetCases[] = {
    {"PitchBend", "43 10 4C 0A 02 41 40 F7", "XG Part 02 Pitch Bend offset Level=  64"},
    {"UnlistedParameterEndsText", "43 10 4C 0A 02 46 40 F7", "XG Part 02 "},
    {"PartNumberIsHex", "43 10 4C 0A 0A 40 00 F7", "XG Part 0A MW offset Level=  0"},
    {"UnlistedParameterWithoutData", "43 10 4C 0A 02 46", "XG Part 02 "},
    {"CutBeforeParameter", "43 10 4C 0A 02", "XG Part 02 "},
    {"DecimalWithoutData", "43 10 4C 0A 02 41", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(PartOffset, XgBlockMessage, ::testing::ValuesIn(kPartOffsetCases),
                         [](const auto& info) { return info.param.name; });

// The labels as listed for each block, typed out independently of the decoder's tables.
struct LabelRow {
  uint8_t byte;
  const char* label;
};

const LabelRow kDrumSetupLabels[] = {
    {0x00, "Pitch Coarse = "},
    {0x01, "Pitch Fine = "},
    {0x02, "Level = "},
    {0x03, "Alternate Group = "},
    {0x04, "Pan = "},
    {0x05, "Reverb Send Level = "},
    {0x06, "Chorus Send Level = "},
    {0x07, "Variation Send Level = "},
    {0x08, "Key Assign = "},
    {0x09, "Rcv Note Off = "},
    {0x0A, "Rcv Note On = "},
    {0x0B, "Filter Cutoff Freq. = "},
    {0x0C, "Filter Resonance = "},
    {0x0D, "EG Attack Rate = "},
    {0x0E, "EG Decay 1 Rate = "},
    {0x0F, "EG Decay 2 Rate = "},
    {0x20, "EG Bass Gain= "},
    {0x21, "EG Treble Gain = "},
    {0x24, "EG Bass Frequency = "},
    {0x25, "EG Treble Frequency = "},
};

const LabelRow kAdPartLabels[] = {
    {0x00, "Input Gain = "},
    {0x01, "Bank Select MSB = "},
    {0x02, "Bank Select LSB = "},
    {0x03, "Program Number = "},
    {0x04, "Rcv Channel = "},
    {0x0B, "Volume = "},
    {0x0E, "Pan = "},
    {0x11, "Dry Level = "},
    {0x12, "Chorus Send = "},
    {0x13, "Reverb Send = "},
    {0x14, "Variation Send = "},
};

const LabelRow kPartOffsetLabels[] = {
    {0x40, "MW offset Level= "},  {0x41, "Pitch Bend offset Level= "}, {0x42, "CAT offset Level= "},
    {0x43, "PAT offset Level= "}, {0x44, "AC1 offset Level= "},        {0x45, "AC2 offset Level= "},
};

const char* LabelOf(const std::vector<LabelRow>& rows, int byte) {
  for (const LabelRow& row : rows) {
    if (row.byte == byte) return row.label;
  }
  return nullptr;
}

std::string Hex(std::vector<uint8_t> bytes) {
  return HexText(bytes.data(), bytes.size());
}

// Every byte 6 from 00 to FF: a listed one shows its label and the value, data 2A, right after
// the heading; an unlisted one gives what its block gives for unknown parameters.
TEST(XgBlockLabels, DrumSetupEveryParameterByte) {
  std::vector<LabelRow> rows(std::begin(kDrumSetupLabels), std::end(kDrumSetupLabels));
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x10, 0x4C, 0x31, 0x05, uint8_t(byte), 0x2A, 0xF7});
    std::string heading = "XG Drum Setup, SetUp # = 1 Note # =  5 ";
    const char* label = LabelOf(rows, byte);
    std::string value = byte == 0x09 ? "2A F7" : " 42";
    std::string expected = label ? heading + label + value : heading + "F0 " + hex;
    EXPECT_EQ(XgDrumSetupText(hex, "XG "), expected) << HexByteText(uint8_t(byte));
  }
}

TEST(XgBlockLabels, AdPartEveryParameterByte) {
  std::vector<LabelRow> rows(std::begin(kAdPartLabels), std::end(kAdPartLabels));
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x10, 0x4C, 0x10, 0x0C, uint8_t(byte), 0x2A, 0xF7});
    const char* label = LabelOf(rows, byte);
    std::string expected =
        label ? std::string("XG A/D Part 0C ") + label + " 42" : "XG A/D Part 0C F0 " + hex;
    EXPECT_EQ(XgAdPartText(hex, "XG "), expected) << HexByteText(uint8_t(byte));
  }
}

TEST(XgBlockLabels, PartOffsetEveryParameterByte) {
  std::vector<LabelRow> rows(std::begin(kPartOffsetLabels), std::end(kPartOffsetLabels));
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x10, 0x4C, 0x0A, 0x0F, uint8_t(byte), 0x2A, 0xF7});
    const char* label = LabelOf(rows, byte);
    std::string expected = label ? std::string("XG Part 0F ") + label + " 42" : "XG Part 0F ";
    EXPECT_EQ(XgPartOffsetText(hex, "XG "), expected) << HexByteText(uint8_t(byte));
  }
}

using BlockText = std::string (*)(std::string_view hex, std::string builtSoFar);

// The failure number a block throws, 0 when it returns.
int ThrownFailure(BlockText block, std::string_view data) {
  try {
    block(HexOf(data), "XG ");
  } catch (const Failure& failure) {
    return failure.number();
  }
  return 0;
}

// The blocks keep whatever text they are handed and leave their failures to the caller.
TEST(XgBlocks, KeepTextBuiltSoFarAndThrowFailures) {
  EXPECT_EQ(XgPartOffsetText(HexOf("43 10 4C 0A 02 46"), "so far "), "so far Part 02 ");
  EXPECT_EQ(XgAdPartText(HexOf("43 10 4C 10 00 7F"), "x"), "xA/D Part 00 F0 43 10 4C 10 00 7F ");
  EXPECT_EQ(ThrownFailure(XgDrumSetupText, "43 10 4C 30 24 00"), kTypeMismatch);
  EXPECT_EQ(ThrownFailure(XgAdPartText, "43 10 4C 10 00 0B"), kTypeMismatch);
  EXPECT_EQ(ThrownFailure(XgPartOffsetText, "43 10 4C 0A 02 41"), kTypeMismatch);
}

}  // namespace
}  // namespace veltrix
