#include "yamaha/sequencer_info.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;

std::string Decode(const std::string& hex, const CodePage& codePage = CodePage()) {
  testing::CollectingReporter collecting;
  std::string text = YamahaSequencerInfo(hex, collecting.reporter, codePage);
  EXPECT_TRUE(collecting.reports.empty()) << hex;
  return text;
}

struct SequencerCase {
  const char* name;
  const char* hex;
  std::string text;
};

class SequencerInfoText : public ::testing::TestWithParam<SequencerCase> {};

TEST_P(SequencerInfoText, Decodes) {
  EXPECT_EQ(Decode(GetParam().hex), GetParam().text);
}

const std::string kTracksTail = "5=O 6=O 7=O 8=O 9=O 10=O 11=O 12=O 13=O 14=O 15=O 16=O ";

INSTANTIATE_TEST_SUITE_P(
    Cases, SequencerInfoText,
    ::testing::Values(
        // Score settings: 43 73 0A, byte 5 selects.
        SequencerCase{"ScoreStart", "43 73 0A 00 04 04 ", "Score Start Measure Number=  5"},
        SequencerCase{"ScoreStart0F", "43 73 0A 00 04 0F ", "Score Start Measure Number=  16"},
        SequencerCase{"ScoreStart10", "43 73 0A 00 04 10 ", "Score Start Measure Number=  17"},
        SequencerCase{"ScoreStart1F", "43 73 0A 00 04 1F ", "Score Start Measure Number=  32"},
        SequencerCase{"ScoreStartShort", "43 73 0A 00 04 ",
                      "Unknown Sequencer Specific 43 73 0A 00 04 "},
        SequencerCase{"Tracks", "43 73 0A 00 05 4F 4B 56 5A 4F 4F 4F 4F 4F 4F 4F 4F 4F 4F 4F 4F ",
                      "Tracks: 1=O 2=K 3=V 4=Z " + kTracksTail},
        SequencerCase{"OffsetVolume", "43 73 0A 00 06 01 02 03 04 05 ",
                      "Track Offset Volume: 01 02 03 0"},
        SequencerCase{"OffsetVolumeShort", "43 73 0A 00 06 01 ", "Track Offset Volume: 01 "},
        SequencerCase{"ScoreUnknown", "43 73 0A 00 07 01 ",
                      "Unknown Sequencer Specific 43 73 0A 00 07 01 "},
        // Style name: 43 73 0C.
        SequencerCase{"StyleName", "43 73 0C 00 50 6F 70 00 41 ", "Style Name: Pop"},
        SequencerCase{"StyleNameUnterminated", "43 73 0C 00 50 6F 70 ", "Style Name: Pop"},
        SequencerCase{"StyleNameEmpty", "43 73 0C 00 00 41 ", "Style Name: none"},
        SequencerCase{"StyleNameNoBytes", "43 73 0C ", "Style Name: none"},
        SequencerCase{"StyleNameCodePage", "43 73 0C 00 43 E9 ", "Style Name: C\xC3\xA9"},
        SequencerCase{"VoiceData", "43 73 0D 00 01 02 ", "Keyboard Voice Data: 01 02 "},
        SequencerCase{"SongUnknown", "43 73 0E ", "Unknown Sequencer Specific 43 73 0E "},
        // Chords and phrases: 43 7B.
        SequencerCase{"Chord", "43 7B 01 31 00 7F 7F ", "Chord:  C"},
        SequencerCase{"ChordFlatMinor7", "43 7B 01 22 0A 7F 7F ", "Chord:  Dbm7"},
        SequencerCase{"ChordWithBass", "43 7B 01 41 13 33 00 ", "Chord:  C#7/E"},
        SequencerCase{"ChordBassTypeIgnored", "43 7B 01 31 00 35 7F ", "Chord:  C/G"},
        SequencerCase{"ChordNoNoteLetter", "43 7B 01 40 08 7F 7F ", "Chord:  #m"},
        SequencerCase{"ChordAccidental7", "43 7B 01 75 01 7F 7F ", "Chord:  G6"},
        SequencerCase{"ChordDoubleFlat", "43 7B 01 11 22 7F 7F ", "Chord:  Cbbcancel"},
        SequencerCase{"ChordTypeBeyondTable", "43 7B 01 31 23 7F 7F ", "Chord:  C"},
        SequencerCase{"ChordType7F", "43 7B 01 31 7F 7F 7F ", "Chord:  C"},
        SequencerCase{"PhraseMark", "43 7B 03 1A ", "Phrase Mark= 1A"},
        SequencerCase{"MaxPhrase", "43 7B 04 0B ", "Max Phrase Number = 0B"},
        SequencerCase{"MelodyChannels", "43 7B 0C 00 0F ",
                      "Melody Track 1 Channel=  0  Melody Track 2 Channel=  15"},
        SequencerCase{"MelodyChannelsShort", "43 7B 0C 00 ",
                      "Unknown Sequencer Specific 43 7B 0C 00 "},
        SequencerCase{"LyricsBitmap", "43 7B 21 01 02 41 42 ", "lyrics Bitmap Path= 41 42 "},
        SequencerCase{"ChordGroupUnknown", "43 7B 02 ", "Unknown Sequencer Specific 43 7B 02 "},
        SequencerCase{"YamahaUnknownGroup", "43 10 ", "Unknown Sequencer Specific 43 10 "},
        SequencerCase{"YamahaAlone", "43 ", "Unknown Sequencer Specific 43 "},
        // Not Yamaha's.
        SequencerCase{"KarTextEnabler", "00 00 41 ",
                      "Yamaha Specific Sysex enabling kar text display in PSR"},
        SequencerCase{"KarTextEnablerLonger", "00 00 41 01 ",
                      "Yamaha Sequencer Specific 00 00 41 01 "},
        SequencerCase{"OtherMaker", "41 10 ", "Yamaha Sequencer Specific 41 10 "},
        SequencerCase{"Empty", "", "Yamaha Sequencer Specific "}),
    [](const auto& info) { return std::string(info.param.name); });

// A missing track letter, like a 00 byte, is the character with code 0.
TEST(SequencerInfo, ShortTrackListEndsInNulCharacters) {
  std::string text = Decode("43 73 0A 00 05 41 00 ");
  std::string expected = "Tracks: 1=A 2=";
  expected.push_back('\0');
  for (int track = 3; track <= 16; ++track) {
    expected.append(" " + std::to_string(track) + "=");
    expected.push_back('\0');
  }
  expected.push_back(' ');
  EXPECT_EQ(text, expected);
}

TEST(SequencerInfo, TrackLettersGoThroughCodePage) {
  std::string hex = "43 73 0A 00 05 ";
  for (int i = 0; i < 16; ++i) hex += "C4 ";
  std::string text = Decode(hex, CodePage("ISO-8859-7"));
  EXPECT_EQ(text.substr(0, 12), "Tracks: 1=\xCE\x94");
}

// The listing hands over the event's data as hex text; with decoding off the row keeps it.
TEST(SequencerInfo, ListedFromMetaEvent) {
  auto file = testing::SingleTrackFile(
      TrackBuilder().Meta(0, 0x7F, Bytes{0x43, 0x73, 0x0C, 0x00, 0x4A, 0x7A}).EndOfTrack());
  Options off;
  off.DecodeSysex = false;
  EXPECT_EQ(testing::ListBytes(file).Command(0), "Style Name: Jz");
  EXPECT_EQ(testing::ListBytes(file, "Midi", off).Command(0), "43 73 0C 00 4A 7A ");
}

}  // namespace
}  // namespace veltrix
