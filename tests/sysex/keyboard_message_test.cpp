#include "sysex/keyboard_message.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/hex_text.h"
#include "core/number_text.h"
#include "support/test_support.h"
#include "sysex/get_sysex.h"
#include "xg_message_checks.h"

namespace veltrix {
namespace {

using xg_checks::HexOf;

std::string Hex(std::vector<uint8_t> bytes) {
  return HexText(bytes.data(), bytes.size());
}

std::string Raw(std::string_view data) {
  return "F0 " + HexOf(data);
}

struct KeyboardCase {
  const char* name;
  const char* data;
  std::string expected;
  int failure = 0;  // the failure reported by GetSysex, 0 for none
};

class KeyboardMessage : public ::testing::TestWithParam<KeyboardCase> {};

TEST_P(KeyboardMessage, GivesTextOrReports) {
  const KeyboardCase& c = GetParam();
  xg_checks::ExpectGetSysex(HexOf(c.data), c.expected, c.failure);
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

const KeyboardCase kGroupCases[] = {
    {"InternalClock", "43 73 01 02 F7", "Internal Clock Substatus"},
    {"ExternalClock", "43 73 01 03 F7", "External Clock Substatus"},
    {"FluteFooting", "43 73 01 06 00 F7", "Flute footing data words"},
    {"GuideMode1F", "43 73 01 1F 01 02 F7", "Guide Mode= 01 02 "},
    {"GuideMode21", "43 73 01 21 01 02 F7", "Guide Mode= 01 02 "},
    {"GuideModeCut", "43 73 01 21 01", "Guide Mode= 01 "},
    {"UnlistedGroupIsEmpty", "43 73 01 40 00 00 F7", ""},
    {"HeaderOnlyIsEmpty", "43 73 01", ""},
    {"Group50UnlistedSetting", "43 73 01 50 13 00 00 F7", Raw("43 73 01 50 13 00 00 F7")},
};
INSTANTIATE_TEST_SUITE_P(Groups, KeyboardMessage, ::testing::ValuesIn(kGroupCases), CaseName);

const KeyboardCase kNaturalVoiceCases[] = {
    {"Reverb", "43 73 01 31 00 00 40 F7", "Natural Voice Reverb=  64"},
    {"ByteFiveNotExamined", "43 73 01 31 7F 08 00 F7", "Natural Voice Vibe Rotor Control=  0"},
    {"EffectUnlisted", "43 73 01 31 00 03 40 F7", Raw("43 73 01 31 00 03 40 F7")},
    {"EffectWithoutData", "43 73 01 31 00 00", "", kTypeMismatch},
    {"DrySendLevel", "43 73 01 50 11 01 10 F7", "Natural Voice Dry Level=  16"},
    {"LevelUnlisted", "43 73 01 50 11 02 10 F7", Raw("43 73 01 50 11 02 10 F7")},
    {"LevelWithoutData", "43 73 01 50 11 00", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(NaturalVoice, KeyboardMessage, ::testing::ValuesIn(kNaturalVoiceCases),
                         CaseName);

const KeyboardCase kScoreCases[] = {
    {"LeftPartOn", "43 73 01 50 12 00 00 01 F7", "Score  Left Part Indication On"},
    {"LeftPartOff", "43 73 01 50 12 00 00 00 F7", "Score  Left Part Indication Off"},
    {"MissingValueReadsOn", "43 73 01 50 12 00 03", "Score  Chord Indication On"},
    {"LeftChannel", "43 73 01 50 12 00 06 03 F7", "Score  Left Channel Channel =  3"},
    {"RightChannelAuto", "43 73 01 50 12 00 07 7F F7", "Score  Right Channel Auto"},
    {"RightChannelOff", "43 73 01 50 12 00 07 7E F7", "Score  Right Channel Off"},
    {"ChannelFifteenAsStored", "43 73 01 50 12 00 06 0F F7", "Score  Left Channel Channel =  15"},
    {"ChannelSixteenAddsNothing", "43 73 01 50 12 00 06 10 F7", "Score  Left Channel "},
    {"ChannelWithoutValue", "43 73 01 50 12 00 06", "", kTypeMismatch},
    {"SizeUnlistedAddsNothing", "43 73 01 50 12 00 05 04 F7", "Score  Size Designation "},
    {"ByteSixNotExamined", "43 73 01 50 12 55 0A 02 F7", "Score  Note Name MovableDo"},
    {"UnlistedSetting", "43 73 01 50 12 00 0C 00 F7", "Score F0 43 73 01 50 12 00 0C 00 F7 "},
    {"CutBeforeSetting", "43 73 01 50 12 00", "Score F0 43 73 01 50 12 00 "},
};
INSTANTIATE_TEST_SUITE_P(Score, KeyboardMessage, ::testing::ValuesIn(kScoreCases), CaseName);

const KeyboardCase kSwitchCases[] = {
    {"DspVariationOn", "43 73 01 50 08 00 01 7F F7", "DSP Variation On"},
    {"DspVariationOff", "43 73 01 50 08 00 01 00 F7", " DSP Variation Off"},
    {"DspVariationOtherValue", "43 73 01 50 08 00 01 40 F7", ""},
    {"DspVariationOtherAddress", "43 73 01 50 08 00 02 7F F7", Raw("43 73 01 50 08 00 02 7F F7")},
    {"DspVariationCut", "43 73 01 50 08 00", Raw("43 73 01 50 08 00")},
    {"RecorderStart", "43 73 01 50 19 00 00 00 F7", " Hard Disk Recorder Start "},
    {"RecorderStopIgnoresBytesSixAndSeven", "43 73 01 50 19 12 34 01 F7",
     " Hard Disk Recorder Stop "},
    {"RecorderPause", "43 73 01 50 19 00 00 02 F7", "Hard Disk Recorder Pause "},
    {"RecorderUnknown", "43 73 01 50 19 00 00 03 F7", "Hard Disk Recorder Unknown "},
    {"RecorderCut", "43 73 01 50 19 00 00", "Hard Disk Recorder Unknown "},
};
INSTANTIATE_TEST_SUITE_P(Switches, KeyboardMessage, ::testing::ValuesIn(kSwitchCases), CaseName);

const KeyboardCase kOperatorCases[] = {
    {"MidiKeyLed", "43 73 01 11 00 47 01 F7",
     "Special Operators= 00 47 Midi Key Led Mode On/Off=  1"},
    {"VoiceReserve", "43 73 01 11 0F 45 7F F7",
     "Special Operators= 0F 45 Vol & Expression & Pan & Realtime Control Off (Voice Reserve)=  "
     "127"},
    {"StyleNumberShowsFourCharacters", "43 73 01 11 0A 16 12 34 F7",
     "Special Operators= 0A 16 Style Number= 12 3"},
    {"BankOutOfRange", "43 73 01 11 10 47 01 F7",
     "Special Operators= 10 47 F0 43 73 01 11 10 47 01 F7 "},
    {"UnlistedOperator", "43 73 01 11 00 48 01 F7",
     "Special Operators= 00 48 F0 43 73 01 11 00 48 01 F7 "},
    {"CutBeforeBank", "43 73 01 11", "Special Operators= F0 43 73 01 11 "},
    {"OperatorWithoutData", "43 73 01 11 00 47", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(SpecialOperators, KeyboardMessage, ::testing::ValuesIn(kOperatorCases),
                         CaseName);

const KeyboardCase kPanelAndStyleCases[] = {
    {"ProgramChange", "43 73 01 22 00 01 02 03 F7", "Panel Program Change= 01 02 03"},
    {"VoiceVolumeShowsFourCharacters", "43 73 01 22 01 64 F7", "Panel Voice Volume= 64 F"},
    {"PanelUnlisted", "43 73 01 22 04 64 F7", Raw("43 73 01 22 04 64 F7")},
    {"StylePart", "43 73 01 51 05 00 00 08 01 02 03 04 05 06 F7",
     "Style Part  On/Off(00)= 01 02 03 04 05 0"},
    {"StyleCode", "43 73 01 51 05 00 03 04 00 00 01 23 F7", "Style code =  163"},
    {"StyleCodeCutBeforeByte12", "43 73 01 51 05 00 03 04 00 00 01", "Style code =  128"},
    {"StyleCodeCutBeforeByte11", "43 73 01 51 05 00 03 04", "Style code =  0"},
    {"StyleOtherAddress", "43 73 01 51 05 00 03 05 00 F7", Raw("43 73 01 51 05 00 03 05 00 F7")},
    {"SplitPoint", "43 73 01 51 00 00 03 10 00 00 2A F7", "Split Point= 2A"},
    {"SplitPointOtherAddress", "43 73 01 51 00 00 03 10 01 00 2A F7",
     Raw("43 73 01 51 00 00 03 10 01 00 2A F7")},
    {"StyleUnlisted", "43 73 01 51 07 00 F7", Raw("43 73 01 51 07 00 F7")},
};
INSTANTIATE_TEST_SUITE_P(PanelAndStyle, KeyboardMessage, ::testing::ValuesIn(kPanelAndStyleCases),
                         CaseName);

// The tables, typed out independently of the decoder's own.
struct TextRow {
  uint8_t byte;
  std::string text;
};

const std::string* TextOf(const std::vector<TextRow>& rows, int byte) {
  for (const TextRow& row : rows) {
    if (row.byte == byte) return &row.text;
  }
  return nullptr;
}

// Byte 4 from 00 to FF with bytes 5 to 8 all 00: each listed group gives its own text, every
// other byte the empty text.
TEST(KeyboardTables, EveryGroupByte) {
  const std::vector<TextRow> groups = {
      {0x02, "Internal Clock Substatus"},
      {0x03, "External Clock Substatus"},
      {0x31, "Natural Voice Reverb=  0"},
      {0x50, "F0 43 73 01 50 00 00 00 00 F7 "},
      {0x11, "Special Operators= 00 00 F0 43 73 01 11 00 00 00 00 F7 "},
      {0x1F, "Guide Mode= 00 00 "},
      {0x21, "Guide Mode= 00 00 "},
      {0x22, "Panel Program Change= 00 00 00"},
      {0x51, "F0 43 73 01 51 00 00 00 00 F7 "},
      {0x06, "Flute footing data words"},
  };
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x73, 0x01, uint8_t(byte), 0x00, 0x00, 0x00, 0x00, 0xF7});
    const std::string* text = TextOf(groups, byte);
    EXPECT_EQ(KeyboardMessageText(hex), text ? *text : "") << HexByteText(uint8_t(byte));
  }
}

// Byte 6 of the Natural Voice effects (31) and levels (50 11), value byte 2A.
TEST(KeyboardTables, EveryNaturalVoiceByte) {
  const std::vector<TextRow> effects = {
      {0x00, "Natural Voice Reverb= "},
      {0x01, "Natural Voice Chorus= "},
      {0x02, "Natural Voice Variation Type= "},
      {0x08, "Natural Voice Vibe Rotor Control= "},
  };
  const std::vector<TextRow> levels = {
      {0x00, "Natural Voice Variation Send Level= "},
      {0x01, "Natural Voice Dry Level= "},
  };
  for (int byte = 0; byte < 256; ++byte) {
    std::string effect = Hex({0x43, 0x73, 0x01, 0x31, 0x00, uint8_t(byte), 0x2A, 0xF7});
    const std::string* label = TextOf(effects, byte);
    EXPECT_EQ(KeyboardMessageText(effect), label ? *label + " 42" : "F0 " + effect);
    std::string level = Hex({0x43, 0x73, 0x01, 0x50, 0x11, uint8_t(byte), 0x2A, 0xF7});
    label = TextOf(levels, byte);
    EXPECT_EQ(KeyboardMessageText(level), label ? *label + " 42" : "F0 " + level);
  }
}

std::string ScoreText(uint8_t setting, uint8_t value) {
  return KeyboardMessageText(Hex({0x43, 0x73, 0x01, 0x50, 0x12, 0x00, setting, value, 0xF7}));
}

// Byte 7 of a score setting with value byte 01: the setting text and its value for 01.
TEST(KeyboardTables, EveryScoreSettingByte) {
  const std::vector<TextRow> settings = {
      {0x00, " Left Part Indication On"},   {0x01, " Right Part Indication On"},
      {0x02, " Lyrics Indication On"},      {0x03, " Chord Indication On"},
      {0x04, " N. Name Indication On"},     {0x05, " Size Designation Medium"},
      {0x06, " Left Channel Channel =  1"}, {0x07, " Right Channel Channel =  1"},
      {0x08, " Quantize triplet On"},       {0x09, " Quantize to note size 1/8"},
      {0x0A, " Note Name FixedDo"},         {0x0B, " Color Note On"},
  };
  for (int byte = 0; byte < 256; ++byte) {
    const std::string* text = TextOf(settings, byte);
    std::string hex = Hex({0x43, 0x73, 0x01, 0x50, 0x12, 0x00, uint8_t(byte), 0x01, 0xF7});
    EXPECT_EQ(ScoreText(uint8_t(byte), 0x01), text ? "Score " + *text : "Score F0 " + hex)
        << HexByteText(uint8_t(byte));
  }
}

// Byte 8 of each kind of score value, 00 to FF.
TEST(KeyboardTables, EveryScoreValueByte) {
  const std::vector<TextRow> sizes = {{0, "Small"}, {1, "Medium"}, {2, "Large"}, {3, "X-Large"}};
  const std::vector<TextRow> quantize = {{0, "1/4"}, {1, "1/8"}, {2, "1/16"}, {3, "1/32"}};
  const std::vector<TextRow> noteNames = {{0, "ABC"}, {1, "FixedDo"}, {2, "MovableDo"}};
  for (int value = 0; value < 256; ++value) {
    uint8_t v = uint8_t(value);
    const std::string* text = TextOf(sizes, value);
    EXPECT_EQ(ScoreText(0x05, v), "Score  Size Designation " + (text ? *text : ""));
    text = TextOf(quantize, value);
    EXPECT_EQ(ScoreText(0x09, v), "Score  Quantize to note size " + (text ? *text : ""));
    text = TextOf(noteNames, value);
    EXPECT_EQ(ScoreText(0x0A, v), "Score  Note Name " + (text ? *text : ""));
    EXPECT_EQ(ScoreText(0x0B, v), value == 0 ? "Score  Color Note Off" : "Score  Color Note On");
    std::string channel = value <= 15     ? "Channel = " + SignedNumberText(value)
                          : value == 0x7E ? "Off"
                          : value == 0x7F ? "Auto"
                                          : "";
    EXPECT_EQ(ScoreText(0x06, v), "Score  Left Channel " + channel) << value;
  }
}

// Byte 8 of the hard-disk recorder.
TEST(KeyboardTables, EveryRecorderByte) {
  const std::vector<TextRow> commands = {
      {0x00, " Hard Disk Recorder Start "},
      {0x01, " Hard Disk Recorder Stop "},
      {0x02, "Hard Disk Recorder Pause "},
  };
  for (int byte = 0; byte < 256; ++byte) {
    const std::string* text = TextOf(commands, byte);
    std::string hex = Hex({0x43, 0x73, 0x01, 0x50, 0x19, 0x00, 0x00, uint8_t(byte), 0xF7});
    EXPECT_EQ(KeyboardMessageText(hex), text ? *text : "Hard Disk Recorder Unknown ");
  }
}

// Byte 6 of the special operators with byte 5 = 03 and data 2A 3B.
TEST(KeyboardTables, EverySpecialOperatorByte) {
  const std::vector<TextRow> operators = {
      {0x45, "Vol & Expression & Pan & Realtime Control Off (Voice Reserve)=  42"},
      {0x47, "Midi Key Led Mode On/Off=  42"},
      {0x16, "Style Number= 2A 3"},
  };
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x73, 0x01, 0x11, 0x03, uint8_t(byte), 0x2A, 0x3B, 0xF7});
    std::string start = "Special Operators= 03 " + HexByteText(uint8_t(byte)) + " ";
    const std::string* text = TextOf(operators, byte);
    EXPECT_EQ(KeyboardMessageText(hex), start + (text ? *text : "F0 " + hex));
  }
}

// Byte 5 of the special operators: only 00 to 0F name an operator.
TEST(KeyboardTables, EveryOperatorBankByte) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x73, 0x01, 0x11, uint8_t(byte), 0x47, 0x01, 0xF7});
    std::string start = "Special Operators= " + HexByteText(uint8_t(byte)) + " 47 ";
    EXPECT_EQ(KeyboardMessageText(hex),
              start + (byte <= 0x0F ? "Midi Key Led Mode On/Off=  1" : "F0 " + hex));
  }
}

// Byte 5 of the panel settings with bytes 6 to 8 = 11 22 33.
TEST(KeyboardTables, EveryPanelSettingByte) {
  const std::vector<TextRow> settings = {
      {0x00, "Panel Program Change= 11 22 33"},
      {0x01, "Panel Voice Volume= 11 2"},
      {0x02, "Panel Reverb Depth= 11 2"},
      {0x03, "Panel Effect Depth= 11 2"},
  };
  for (int byte = 0; byte < 256; ++byte) {
    std::string hex = Hex({0x43, 0x73, 0x01, 0x22, uint8_t(byte), 0x11, 0x22, 0x33, 0xF7});
    const std::string* text = TextOf(settings, byte);
    EXPECT_EQ(KeyboardMessageText(hex), text ? *text : "F0 " + hex);
  }
}

// Failures are left to GetSysex, which reports them.
TEST(KeyboardMessageFailures, AreThrown) {
  try {
    KeyboardMessageText(HexOf("43 73 01 31 00 00"));
    ADD_FAILURE() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), kTypeMismatch);
  }
}

}  // namespace
}  // namespace veltrix
