#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "lyrics/indexed_file.h"
#include "support/test_support.h"
#include "timing/clock_text.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

struct Read {
  SongLyrics song;
  EncodingGuess guess;
};

Read ReadBytes(const Bytes& bytes, const std::string& codePage = "WINDOWS-1252") {
  testing::TempDir dir;
  const std::string path = dir.File("song.kar");
  builder::WriteFile(path, bytes);
  const IndexedFile file = IndexFile(path, CodePage(codePage));
  EXPECT_EQ(file.outcome, OpenOutcome::Listed);
  return {LyricsOf(file, CodePage(codePage)),
          GuessEncoding(TextBytesOf(file.image, file.index, file.own))};
}

struct Expected {
  std::string text;
  int32_t tick;
  std::string clock;  // m:ss.mmm
  bool paragraph;
};

void ExpectLines(const SongLyrics& song, const std::vector<Expected>& expected) {
  ASSERT_EQ(song.lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].text);
    EXPECT_EQ(song.lines[i].text, expected[i].text);
    EXPECT_EQ(song.lines[i].tick, expected[i].tick);
    EXPECT_EQ(ClockText(song.lines[i].microseconds), expected[i].clock);
    EXPECT_EQ(song.lines[i].paragraph, expected[i].paragraph);
  }
}

// A format-1 .kar at 100 ticks a quarter: 120 BPM, from tick 200 on 60 BPM, so tick 100 is
// 0.5 s, tick 300 2.0 s and tick 400 3.0 s.
Bytes KarFile() {
  TrackBuilder tempo;
  tempo.Tempo(0, 500000).Meta(0, 0x01, "Sequenced by someone").Tempo(200, 1000000).EndOfTrack();
  TrackBuilder words;
  words.Meta(0, 0x03, "Words").Meta(0, 0x01, "@KMIDI KARAOKE FILE").Meta(0, 0x01, "@LENGL");
  words.Meta(0, 0x01, "@TSong").Meta(0, 0x01, "@TSinger").Meta(0, 0x01, "@IMade for a test");
  words.Meta(100, 0x01, "\\Hel").Meta(50, 0x01, "lo").Meta(150, 0x01, "/world");
  words.Meta(100, 0x01, "\\Next").EndOfTrack();
  return SmfBuilder(1, 100).Track(tempo).Track(words).Build();
}

TEST(LyricsReader, KarWordsMakeLinesTimedByTheTempoMap) {
  const SongLyrics song = ReadBytes(KarFile()).song;
  EXPECT_EQ(song.source, LyricSource::Kar);
  EXPECT_EQ(song.title, "Song");
  EXPECT_EQ(song.author, "Singer");
  EXPECT_EQ(song.language, "ENGL");
  ASSERT_NO_FATAL_FAILURE(ExpectLines(song, {{"Hello", 100, "0:00.500", true},
                                             {"world", 300, "0:02.000", false},
                                             {"Next", 400, "0:03.000", true}}));
  ASSERT_EQ(song.lines[0].syllables.size(), 2u);
  EXPECT_EQ(song.lines[0].syllables[1].text, "lo");
  EXPECT_EQ(song.lines[0].syllables[1].tick, 150);
}

TEST(LyricsReader, ListerWritesLrcTextAndJson) {
  testing::TempDir dir;
  const std::string path = dir.File("song.kar");
  builder::WriteFile(path, KarFile());
  const std::string run = std::string(VELTRIX_LIST_BINARY) + " --lyrics " + path;
  int status = -1;
  EXPECT_EQ(testing::RunCommand(run, status),
            "[ti:Song]\n[ar:Singer]\n[00:00.50]Hello\n[00:02.00]world\n[00:03.00]Next\n");
  EXPECT_EQ(status, 0);
  const std::string enhanced = testing::RunCommand(run + " --syllables", status);
  EXPECT_NE(enhanced.find("[00:00.50]<00:00.50>Hel<00:00.75>lo\n"), std::string::npos);
  EXPECT_EQ(testing::RunCommand(run + " --format txt", status), "Hello\nworld\n\nNext\n");
  const nlohmann::json json =
      nlohmann::json::parse(testing::RunCommand(run + " --format json", status));
  EXPECT_EQ(json["source"], "kar");
  EXPECT_EQ(json["author"], "Singer");
  ASSERT_EQ(json["lines"].size(), 3u);
  EXPECT_EQ(json["lines"][1]["seconds"], 2.0);
  EXPECT_EQ(json["lines"][1]["time"], "0:02.000");
  EXPECT_EQ(json["lines"][0]["syllables"][1]["text"], "lo");
  testing::RunCommand(std::string(VELTRIX_LIST_BINARY) + " --format txt " + path + " 2>/dev/null",
                      status);
  EXPECT_EQ(status, 2);
}

TEST(LyricsReader, LyricEventsFollowTheConventionInUse) {
  // Carriage return and line feed: a "/" is then only a character.
  TrackBuilder lineEnds;
  lineEnds.Meta(0, 0x05, "One ").Meta(240, 0x05, "two\r").Meta(0, 0x05, "\n");
  lineEnds.Meta(480, 0x05, "AC/DC\r").EndOfTrack();
  ExpectLines(ReadBytes(testing::SingleTrackFile(lineEnds)).song,
              {{"One two", 0, "0:00.000", true}, {"AC/DC", 720, "0:00.750", true}});

  // The keyboard's marks: "/" ends a line, "<" starts a page, "^" is a blank.
  TrackBuilder marks;
  marks.Meta(0, 0x05, "<Up^").Meta(480, 0x05, "and").Meta(480, 0x05, " down/");
  marks.Meta(480, 0x05, "<A").Meta(0, 0x05, "gain/ Last").EndOfTrack();
  const SongLyrics song = ReadBytes(testing::SingleTrackFile(marks)).song;
  EXPECT_EQ(song.source, LyricSource::Lyric);
  ExpectLines(song, {{"Up and down", 0, "0:00.000", true},
                     {"Again", 1440, "0:01.500", true},
                     {"Last", 1440, "0:01.500", false}});
}

TEST(LyricsReader, KaraokeChunkBehindTheTrackIsRead) {
  TrackBuilder track;
  track.Tempo(0, 1000000).EndOfTrack(960);
  // Closed by End of Track, or cut after a meta event's status at the end of the file.
  for (const Bytes& close : {Bytes{0x00, 0xFF, 0x2F, 0x00}, Bytes{0x00, 0xFF}}) {
    TrackBuilder karaoke;
    karaoke.Meta(240, 0x05, "<Sing/").Meta(240, 0x05, "Along").Raw(close);
    const Bytes file = SmfBuilder(0, 480).Track(track).Chunk("XFKM", karaoke.bytes()).Build();
    const SongLyrics song = ReadBytes(file).song;
    ASSERT_NO_FATAL_FAILURE(
        ExpectLines(song, {{"Sing", 240, "0:00.500", true}, {"Along", 480, "0:01.000", false}}));
    EXPECT_EQ(song.lines[0].syllables[0].row, -1);
  }
}

TEST(LyricsReader, LyricEventsWinOverKarWords) {
  TrackBuilder track;
  track.Meta(0, 0x01, "\\Kar words").Meta(0, 0x05, "Lyric words").EndOfTrack();
  const SongLyrics song = ReadBytes(testing::SingleTrackFile(track)).song;
  EXPECT_EQ(song.source, LyricSource::Lyric);
  EXPECT_TRUE(song.alsoKar);
  ExpectLines(song, {{"Lyric words", 0, "0:00.000", true}});
}

Bytes FromHex(const std::string& hex) {
  Bytes bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

TEST(LyricsReader, DetectorNamesTheTextsCodePage) {
  struct Case {
    std::string encoded;  // the words in the code page, as hex
    std::string utf8;
    std::string codePage;
  };
  const Case cases[] = {
      {"82b382ad82e72082b382ad82e72096ed90b682cc8bf382cd208ca9936e82b78cc082e82089e082a9895f82a9"
       "2093f582a282bc8f6f82b882e92082a282b482e22082a282b482e2208ca982c982e482a982f1",
       "さくら さくら 弥生の空は 見渡す限り 霞か雲か 匂いぞ出ずる いざや いざや 見にゆかん",
       "SHIFT_JIS"},
      {"cae0ebe8edeae02c20eae0ebe8edeae02c20eae0ebe8edeae020eceeff2120c220f1e0e4f320ffe3eee4e020"
       "ece0ebe8edeae02c20ece0ebe8edeae020eceeff21",
       "Калинка, калинка, калинка моя! В саду ягода малинка, малинка моя!", "WINDOWS-1251"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codePage);
    TrackBuilder track;
    track.Meta(0, 0x05, FromHex(c.encoded)).EndOfTrack();
    const Bytes file = testing::SingleTrackFile(track);
    const EncodingGuess guess = ReadBytes(file).guess;
    EXPECT_EQ(guess.name, c.codePage);
    EXPECT_TRUE(guess.confident);
    const SongLyrics song = ReadBytes(file, guess.name).song;
    ASSERT_EQ(song.lines.size(), 1u);
    EXPECT_EQ(song.lines[0].text, c.utf8);
  }
}

}  // namespace
}  // namespace veltrix
