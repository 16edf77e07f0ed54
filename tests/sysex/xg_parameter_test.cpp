#include "sysex/xg_parameter.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "xg_message_checks.h"

namespace veltrix {
namespace {

using xg_checks::AddressText;
using xg_checks::MessageCase;
using xg_checks::WalkAddresses;

class XgParameterMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(XgParameterMessage, GivesTextOrReports) {
  xg_checks::ExpectMessage(GetParam());
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

const MessageCase kDispatchCases[] = {
    {"UnknownBlockGivesRawForm", "43 10 4C 05 00 00 F7", "XG F0 43 10 4C 05 00 00 F7 "},
    {"MissingBlockGivesRawForm", "43 10 4C", "XG F0 43 10 4C "},
    {"Block02WithOtherByte5AddsNothing", "43 10 4C 02 05 00 01 00 F7", "XG "},
    {"Block02WithoutByte5AddsNothing", "43 10 4C 02", "XG "},
};
INSTANTIATE_TEST_SUITE_P(Dispatch, XgParameterMessage, ::testing::ValuesIn(kDispatchCases),
                         CaseName);

const MessageCase kSystemCases[] = {
    {"SystemOn", "43 10 4C 00 00 7E 00 F7", "XG System On"},
    {"MasterVolume", "43 10 4C 00 00 04 7F F7", "XG Master Volume= 7F"},
    {"MasterTuneShowsFourBytes", "43 10 4C 00 00 02 00 04 00 00 F7", "XG Master Tune= 00 04 00 00"},
    {"MasterTuneShortRunsToTheEnd", "43 10 4C 00 00 00 01 F7", "XG Master Tune= 01 F7 "},
    {"Byte5IsNotExamined", "43 10 4C 00 7F 7F F7", "XG All Parameter Reset"},
    {"UnlistedGivesRawForm", "43 10 4C 00 00 05 00 F7", "XG F0 43 10 4C 00 00 05 00 F7 "},
    {"HexWithoutDataIsEmpty", "43 10 4C 00 00 06", "XG Transpose= "},
};
INSTANTIATE_TEST_SUITE_P(System, XgParameterMessage, ::testing::ValuesIn(kSystemCases), CaseName);

const MessageCase kEffect1Cases[] = {
    {"UnlistedGivesRawForm", "43 10 4C 02 01 7A 00 F7", "XG Effect1 F0 43 10 4C 02 01 7A 00 F7 "},
    {"MissingParameterGivesRawForm", "43 10 4C 02 01", "XG Effect1 F0 43 10 4C 02 01 "},
    {"ComputedNumberHasLeadingBlank", "43 10 4C 02 01 02 40 F7",
     "XG Effect1 Reverb Parameter  1=  64"},
    {"FixedNumberHasNoBlank", "43 10 4C 02 01 0A 40 F7", "XG Effect1 Reverb Parameter 9=  64"},
    {"ReverbParameter11", "43 10 4C 02 01 10 40 F7", "XG Effect1 Reverb Parameter  11=  64"},
    {"ChorusParameter1", "43 10 4C 02 01 22 40 F7", "XG Effect1 Chorus Parameter  1=  64"},
    {"VariationParameter11", "43 10 4C 02 01 70 40 F7", "XG Effect1 Variation Parameter  11=  64"},
    {"ReverbTypeName", "43 10 4C 02 01 00 01 00 F7", "XG Effect1 Reverb Type Hall 1"},
    {"UnknownTypeShowsLabelAlone", "43 10 4C 02 01 00 01 04 F7", "XG Effect1 Reverb Type "},
    {"TypeWithoutDataShowsLabelAlone", "43 10 4C 02 01 20", "XG Effect1 Chorus Type "},
    {"VariationParameterTwoBytes", "43 10 4C 02 01 42 01 40 F7",
     "XG Effect1 Variation Parameter  1= 01 40"},
    {"VariationParameter5", "43 10 4C 02 01 4A 01 40 F7",
     "XG Effect1 Variation Parameter 5= 01 40"},
    {"VariationParameterWithoutData", "43 10 4C 02 01 54", "XG Effect1 Variation Parameter  10= "},
    {"ConnectionInsertion", "43 10 4C 02 01 5A 00 F7",
     "XG Effect1 Variation Connection = Insertion"},
    {"ConnectionSystem", "43 10 4C 02 01 5A 01 F7", "XG Effect1 Variation Connection = System"},
    {"ConnectionWithoutData", "43 10 4C 02 01 5A", "XG Effect1 Variation Connection = System"},
    {"DecimalWithoutDataFails", "43 10 4C 02 01 0C", "", kTypeMismatch},
    {"ComputedWithoutDataFails", "43 10 4C 02 01 03", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(Effect1, XgParameterMessage, ::testing::ValuesIn(kEffect1Cases), CaseName);

const MessageCase kMultiEqCases[] = {
    {"TypeFlat", "43 10 4C 02 40 00 00 F7", "XG MultiEQ Type= Flat "},
    {"TypeJazz", "43 10 4C 02 40 00 01 F7", "XG MultiEQ Type= Jazz "},
    {"TypePops", "43 10 4C 02 40 00 02 F7", "XG MultiEQ Type= Pops "},
    {"TypeRock", "43 10 4C 02 40 00 03 F7", "XG MultiEQ Type= Rock "},
    {"TypeClassic", "43 10 4C 02 40 00 04 F7", "XG MultiEQ Type= Classic "},
    {"TypeUnknown", "43 10 4C 02 40 00 05 F7", "XG MultiEQ Type= "},
    {"TypeWithoutData", "43 10 4C 02 40 00", "XG MultiEQ Type= "},
    {"GainDecimal", "43 10 4C 02 40 01 46 F7", "XG MultiEQ EQ Gain 1 =  70"},
    {"GapGivesRawForm", "43 10 4C 02 40 0C 00 F7", "XG MultiEQ F0 43 10 4C 02 40 0C 00 F7 "},
    {"DecimalWithoutDataFails", "43 10 4C 02 40 13", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(MultiEq, XgParameterMessage, ::testing::ValuesIn(kMultiEqCases), CaseName);

const MessageCase kEffect2Cases[] = {
    {"InsertionChannel", "43 10 4C 03 00 0C 02 F7", "XG Effect2 DSP 2 Insertion  Channel =  2"},
    {"UnknownBlockAddsNothing", "43 10 4C 03 07 0C 02 F7", "XG Effect2 Insertion  Channel =  2"},
    {"EffectName", "43 10 4C 03 02 00 49 00 F7",
     "XG Effect2 DSP 4 Insertion Effect = Distortion Heavy"},
    {"Parameter10HasNoBlankBeforeEquals", "43 10 4C 03 04 0B 40 F7",
     "XG Effect2 DSP 6 Insertion Parameter  10=  64"},
    {"Parameter1HasBlanksAroundEquals", "43 10 4C 03 01 02 40 F7",
     "XG Effect2 DSP 3 Insertion Parameter  1 =  64"},
    {"TwoByteParameter", "43 10 4C 03 03 32 7F 00 F7",
     "XG Effect2 DSP 5 Insertion Parameter  2 = 7F 00"},
    {"GapGivesRawFormAfterBlock", "43 10 4C 03 01 39 00 F7",
     "XG Effect2 DSP 3 F0 43 10 4C 03 01 39 00 F7 "},
    {"MissingBlockAndParameter", "43 10 4C 03", "XG Effect2 F0 43 10 4C 03 "},
    {"DecimalWithoutDataFails", "43 10 4C 03 00 02", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(Effect2, XgParameterMessage, ::testing::ValuesIn(kEffect2Cases), CaseName);

const MessageCase kVocalHarmonyCases[] = {
    {"PartOn", "43 10 4C 04 00 0C 40 F7", "XG Vocal Harmony Insertion Part is On"},
    {"PartOffFor00", "43 10 4C 04 00 0C 00 F7", "XG Vocal Harmony Insertion Part is Off"},
    {"PartOffFor7F", "43 10 4C 04 00 0C 7F F7", "XG Vocal Harmony Insertion Part is Off"},
    {"PartOffWithoutData", "43 10 4C 04 00 0C", "XG Vocal Harmony Insertion Part is Off"},
    {"EffectHasLeadingBlank", "43 10 4C 04 00 00 40 00 F7",
     "XG Vocal Harmony  Insertion Effect = Thru "},
    {"Byte5IsNotExamined", "43 10 4C 04 6E 15 03 F7",
     "XG Vocal Harmony Melody Channel Effect Part=  3"},
    {"UnlistedGivesRawForm", "43 10 4C 04 00 12 00 F7",
     "XG Vocal Harmony F0 43 10 4C 04 00 12 00 F7 "},
    {"DecimalWithoutDataFails", "43 10 4C 04 00 14", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(VocalHarmony, XgParameterMessage, ::testing::ValuesIn(kVocalHarmonyCases),
                         CaseName);

// Every address of every block, with the data of xg_checks::kWalkData.

TEST(XgParameterWalk, System) {
  static constexpr AddressText kSystem[] = {
      {0x00, "Master Tune= 40 01 02 03"}, {0x01, "Master Tune= 40 01 02 03"},
      {0x02, "Master Tune= 40 01 02 03"}, {0x03, "Master Tune= 40 01 02 03"},
      {0x04, "Master Volume= 40"},        {0x06, "Transpose= 40"},
      {0x7D, "Drum Setup Reset= 40"},     {0x7E, "System On"},
      {0x7F, "All Parameter Reset"},
  };
  WalkAddresses({0x00, 0x00}, "XG ", kSystem);
}

TEST(XgParameterWalk, Effect1) {
  static constexpr AddressText kEffect1[] = {
      {0x00, "Reverb Type Thru "},
      {0x02, "Reverb Parameter  1=  64"},
      {0x03, "Reverb Parameter  2=  64"},
      {0x04, "Reverb Parameter  3=  64"},
      {0x05, "Reverb Parameter  4=  64"},
      {0x06, "Reverb Parameter  5=  64"},
      {0x07, "Reverb Parameter  6=  64"},
      {0x08, "Reverb Parameter  7=  64"},
      {0x09, "Reverb Parameter  8=  64"},
      {0x0A, "Reverb Parameter 9=  64"},
      {0x0B, "Reverb Parameter 10=  64"},
      {0x0C, "Reverb Return =  64"},
      {0x0D, "Reverb Pan=  64"},
      {0x10, "Reverb Parameter  11=  64"},
      {0x11, "Reverb Parameter  12=  64"},
      {0x12, "Reverb Parameter  13=  64"},
      {0x13, "Reverb Parameter  14=  64"},
      {0x14, "Reverb Parameter  15=  64"},
      {0x15, "Reverb Parameter  16=  64"},
      {0x20, "Chorus Type Thru "},
      {0x22, "Chorus Parameter  1=  64"},
      {0x23, "Chorus Parameter  2=  64"},
      {0x24, "Chorus Parameter  3=  64"},
      {0x25, "Chorus Parameter  4=  64"},
      {0x26, "Chorus Parameter  5=  64"},
      {0x27, "Chorus Parameter  6=  64"},
      {0x28, "Chorus Parameter  7=  64"},
      {0x29, "Chorus Parameter  8=  64"},
      {0x2A, "Chorus Parameter 9=  64"},
      {0x2B, "Chorus Parameter 10=  64"},
      {0x2C, "Chorus  Return =  64"},
      {0x2D, "Chorus  Pan=  64"},
      {0x2E, "Send Chorus to Reverb =  64"},
      {0x30, "Chorus Parameter  11=  64"},
      {0x31, "Chorus Parameter  12=  64"},
      {0x32, "Chorus Parameter  13=  64"},
      {0x33, "Chorus Parameter  14=  64"},
      {0x34, "Chorus Parameter  15=  64"},
      {0x35, "Chorus Parameter  16=  64"},
      {0x40, "Variation Type Thru "},
      {0x42, "Variation Parameter  1= 40 01"},
      {0x43, "Variation Parameter  1= 40 01"},
      {0x44, "Variation Parameter  2= 40 01"},
      {0x45, "Variation Parameter  2= 40 01"},
      {0x46, "Variation Parameter  3= 40 01"},
      {0x47, "Variation Parameter  3= 40 01"},
      {0x48, "Variation Parameter  4= 40 01"},
      {0x4A, "Variation Parameter 5= 40 01"},
      {0x4C, "Variation Parameter 6= 40 01"},
      {0x4E, "Variation Parameter 7= 40 01"},
      {0x50, "Variation Parameter  8= 40 01"},
      {0x51, "Variation Parameter  8= 40 01"},
      {0x52, "Variation Parameter  9= 40 01"},
      {0x53, "Variation Parameter  9= 40 01"},
      {0x54, "Variation Parameter  10= 40 01"},
      {0x56, "Variation Return =  64"},
      {0x57, "Variation Pan=  64"},
      {0x58, "Send Variation to Reverb=  64"},
      {0x59, "Send Variation to Chorus=  64"},
      {0x5A, "Variation Connection = System"},
      {0x5B, "Variation Part Number Enabled =  64"},
      {0x5C, "MW Var Control Depth=  64"},
      {0x5D, "PB Var Control Depth=  64"},
      {0x5E, "CAT Var Control Depth=  64"},
      {0x5F, "AC1 Var Control Depth=  64"},
      {0x60, "AC2 Var Control Depth=  64"},
      {0x70, "Variation Parameter  11=  64"},
      {0x71, "Variation Parameter  12=  64"},
      {0x72, "Variation Parameter  13=  64"},
      {0x73, "Variation Parameter  14=  64"},
      {0x74, "Variation Parameter  15=  64"},
      {0x75, "Variation Parameter  16=  64"},
  };
  WalkAddresses({0x02, 0x01}, "XG Effect1 ", kEffect1);
}

TEST(XgParameterWalk, MultiEq) {
  static constexpr AddressText kMultiEq[] = {
      {0x00, "Type= "},          {0x01, "EQ Gain 1 =  64"},  {0x02, "EQ Freq 1 =  64"},
      {0x03, "EQ Q1 =  64"},     {0x04, "EQ Shape 1 =  64"}, {0x05, "EQ Gain 2 =  64"},
      {0x06, "EQ Freq 2 =  64"}, {0x07, "EQ Q2 =  64"},      {0x09, "EQ Gain 3 =  64"},
      {0x0A, "EQ Freq 3 =  64"}, {0x0B, "EQ Q3 =  64"},      {0x0D, "EQ Gain 4 =  64"},
      {0x0E, "EQ Freq 4 =  64"}, {0x0F, "EQ Q4 =  64"},      {0x11, "EQ Gain 5 =  64"},
      {0x12, "EQ Freq 5 =  64"}, {0x13, "EQ Q5 =  64"},      {0x14, "EQ Shape 5 =  64"},
  };
  WalkAddresses({0x02, 0x40}, "XG MultiEQ ", kMultiEq);
}

TEST(XgParameterWalk, Effect2InEveryBlock) {
  static constexpr AddressText kEffect2[] = {
      {0x00, "Insertion Effect = Thru "},          {0x02, "Insertion Parameter  1 =  64"},
      {0x03, "Insertion Parameter  2 =  64"},      {0x04, "Insertion Parameter  3 =  64"},
      {0x05, "Insertion Parameter  4 =  64"},      {0x06, "Insertion Parameter  5 =  64"},
      {0x07, "Insertion Parameter  6 =  64"},      {0x08, "Insertion Parameter  7 =  64"},
      {0x09, "Insertion Parameter  8 =  64"},      {0x0A, "Insertion Parameter  9 =  64"},
      {0x0B, "Insertion Parameter  10=  64"},      {0x0C, "Insertion  Channel =  64"},
      {0x0D, "MW Insertion Control Depth =  64"},  {0x0E, "PB Insertion Control Depth =  64"},
      {0x0F, "CAT Insertion Control Depth =  64"}, {0x10, "AC1 Insertion Control Depth =  64"},
      {0x11, "AC2 Insertion Control Depth =  64"}, {0x20, "Insertion Parameter  11 =  64"},
      {0x21, "Insertion Parameter  12 =  64"},     {0x22, "Insertion Parameter  13 =  64"},
      {0x23, "Insertion Parameter  14 =  64"},     {0x24, "Insertion Parameter  15 =  64"},
      {0x25, "Insertion Parameter  16 =  64"},     {0x32, "Insertion Parameter  2 = 40 01"},
      {0x33, "Insertion Parameter  2 = 40 01"},    {0x34, "Insertion Parameter  3 = 40 01"},
      {0x35, "Insertion Parameter  3 = 40 01"},    {0x36, "Insertion Parameter  4 = 40 01"},
      {0x37, "Insertion Parameter  4 = 40 01"},    {0x38, "Insertion Parameter  5 = 40 01"},
      {0x3A, "Insertion Parameter 6= 40 01"},      {0x3C, "Insertion Parameter 7= 40 01"},
      {0x3E, "Insertion Parameter 8= 40 01"},      {0x40, "Insertion Parameter  9 = 40 01"},
      {0x41, "Insertion Parameter  9 = 40 01"},    {0x42, "Insertion Parameter  10 = 40 01"},
  };
  const std::pair<uint8_t, std::string> kBlocks[] = {
      {0x00, "XG Effect2 DSP 2 "}, {0x01, "XG Effect2 DSP 3 "}, {0x02, "XG Effect2 DSP 4 "},
      {0x03, "XG Effect2 DSP 5 "}, {0x04, "XG Effect2 DSP 6 "}, {0x05, "XG Effect2 "},
      {0x7F, "XG Effect2 "},
  };
  for (const auto& [block, prefix] : kBlocks) {
    SCOPED_TRACE(prefix);
    WalkAddresses({0x03, block}, prefix, kEffect2);
  }
}

TEST(XgParameterWalk, VocalHarmony) {
  static constexpr AddressText kVocalHarmony[] = {
      {0x00, " Insertion Effect = Thru "},
      {0x02, "Insertion Parameter  1=  64"},
      {0x03, "Insertion Parameter  2=  64"},
      {0x04, "Insertion Parameter  3=  64"},
      {0x05, "Insertion Parameter  4=  64"},
      {0x06, "Insertion Parameter  5=  64"},
      {0x07, "Insertion Parameter  6=  64"},
      {0x08, "Insertion Parameter  7=  64"},
      {0x09, "Insertion Parameter  8=  64"},
      {0x0A, "Insertion Parameter 9 =  64"},
      {0x0B, "Insertion Parameter 10 =  64"},
      {0x0C, "Insertion Part is On"},
      {0x0D, "MW Insertion Insertion Control Depth=  64"},
      {0x0E, "Bend Insertion Insertion Control Depth=  64"},
      {0x0F, "CAT Insertion Insertion Control Depth=  64"},
      {0x10, "AC1 Insertion Insertion Control Depth=  64"},
      {0x11, "AC2 Insertion Insertion Control Depth=  64"},
      {0x14, "Harmony Channel Effect Part=  64"},
      {0x15, "Melody Channel Effect Part=  64"},
      {0x20, "Insertion Parameter  11=  64"},
      {0x21, "Insertion Parameter  12=  64"},
      {0x22, "Insertion Parameter  13=  64"},
      {0x23, "Insertion Parameter  14=  64"},
      {0x24, "Insertion Parameter  15=  64"},
      {0x25, "Insertion Parameter  16=  64"},
  };
  WalkAddresses({0x04, 0x00}, "XG Vocal Harmony ", kVocalHarmony);
}

// Every address-high byte: the blocks decoded here give their row for byte 6 = 00, the blocks
// handed on give what their decoder gives, all others the raw form after "XG ".
TEST(XgParameterWalk, AddressHigh) {
  static constexpr AddressText kDecodedHere[] = {
      {0x00, "XG Master Tune= 40 01 F7 "},
      {0x02, "XG "},
      {0x03, "XG Effect2 DSP 2 Insertion Effect = Thru "},
      {0x04, "XG Vocal Harmony  Insertion Effect = Thru "},
      {0x08, "XG MultiPart Part # =  0 , Element Reserve =  64"},
  };
  using BlockText = std::string (*)(std::string_view, std::string);
  const std::pair<uint8_t, BlockText> kHandedOn[] = {{0x10, XgAdPartText},
                                                     {0x0A, XgPartOffsetText},
                                                     {0x30, XgDrumSetupText},
                                                     {0x31, XgDrumSetupText}};

  for (int high = 0; high <= 0xFF; ++high) {
    const uint8_t bytes[] = {0x43, 0x10, 0x4C, static_cast<uint8_t>(high), 0x00, 0x00,
                             0x40, 0x01, 0xF7};
    std::string hex = HexText(bytes, std::size(bytes));
    std::string expected = "XG F0 " + hex;
    for (const AddressText& block : kDecodedHere) {
      if (block.address == high) expected = block.text;
    }
    for (const auto& [address, text] : kHandedOn) {
      if (address == high) expected = text(hex, "XG ");
    }
    EXPECT_EQ(XgParameterText(hex), expected) << "byte 4 = " << HexByteText(high);
  }
}

}  // namespace
}  // namespace veltrix
