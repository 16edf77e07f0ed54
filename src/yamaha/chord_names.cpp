#include "yamaha/chord_names.h"

#include <array>

namespace veltrix {

namespace {

// Letters of the note numbers 1 to 7.
constexpr std::array<std::string_view, 7> kNoteLetters = {"C", "D", "E", "F", "G", "A", "B"};

// Accidentals of the codes 0 to 6; codes 7 to 9 are natural like 3.
constexpr std::array<std::string_view, 7> kAccidentals = {"bbb", "bb", "b", "", "#", "##", "###"};

struct ChordType {
  std::string_view code;  // two-digit text of the type byte
  std::string_view text;
};

// Chord type texts by code; codes 23 and above are not listed and have no text.
constexpr std::array<ChordType, 0x23> kChordTypes = {{
    {"00", ""},       {"01", "6"},       {"02", "M7"},    {"03", "M7#11"},     {"04", "9"},
    {"05", "M7and9"}, {"06", "6and9"},   {"07", "aug"},   {"08", "m"},         {"09", "m6"},
    {"0A", "m7"},     {"0B", "m7b5"},    {"0C", "m9"},    {"0D", "m7and9"},    {"0E", "m7and11"},
    {"0F", "mM7"},    {"10", "mM7and9"}, {"11", "dim"},   {"12", "dim7"},      {"13", "7"},
    {"14", "7sus4"},  {"15", "7b5"},     {"16", "7and9"}, {"17", "7#11"},      {"18", "7and13"},
    {"19", "7b9"},    {"1A", "7b13"},    {"1B", "7#9"},   {"1C", "M7aug"},     {"1D", "7aug"},
    {"1E", "1and8"},  {"1F", "1and5"},   {"20", "sus4"},  {"21", "1and2and5"}, {"22", "cancel"},
}};

}  // namespace

int RootDigit(std::string_view byteText, size_t index) {
  if (index >= byteText.size()) return 0;
  char c = byteText[index];
  return (c >= '0' && c <= '9') ? c - '0' : 0;
}

std::string ChordRootName(std::string_view byteText) {
  std::string name(ChordNoteLetter(RootDigit(byteText, 1)));
  name += ChordAccidentalName(RootDigit(byteText, 0));
  return name;
}

std::string_view ChordAccidentalName(int code) {
  if (code < 0 || code >= static_cast<int>(kAccidentals.size())) return {};
  return kAccidentals[static_cast<size_t>(code)];
}

std::string_view ChordNoteLetter(int noteNumber) {
  if (noteNumber < 1 || noteNumber > static_cast<int>(kNoteLetters.size())) return {};
  return kNoteLetters[static_cast<size_t>(noteNumber - 1)];
}

std::string_view ChordTypeName(std::string_view byteText) {
  for (const ChordType& type : kChordTypes)
    if (type.code == byteText) return type.text;
  return {};
}

}  // namespace veltrix
