#pragma once

#include <string>
#include <string_view>

namespace veltrix {

// The root of a chord root byte, given as its two-digit text: note letter, then accidental.
std::string ChordRootName(std::string_view byteText);
// A digit of a chord root byte's text read as a decimal digit; a letter digit or a missing
// one counts as 0.
int RootDigit(std::string_view byteText, size_t index);
// The accidental text of a chord root's first digit (0 "bbb" ... 6 "###", else nothing).
std::string_view ChordAccidentalName(int code);
// The letter of a note number 1-7 ("C" ... "B"); empty for any other.
std::string_view ChordNoteLetter(int noteNumber);
// The chord type text of a type code, given as its two-digit text; empty when not listed.
std::string_view ChordTypeName(std::string_view byteText);

}  // namespace veltrix
