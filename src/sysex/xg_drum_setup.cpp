#include <utility>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "sysex/xg_parameter.h"
#include "sysex/xg_rows.h"

namespace veltrix {
namespace {

using xg::Fixed;
using xg::Row;

// Byte 4 = 30 or 31, byte 5 the drum note: the parameters of one note, by byte 6.
constexpr Row kDrumSetup[] = {
    Fixed(0x00, "Pitch Coarse = "),
    Fixed(0x01, "Pitch Fine = "),
    Fixed(0x02, "Level = "),
    Fixed(0x03, "Alternate Group = "),
    Fixed(0x04, "Pan = "),
    Fixed(0x05, "Reverb Send Level = "),
    Fixed(0x06, "Chorus Send Level = "),
    Fixed(0x07, "Variation Send Level = "),
    Fixed(0x08, "Key Assign = "),
    Fixed(0x09, "Rcv Note Off = ", xg::TwoDataBytes),
    Fixed(0x0A, "Rcv Note On = "),
    Fixed(0x0B, "Filter Cutoff Freq. = "),
    Fixed(0x0C, "Filter Resonance = "),
    Fixed(0x0D, "EG Attack Rate = "),
    Fixed(0x0E, "EG Decay 1 Rate = "),
    Fixed(0x0F, "EG Decay 2 Rate = "),
    Fixed(0x20, "EG Bass Gain= "),
    Fixed(0x21, "EG Treble Gain = "),
    Fixed(0x24, "EG Bass Frequency = "),
    Fixed(0x25, "EG Treble Frequency = "),
};
static_assert(xg::Ascending(kDrumSetup));

// The setup number is the second digit of byte 4 (30 or 31), read as a one-digit hex text.
int SetupNumber(std::string_view hex) {
  return DecimalOfByte(Mid(hex, 11, 1), 1);
}

}  // namespace

std::string XgDrumSetupText(std::string_view hex, std::string builtSoFar) {
  std::string text = std::move(builtSoFar);
  text.append("Drum Setup, SetUp # =").append(SignedNumberText(SetupNumber(hex)));
  text.append(" Note # = ").append(DecimalText(hex, 5)).append(" ");
  return xg::RowText(kDrumSetup, hex, std::move(text));
}

}  // namespace veltrix
