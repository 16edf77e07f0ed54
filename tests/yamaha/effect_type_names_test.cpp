#include "yamaha/effect_type_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "core/hex_text.h"
#include "support/test_support.h"
#include "sysex/get_sysex.h"

namespace veltrix {
namespace {

// The hex text of an XG effect-type message whose data bytes are `mainCode` and `subCode`.
std::string EffectMessage(uint8_t mainCode, uint8_t subCode) {
  const uint8_t bytes[] = {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, mainCode, subCode, 0xF7};
  return HexText(bytes, sizeof bytes);
}

// The effect table as a second copy, one line per main code: "any" and the name of every
// sub-code, or each listed sub-code and its name, separated by "; ".
struct ExpectedLine {
  uint8_t mainCode;
  std::string entries;
};

// clang-format off
const ExpectedLine kExpectedLines[] = {
    {0x00, R"(any "Vibe Vibrate ")"},
    {0x01, R"(00 "Hall 1"; 01 "Hall 5"; 02 "Large Hall"; 03 "Hall Med"; 06 "Hall L"; 07 "Hall M"; 10 "Hall 2"; 11 "Hall 3"; 12 "Hall 4")"},
    {0x02, R"(00 "Room 5"; 01 "Room 6"; 02 "Room 7"; 03 "Warm Room"; 04 "Woody Room"; 05 "Room Small"; 06 "Room Med"; 07 "Room Large"; 10 "Room 1"; 11 "Room 2"; 12 "Room 3"; 13 "Room 4")"},
    {0x03, R"(00 "Stage3"; 01 "Stage4"; 10 "Stage1"; 11 "Stage2")"},
    {0x04, R"(00 "Plate3"; 10 "Plate 1"; 11 "Plate 2")"},
    {0x05, R"(00 "Delay L,C,R"; 10 "Delay L,C,R")"},
    {0x06, R"(any "Delay L,R")"},
    {0x07, R"(any "Echo")"},
    {0x08, R"(any "Cross Delay")"},
    {0x09, R"(00 "ER 1"; 01 "ER 2")"},
    {0x0A, R"(00 "Gate Reverb")"},
    {0x0B, R"(00 "Reverse Gate")"},
    {0x10, R"(any "White Room ")"},
    {0x11, R"(any "Tunnel ")"},
    {0x12, R"(any "Canyon")"},
    {0x13, R"(any "Basement ")"},
    {0x14, R"(00 "Karoke 1"; 01 "Karoke 2"; 02 "Karoke 3")"},
    {0x15, R"(00 "Tempo Delay"; 08 "Tempo Echo")"},
    {0x16, R"(00 "Tempo Cross")"},
    {0x40, R"(any "Thru ")"},
    {0x41, R"(00 "Chorus 6"; 01 "Chorus 2"; 02 "Chorus 7"; 03 "GM Chorus 1"; 04 "GM Chorus 2"; 05 "GM Chorus 3"; 06 "GM Chorus 4"; 07 "FB Chorus"; 08 "Chorus 8")"},
    {0x42, R"(00 "Celeste 1"; 01 "Chorus 4"; 02 "Celeste 2"; 08 "Chorus 2"; 10 "Chorus 3"; 11 "Chorus 1"; 12 "Rotary SP 5")"},
    {0x43, R"(00 "Flanger 5"; 01 "Flanger 4"; 07 "GM Flanger "; 08 "Flanger 1"; 10 "Flanger 2"; 11 "Flanger 3")"},
    {0x44, R"(00 "Symphonic 2 "; 10 "Symphonic 1 ")"},
    {0x45, R"(00 "Rotary SP 5"; 01 "DST +Rotary SP"; 02 "OD +Rotary SP"; 03 "AMP +Rotary SP"; 10 "Rotary SP 1 ")"},
    {0x46, R"(00 "Tremolo 3"; 02 "EP Tremolo"; 10 "Tremolo 1 "; 11 "Rotary SP4"; 13 "Guitar Tremolo 2 ")"},
    {0x47, R"(00 "Auto Pan 2"; 01 "Auto Pan 3"; 10 "Auto Pan 1"; 11 "Rotary SP 2 "; 12 "Rotary SP 3 "; 13 "Tremolo 2"; 14 "Gtr Tremolo 1"; 15 "EP Auto Pan"; 16 "Rotary SP 6 ")"},
    {0x48, R"(00 "Phaser 1"; 08 "Phaser 2"; 10 "EP Phaser 3"; 11 "EP Phaser 1"; 12 "EP Phaser 2")"},
    {0x49, R"(00 "Distortion Heavy"; 01 "Comp + Dist 2"; 08 "Stereo Distortion "; 10 "Comp + Dist 1")"},
    {0x4A, R"(00 "Overdrive "; 08 "Stereo Overdrive ")"},
    {0x4B, R"(00 "Amp Simulator 1 "; 01 "Amp Simulator 2 "; 08 "Steroe Amp Simulator3 "; 10 "Dist Hard "; 11 "Dist Soft "; 12 "Stereo Dist Hard "; 13 "Stereo Dist Soft "; 14 "Steroe Amp Simulator1 "; 15 "Steroe Amp Simulator2 "; 16 "Dist Hard 2 "; 18 "Steroe Amp Simulator4 "; 23 "Dist Soft 2")"},
    {0x4C, R"(00 "3 Band EQ  "; 10 "EQ Disco "; 11 "Eq Tel "; 12 "Stereo 3 Band EQ ")"},
    {0x4D, R"(any "2 Band EQ ")"},
    {0x4E, R"(00 "Auto Wah 2"; 10 "Auto Wah 1"; 11 "Auto Wah + DST 1")"},
    {0x50, R"(01 "Pitch Change 2"; 10 "Pitch Change 1")"},
    {0x51, R"(00 "Harmonic Enhancer 2"; 10 "Harmonic Enhancer 1")"},
    {0x52, R"(00 "Touch Wah 1"; 01 "Touch Wah + DST 2"; 02 "Touch Wah + OD 2"; 08 "Touch Wah 2"; 10 "Touch Wah + DST 1"; 11 "Touch Wah + OD 1"; 12 "Clavi Touch Wah "; 13 "EP Touch Wah")"},
    {0x53, R"(any "Compressor ")"},
    {0x54, R"(any "Noise gate ")"},
    {0x55, R"(any "Voice Cancel ")"},
    {0x56, R"(00 "2way Rotary Speaker "; 02 "DST + 2way RotSpeaker "; 03 "AMP + 2way RotSpeaker ")"},
    {0x57, R"(any "Ensemble Detune ")"},
    {0x58, R"(any "Ambience ")"},
    {0x5D, R"(any "Talking Modulation ")"},
    {0x5E, R"(any "LoFi ")"},
    {0x5F, R"(00 "Dist + Delay 2"; 01 "OD+ Delay 2"; 10 "Dist + Delay 1"; 11 "OD + Delay 1")"},
    {0x60, R"(00 "CMP + Dist + Delay 2"; 01 "CMP + OD+ Delay 2"; 10 "CMP + Dist + Delay 1"; 11 "CMP + OD + Delay 1")"},
    {0x61, R"(00 "Wah + Dist + Delay 2"; 01 "Wah + OD+ Delay 2"; 07 "Wah + OD + Delay 1"; 10 "Wah + Dist + Delay 1")"},
    {0x62, R"(00 "V Dist Hard"; 02 "V Dist Soft")"},
    {0x63, R"(00 "Dual Rotary Speaker 1 "; 01 "Dual Rotary Speaker 2 ")"},
    {0x64, R"(01 "Dist + Tempo Delay"; 03 "OD + Tempo Delay")"},
    {0x65, R"(00 "CMP + Dist + T Delay 1"; 01 "CMP + OD + T Delay 1"; 10 "CMP + OD + Delay 2"; 11 "CMP + OD+ Delay 3"; 12 "CMP + OD+ Delay 4"; 13 "CMP + OD+ Delay 5"; 14 "CMP + OD+ Delay 6")"},
    {0x66, R"(00 "Wah + Dist + T Delay 1"; 01 "Wah + OD + T Delay 1"; 10 "Wah + OD+ Delay 2")"},
    {0x67, R"(00 "V Dist H + T Delay"; 01 "V Dist S + T Delay 1"; 10 "V Dist S + T Delay 1")"},
    {0x68, R"(00 "V Flanger")"},
    {0x69, R"(any "M Band Compressor ")"},
    {0x6B, R"(00 "T Flanger")"},
    {0x6C, R"(00 "T Phaser")"},
    {0x6D, R"(any "Dyn Filter ")"},
    {0x6E, R"(00 "DYN Flanger")"},
    {0x6F, R"(00 "DYNPhaser")"},
    {0x70, R"(any "Dyn RingMod ")"},
    {0x71, R"(any "RingMod ")"},
    {0x73, R"(any "No Effect ")"},
};
// clang-format on

constexpr int kAnySubCode = -1;

// The pairs of the expected table: (main code, sub-code or kAnySubCode) to name.
std::map<std::pair<int, int>, std::string> ExpectedPairs() {
  std::map<std::pair<int, int>, std::string> pairs;
  static const std::regex kEntry(R"re((any|[0-9A-F]{2}) "([^"]*)"(; |$))re");
  for (const ExpectedLine& line : kExpectedLines) {
    size_t parsed = 0;
    for (std::sregex_iterator it(line.entries.begin(), line.entries.end(), kEntry), end; it != end;
         ++it) {
      EXPECT_EQ(static_cast<size_t>(it->position()), parsed) << line.entries;
      parsed += static_cast<size_t>(it->length());
      int sub = (*it)[1] == "any" ? kAnySubCode : std::stoi((*it)[1], nullptr, 16);
      pairs[{line.mainCode, sub}] = (*it)[2];
    }
    EXPECT_EQ(parsed, line.entries.size()) << line.entries;
  }
  return pairs;
}

// Spot checks against the published XG effect list, whose names the table keeps (some with a
// trailing blank): each is what the decoder shows for a Variation Type message, the parameter
// that takes every effect type.
TEST(EffectTypeName, PublishedNamesReachTheDecoder) {
  struct Published {
    uint8_t mainCode, subCode;
    const char* name;
  };
  const Published published[] = {
      {0x01, 0x00, "Hall 1"},       {0x07, 0x00, "Echo"},         {0x08, 0x00, "Cross Delay"},
      {0x09, 0x00, "ER 1"},         {0x09, 0x01, "ER 2"},         {0x0A, 0x00, "Gate Reverb"},
      {0x0B, 0x00, "Reverse Gate"}, {0x10, 0x00, "White Room"},   {0x11, 0x00, "Tunnel"},
      {0x12, 0x00, "Canyon"},       {0x13, 0x00, "Basement"},     {0x40, 0x00, "Thru"},
      {0x53, 0x00, "Compressor"},   {0x55, 0x00, "Voice Cancel"},
  };
  for (const Published& effect : published) {
    const std::string name(EffectTypeName(EffectMessage(effect.mainCode, effect.subCode)));
    EXPECT_EQ(name.substr(0, name.find_last_not_of(' ') + 1), effect.name);
    const uint8_t bytes[] = {0x43,           0x10, 0x4C, 0x02, 0x01, 0x40, effect.mainCode,
                             effect.subCode, 0xF7};
    testing::CollectingReporter collected;
    EXPECT_EQ(GetSysex(HexText(bytes, sizeof bytes), collected.reporter),
              "XG Effect1 Variation Type " + name);
  }
}

// Every pair of codes gives the listed name, and every pair not listed gives no name.
TEST(EffectTypeName, EveryPairMatchesTheTable) {
  std::map<std::pair<int, int>, std::string> pairs = ExpectedPairs();
  for (int main = 0; main < 256; ++main) {
    auto any = pairs.find({main, kAnySubCode});
    for (int sub = 0; sub < 256; ++sub) {
      auto listed = pairs.find({main, sub});
      std::string name = listed != pairs.end() ? listed->second
                         : any != pairs.end()  ? any->second
                                               : "";
      ASSERT_EQ(
          EffectTypeName(EffectMessage(static_cast<uint8_t>(main), static_cast<uint8_t>(sub))),
          name)
          << "main " << main << " sub " << sub;
    }
  }
}

struct ShortCase {
  const char* name;
  std::vector<uint8_t> bytes;
  std::string expected;
};

class EffectTypeNameShortText : public ::testing::TestWithParam<ShortCase> {};

TEST_P(EffectTypeNameShortText, ReadsMissingBytesAsNoMatch) {
  const ShortCase& c = GetParam();
  EXPECT_EQ(EffectTypeName(HexText(c.bytes.data(), c.bytes.size())), c.expected);
}

const ShortCase kShortCases[] = {
    {"Empty", {}, ""},
    {"SixBytes", {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00}, ""},
    {"AnySubCodeWithoutByte8", {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x06}, "Delay L,R"},
    {"ListedSubCodeWithoutByte8", {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01}, ""},
    {"NoEffectWithoutByte8", {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x73}, "No Effect "},
};

INSTANTIATE_TEST_SUITE_P(Messages, EffectTypeNameShortText, ::testing::ValuesIn(kShortCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltrix
