#include "yamaha/sequencer_info.h"

#include <optional>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "yamaha/chord_names.h"

namespace veltrix {

namespace {

constexpr std::string_view kUnknown = "Unknown Sequencer Specific ";
constexpr std::string_view kKarTextEnabler = "00 00 41 ";
constexpr int kTrackCount = 16;

std::string Labelled(std::string_view label, std::string_view text) {
  std::string out(label);
  out.append(text);
  return out;
}

std::string Unknown(std::string_view hex) {
  return Labelled(kUnknown, hex);
}

// The value of byte k, or nothing when the data ends before it.
std::optional<int> ByteWhenPresent(std::string_view hex, int k) {
  if (ByteText(hex, k).empty()) return std::nullopt;
  return DecimalOfByte(hex, k);
}

std::string CharacterOfByte(std::string_view hex, int k, const CodePage& codePage) {
  return codePage.CharacterOf(static_cast<unsigned char>(ValueOrZero(hex, k)));
}

// 43 73 0A: score settings, selected by byte 5.
std::string ScoreSettings(std::string_view hex, const CodePage& codePage) {
  std::string_view setting = ByteText(hex, 5);
  if (setting == "04") {
    std::optional<int> measure = ByteWhenPresent(hex, 6);
    if (!measure) return Unknown(hex);
    return "Score Start Measure Number= " + SignedNumberText(*measure + 1);
  }
  if (setting == "05") {
    // The track letters are bytes 6 to 21; a missing one reads as the character 0.
    std::string text = "Tracks: ";
    for (int track = 1; track <= kTrackCount; ++track) {
      text.append(PlainNumberText(track));
      text.push_back('=');
      text.append(CharacterOfByte(hex, 5 + track, codePage));
      text.push_back(' ');
    }
    return text;
  }
  if (setting == "06") return Labelled("Track Offset Volume: ", HexRun(hex, 6, 10));
  return Unknown(hex);
}

// 43 73 0C: the style name from byte 5 up to the first 00 or the end of the data.
std::string StyleName(std::string_view hex, const CodePage& codePage) {
  std::string name;
  for (int k = 5; !ByteText(hex, k).empty(); ++k) {
    int byte = DecimalOfByte(hex, k);
    if (byte == 0) break;
    name.append(codePage.CharacterOf(static_cast<unsigned char>(byte)));
  }
  return "Style Name: " + (name.empty() ? std::string("none") : name);
}

std::string SongSettings(std::string_view hex, const CodePage& codePage) {
  std::string_view kind = ByteText(hex, 3);
  if (kind == "0A") return ScoreSettings(hex, codePage);
  if (kind == "0C") return StyleName(hex, codePage);
  if (kind == "0D") return Labelled("Keyboard Voice Data: ", FromByte(hex, 5));
  return Unknown(hex);
}

std::string ChordText(std::string_view hex) {
  std::string text = "Chord:  ";
  text.append(ChordRootName(ByteText(hex, 4)));
  text.append(ChordTypeName(ByteText(hex, 5)));
  std::string_view bass = ByteText(hex, 6);
  if (bass != "7F") {
    text.push_back('/');
    text.append(ChordRootName(bass));
  }
  return text;
}

std::string MelodyChannels(std::string_view hex) {
  std::optional<int> first = ByteWhenPresent(hex, 4);
  std::optional<int> second = ByteWhenPresent(hex, 5);
  if (!first || !second) return Unknown(hex);
  return "Melody Track 1 Channel= " + SignedNumberText(*first) +
         "  Melody Track 2 Channel= " + SignedNumberText(*second);
}

// 43 7B: chord, phrase, melody-channel and lyrics-bitmap events, selected by byte 3.
std::string ChordAndPhraseEvents(std::string_view hex) {
  std::string_view kind = ByteText(hex, 3);
  if (kind == "01") return ChordText(hex);
  if (kind == "03") return Labelled("Phrase Mark= ", ByteText(hex, 4));
  if (kind == "04") return Labelled("Max Phrase Number = ", ByteText(hex, 4));
  if (kind == "0C") return MelodyChannels(hex);
  if (kind == "21") return Labelled("lyrics Bitmap Path= ", FromByte(hex, 6));
  return Unknown(hex);
}

std::string Decode(std::string_view hex, const CodePage& codePage) {
  if (ByteText(hex, 1) == "43") {
    std::string_view group = ByteText(hex, 2);
    if (group == "73") return SongSettings(hex, codePage);
    if (group == "7B") return ChordAndPhraseEvents(hex);
    return Unknown(hex);
  }
  if (hex == kKarTextEnabler) return "Yamaha Specific Sysex enabling kar text display in PSR";
  return Labelled("Yamaha Sequencer Specific ", hex);
}

}  // namespace

std::string YamahaSequencerInfo(std::string_view hex, const ErrorReporter& reporter,
                                const CodePage& codePage) {
  return Guarded(reporter, "YamahaSequencerInfo", std::string(),
                 [&] { return Decode(hex, codePage); });
}

}  // namespace veltrix
