#pragma once

#include <optional>
#include <string>

namespace veltrix::overview {

// The name of the voice a program change selects under a bank: the General MIDI name for bank
// 0/0 (or no bank select), the XG drum kit for a drum channel where the kit is known, else
// "Bank m/l Program p" with the raw values. Program numbers are the raw 0-127 values.
std::string VoiceName(std::optional<int> bankMsb, std::optional<int> bankLsb, int program,
                      bool drums);

// The General MIDI instrument of program 0-127 ("Acoustic Grand Piano" for 0).
const char* GmProgramName(int program);

// A note by the listing's names and octaves, without blanks: 60 gives "C5", 61 "C#5".
std::string NoteText(int note);

// The listing's name of a controller number.
std::string ControllerText(int number);

}  // namespace veltrix::overview
