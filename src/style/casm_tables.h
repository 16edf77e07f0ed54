#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace veltrix::casm {

// The value tables of the CASM track records. Each table keeps the order in which the values
// are listed; a value the table does not name gives an empty text.

// Style part of the destination channel byte, from channel 8 on.
inline constexpr int kFirstStylePartChannel = 8;
inline constexpr std::array<std::string_view, 8> kStylePart = {
    "Sub Rhythm", "Rhythm", "Bass", "Chord 1", "Chord 2", "Pad", "Phrase 1", "Phrase 2"};

// Notes allowed: low byte bit 0-7, then high byte bit 0-3 (bits 4-7 have no name).
inline constexpr std::array<std::string_view, 8> kNotesLowByte = {"C ", "C# ", "D ",  "Eb ",
                                                                  "E ", "F ",  "F# ", "G "};
inline constexpr std::array<std::string_view, 4> kNotesHighByte = {"G# ", "A ", "Bb ", "B "};

// Chords allowed: the five mask bytes at record offsets 21 to 25, bit 0 first.
inline constexpr std::array<std::array<std::string_view, 8>, 5> kChordsAllowed = {{
    {"sus4 ", "1+2+5 ", "", "", "", "", "", ""},
    {"7(13) ", "7(b9) ", "7(b13) ", "7(#9) ", "M7aug ", "7aug ", "1+8 ", "1+5 "},
    {"m7M(9) ", "dim ", "dim7 ", "7 ", "7sus4 ", "7b5 ", "7(9) ", "7#11 "},
    {"min ", "min6 ", "min7 ", "m7b5 ", "m(9) ", "m7(9) ", "m7(11) ", "mM7 "},
    {"Maj ", "Maj6 ", "Maj7 ", "M7#11 ", "(9) ", "M7(9) ", "6(9) ", "aug "},
}};

// Key root, also used for the high key.
inline constexpr std::array<std::string_view, 12> kKeyRoot = {"C",  "C#", "D",  "D#", "E",  "F",
                                                              "F#", "G",  "G#", "A",  "A#", "B"};

// Source chord type.
inline constexpr std::array<std::string_view, 35> kChordType = {
    "maj",      "maj6",    "maj7",       "maj7#11", "maj(9)", "maj7(9)", "maj6(9)",
    "aug",      "min",     "min6",       "min7",    "min7b5", "min(9)",  "min7(9)",
    "min7(11)", "minMaj7", "minMaj7(9)", "dim",     "dim7",   "7th",     "7sus4",
    "7b5",      "7(9)",    "7(#11)",     "7(13)",   "7(b9)",  "7(b13)",  "7(#9)",
    "maj7aug",  "7ang",    "1+8",        "1+5",     "sus4",   "1+2+5",   "machine specific"};

// Note transposition rule of a Ctab record: 0 names itself, any other value is fixed.
inline constexpr std::string_view kRuleRootTransposition = "Root Transposition";
inline constexpr std::string_view kRuleRootFixed = "Root Fixed";

// Note transposition table of a Ctab record.
inline constexpr std::array<std::string_view, 6> kNoteTranspositionTable = {
    "Bypass", "Melody", "Chord", "Bass", "Melodic minor", "Harmonic minor"};

// Retrigger rule.
inline constexpr std::array<std::string_view, 6> kRetriggerRule = {
    "Stop",      "Pitch Shift",       "Pitch Shift to Root",
    "Retrigger", "Retrigger to Root", "Note Generator"};

// Note transposition table with bass flag, of Cntt records and of the Ctb2 note ranges.
inline constexpr std::array<std::pair<int, std::string_view>, 18> kCnttNtt = {{
    {0, "Bypass/ Bass Off"},
    {128, "Bypass/ Bass On"},
    {1, "Melody + Bass/ Bass Off"},
    {129, "Melody + Bass/ Bass On"},
    {2, "Chord/ Bass Off"},
    {130, "Chord/ Bass On"},
    {3, "Melodic minor/ Bass Off"},
    {131, "Melodic minor/ Bass On"},
    {4, "Harmonic minor 5th Var/ Bass Off"},
    {132, "Harmonic minor 5th Var/ Bass On"},
    {5, "Natural minor/ Bass Off"},
    {133, "Natural minor/ Bass On"},
    {6, "Natural minor 5th Var/ Bass Off"},
    {134, "Natural minor 5th Var/ Bass On"},
    {7, "Dorian/ Bass Off"},
    {135, "Dorian/ Bass On"},
    {8, "Dorian 5th Var/ Bass Off"},
    {136, "Dorian 5th Var/ Bass On"},
}};

// Note transposition rule of a Ctb2 note range.
inline constexpr std::array<std::string_view, 3> kCtb2Ntr = {"Root Transpose", "Root Fixed",
                                                             "Guitar"};
inline constexpr uint8_t kGuitarRule = 2;

// Note transposition table of a Ctb2 note range whose rule is Guitar.
inline constexpr std::array<std::pair<int, std::string_view>, 6> kGuitarNtt = {{
    {0, "Guitar All Purpose"},
    {1, "Guitar Stroke"},
    {2, "Guitar Arpeggio"},
    {128, "Guitar All Purpose/ Bass On"},
    {129, "Guitar Stroke/ Bass On"},
    {130, "Guitar Arpeggio/ Bass On"},
}};

// The text of `value` in a table indexed from `first`; empty outside it.
template <size_t N>
constexpr std::string_view NameOf(const std::array<std::string_view, N>& table, int value,
                                  int first = 0) {
  int index = value - first;
  return index >= 0 && index < static_cast<int>(N) ? table[static_cast<size_t>(index)]
                                                   : std::string_view{};
}

// The text of `value` in a table of value/text pairs; empty when it has none.
template <size_t N>
constexpr std::string_view NameOf(const std::array<std::pair<int, std::string_view>, N>& table,
                                  int value) {
  for (const auto& [key, text] : table)
    if (key == value) return text;
  return {};
}

}  // namespace veltrix::casm
