#include <iterator>
#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_parameter.h"
#include "sysex/xg_rows.h"

namespace veltrix {

namespace {

using xg::Fixed;
using xg::Row;

void PartModeValue(std::string& text, std::string_view hex) {
  text += ByteText(hex, 7) == "00" ? "Other Parts" : "Drums";
}

// Byte 4 = 08, byte 5 the part: the parameters of one part, by byte 6.
constexpr Row kMultiPart[] = {
    Fixed(0x00, "Element Reserve = "),
    Fixed(0x01, "Bank Select MSB = "),
    Fixed(0x02, "Bank Select LSB  = "),
    Fixed(0x03, "Program Number = "),
    Fixed(0x04, "Rcv Channel = "),
    Fixed(0x05, "Mono(0)/Poly mode = "),
    Fixed(0x06, "Same Note /Key On = "),
    Fixed(0x07, "Part Mode = ", PartModeValue),
    Fixed(0x08, "Channel Transpose = "),
    Fixed(0x09, "Detune = ", xg::TwoDataBytes),
    Fixed(0x0A, "CAT Amplitude= "),
    Fixed(0x0B, "Volume = "),
    Fixed(0x0C, "Velocity Sense Depth = "),
    Fixed(0x0D, "Velocity Sense Offset = "),
    Fixed(0x0E, "Pan = "),
    Fixed(0x0F, "Note Limit Low = "),
    Fixed(0x10, "Note Limit High = "),
    Fixed(0x11, "Dry Level = "),
    Fixed(0x12, "Chorus Send = "),
    Fixed(0x13, "Reverb Send = "),
    Fixed(0x14, "Variation Send = "),
    Fixed(0x15, "Vibrato Rate = "),
    Fixed(0x16, "Vibrato Depth = "),
    Fixed(0x17, "Vibrato Delay = "),
    Fixed(0x18, "Filter Cutoff Freq = "),
    Fixed(0x19, "Filter Resonance = "),
    Fixed(0x1A, "EG Attack Time = "),
    Fixed(0x1B, "EG Decay Time = "),
    Fixed(0x1C, "EG Release Time = "),
    Fixed(0x1D, "MW Pitch Control = "),
    Fixed(0x1E, "MW Filter Control = "),
    Fixed(0x1F, "MW Amp. Control = "),
    Fixed(0x20, "MW LFO PMod Depth = "),
    Fixed(0x21, "MW LFO FMod Depth = "),
    Fixed(0x22, "MW MW LFO FMod Depth= "),
    Fixed(0x23, "Bend Pitch Control = "),
    Fixed(0x24, "Bend Filter Control = "),
    Fixed(0x25, "Bend Amp Control = "),
    Fixed(0x26, "Bend LFO PMod Depth = "),
    Fixed(0x27, "Bend LFO FMod Depth = "),
    Fixed(0x28, "Bend LFO AMod Depth = "),
    Fixed(0x30, "Rcv Pitch Bend On/0ff = "),
    Fixed(0x31, "Rcv Channel After Touch(CAT) On/Off(0) = "),
    Fixed(0x32, "Rcv Program Change On/Off(0)= "),
    Fixed(0x33, "Rcv Control Change On/Off(0)= "),
    Fixed(0x34, "Rcv Poly After Touch(PAT)On/Off(0)= "),
    Fixed(0x35, "Rcv Note Message On/Off(0)= "),
    Fixed(0x36, "Rcv RPN On/Off(0) = "),
    Fixed(0x37, "Rcv NRPN On/Off(0) = "),
    Fixed(0x38, "Rcv Modulation On/Off(0) = "),
    Fixed(0x39, "Rcv Volume On/Off(0) = "),
    Fixed(0x3A, "Rcv Pan On/Off(0) = "),
    Fixed(0x3B, "Rcv Expression On/Off(0) = "),
    Fixed(0x3C, "Rcv Hold1 On/Off(0) = "),
    Fixed(0x3D, "Rcv Portamento On/Off(0) = "),
    Fixed(0x3E, "Rcv Sostenuto On/Off(0) = "),
    Fixed(0x3F, "Rcv Soft Pedal On/Off(0) = "),
    Fixed(0x40, "Rcv Bank Select On/Off(0) = "),
    Fixed(0x41, "Scale Tuning C = "),
    Fixed(0x42, "Scale Tuning C# = "),
    Fixed(0x43, "Scale Tuning D = "),
    Fixed(0x44, "Scale Tuning D# = "),
    Fixed(0x45, "Scale Tuning E = "),
    Fixed(0x46, "Scale Tuning F = "),
    Fixed(0x47, "Scale Tuning F#= "),
    Fixed(0x48, "Scale Tuning G = "),
    Fixed(0x49, "Scale Tuning G# = "),
    Fixed(0x4A, "Scale Tuning A = "),
    Fixed(0x4B, "Scale Tuning A# = "),
    Fixed(0x4C, "Scale Tuning B= "),
    Fixed(0x4D, "CAT Pitch Control = "),
    Fixed(0x4E, "CAT Filter Control = "),
    Fixed(0x4F, "CAT Amplitude Control = "),
    Fixed(0x50, "CAT LFO PMod Depth = "),
    Fixed(0x51, "CAT LFO FMod Depth = "),
    Fixed(0x52, "CAT LFO AMod Depth = "),
    Fixed(0x53, "PAT Pitch Control = "),
    Fixed(0x54, "PAT Lo Pass Filter Control = "),
    Fixed(0x55, "PAT Amplitude Control = "),
    Fixed(0x56, "PAT LFO PMod Depth = "),
    Fixed(0x57, "PAT LFO FMod Depth = "),
    Fixed(0x58, "PAT LFO AMod Depth = "),
    Fixed(0x59, "AC1 Controler Number = "),
    Fixed(0x5A, "AC1 Pitch Control = "),
    Fixed(0x5B, "AC1 Lo Pass Filter Control = "),
    Fixed(0x5C, "AC1 Amplitude Control = "),
    Fixed(0x5D, "AC1 LFO PMod Depth = "),
    Fixed(0x5E, "AC1 LFO FMod Depth = "),
    Fixed(0x5F, "AC1 LFO AMod Depth = "),
    Fixed(0x60, "AC2 Controler Number = "),
    Fixed(0x61, "AC2 Pitch Control = "),
    Fixed(0x62, "AC2 Lo Pass Filter Control = "),
    Fixed(0x63, "AC2 Amplitude Control = "),
    Fixed(0x64, "AC2 LFO PMod Depth = "),
    Fixed(0x65, "AC2 LFO FMod Depth = "),
    Fixed(0x66, "AC2 LFO AMod Depth = "),
    Fixed(0x67, "Portamento Switch = "),
    Fixed(0x68, "Portamento Time = "),
    Fixed(0x69, "Pitch EQ Initial Level = "),
    Fixed(0x6A, "Pitch EQ Attack Time = "),
    Fixed(0x6B, "Pitch EQ Release Level = "),
    Fixed(0x6C, "Pitch EQ Release Time = "),
    Fixed(0x6D, "Velocity Limit Low = "),
    Fixed(0x6E, "Velocity Limit High = "),
    Fixed(0x72, "EQ Bass Gain = "),
    Fixed(0x73, "EQ Treble Gain = "),
    Fixed(0x76, "EQ Bass Frequency = "),
    Fixed(0x77, "EQ Treble Frequency = "),
};
static_assert(std::size(kMultiPart) == 108);
static_assert(xg::Ascending(kMultiPart));

}  // namespace

std::string XgMultiPartText(std::string_view hex, std::string builtSoFar) {
  // The part number is shown as stored, from 0.
  builtSoFar += "MultiPart Part # = ";
  builtSoFar += DecimalText(hex, 5);
  builtSoFar += " , ";
  return xg::RowText(kMultiPart, hex, std::move(builtSoFar));
}

}  // namespace veltrix
