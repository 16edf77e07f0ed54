#include "sysex/get_sysex.h"

#include <array>

#include "core/failure.h"
#include "core/hex_text.h"
#include "core/number_text.h"
#include "sysex/keyboard_message.h"
#include "sysex/xg_parameter.h"
#include "yamaha/chord_names.h"

namespace veltrix {

namespace {

using Decoder = std::string (*)(std::string_view hex);

// Channel volume (43 00 4C): only subcommand 08 with parameter 0B is a volume.
std::string ChannelVolumeText(std::string_view hex) {
  if (ByteText(hex, 4) != "08") return RawForm("", hex);
  if (ByteText(hex, 6) != "0B") return " Parameter Change " + std::string(ByteText(hex, 6));
  return "Channel " + SignedNumberText(ValueOrZero(hex, 5)) +
         " Volume =" + SignedNumberText(ValueOrZero(hex, 7));
}

struct Section {
  std::string_view code;
  std::string_view text;
};

// Section names by the section byte (byte 4) of a section-control message.
constexpr std::array<Section, 16> kSections = {{
    {"00", "Intro A: "},
    {"01", "Intro B "},
    {"02", "Intro C: "},
    {"08", "Main A: "},
    {"09", "Main B: "},
    {"0A", "Main C: "},
    {"0B", "Main D: "},
    {"10", "Fill In AA: "},
    {"11", "Fill In BB: "},
    {"12", "Fill In CC: "},
    {"13", "Fill In DD: "},
    {"18", "Break Fill: "},
    {"20", "Ending A: "},
    {"21", "Ending B: "},
    {"22", "Ending C: "},
    {"23", "Ending D: "},
}};

std::string SectionControlText(std::string_view hex) {
  std::string text = "Section Control ";
  std::string_view section = ByteText(hex, 4);
  std::string_view name = section;  // an unlisted section shows its own two digits
  for (const Section& entry : kSections)
    if (entry.code == section) name = entry.text;
  text += name;
  std::string_view onOff = ByteText(hex, 5);
  if (onOff == "00") text += "Off ";
  if (onOff == "7F") text += "On ";
  return text;
}

// Tempo (43 7E 01): microseconds per quarter note in bytes 5 to 7, seven bits each.
std::string TempoText(std::string_view hex) {
  int64_t microseconds =
      int64_t{ValueOrZero(hex, 5)} * 16384 + ValueOrZero(hex, 6) * 128 + ValueOrZero(hex, 7);
  return "Sysex Tempo = " + SignedNumberText(CheckedDivide(60000000, microseconds));
}

// The root of a chord byte in a chord-control message. Unlike the meta-event rule, note 0
// names a reserved chord and notes 8 and 9 lie outside the note table.
std::string ChordControlRoot(std::string_view byteText, std::string_view reservedText) {
  int note = RootDigit(byteText, 1);
  if (note == 8 || note == 9) Raise(kSubscriptOutOfRange);
  std::string root(note == 0 ? reservedText : ChordNoteLetter(note));
  root += ChordAccidentalName(RootDigit(byteText, 0));
  return root;
}

// Chord control (43 7E 02): root, type and, unless byte 6 is 7F, "/" and the bass root.
std::string ChordControlText(std::string_view hex) {
  std::string text = ChordControlRoot(ByteText(hex, 4), "Reserved Chord ");
  text += ChordTypeName(ByteText(hex, 5));
  if (ByteText(hex, 6) != "7F")
    text.append("/").append(ChordControlRoot(ByteText(hex, 6), "Reserved chord "));
  return text;
}

std::string ChordControlType2Text(std::string_view hex) {
  return "Chord Control, Type 2: " + std::string(Right(hex, static_cast<int64_t>(hex.size()) - 6));
}

// The count is negative for a message of fewer than five bytes, which is a failure.
std::string MasterVolumeText(std::string_view hex) {
  return "Master Volume" + std::string(Right(hex, static_cast<int64_t>(hex.size()) - 13));
}

struct SysexMessage {
  std::string_view header;     // bytes 1 to 3 of the hex text
  std::string_view fixedText;  // the text when there is no decoder
  Decoder decoder;
};

// Messages by header, tested in this order; the first equal header selects the message.
constexpr std::array<SysexMessage, 12> kMessages = {{
    {"43 60 7A", "Accompaniment Start", nullptr},
    {"43 60 7D", "Accompaniment Stop", nullptr},
    {"43 00 4C", "", ChannelVolumeText},
    {"43 7E 00", "", SectionControlText},
    {"43 7E 01", "", TempoText},
    {"43 7E 02", "", ChordControlText},
    {"43 7E 03", "", ChordControlType2Text},
    {"7F 7E 04", "", MasterVolumeText},
    {"7E 7F 09", "MIDI on", nullptr},
    {"43 73 01", "", KeyboardMessageText},
    {"46 10 4C", "CAT Amplitude; Disabled by VoziRerezo", nullptr},
    {"43 10 4C", "", XgParameterText},
}};

}  // namespace

std::string GetSysex(std::string_view hex, const ErrorReporter& reporter) {
  return Guarded(reporter, "GetSysex", std::string(), [&] {
    std::string_view header = Mid(hex, 1, 8);
    for (const SysexMessage& message : kMessages) {
      if (message.header != header) continue;
      return message.decoder ? message.decoder(hex) : std::string(message.fixedText);
    }
    return RawForm("", hex);
  });
}

}  // namespace veltrix
