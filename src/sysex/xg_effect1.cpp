#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_effect_blocks.h"
#include "sysex/xg_rows.h"

namespace veltrix::xg {

namespace {

void ConnectionValue(std::string& text, std::string_view hex) {
  text += ByteText(hex, 7) == "00" ? "Insertion" : "System";
}

// Bytes 4, 5 = 02 01: reverb, chorus and variation.
//
// The variation parameters at 42 to 55 take two addresses each (their value is two data
// bytes): parameter 1 at 42/43, 2 at 44/45, and so on, which meets the fixed 5, 6, 7 at 4A,
// 4C, 4E and goes on with 8 at 50/51 up to 10 at 54.
constexpr Row kEffect1[] = {
    Fixed(0x00, "Reverb Type ", EffectTypeValue),
    Numbered(0x02, 0x09, "Reverb Parameter ", 1, "= "),
    Fixed(0x0A, "Reverb Parameter 9= "),
    Fixed(0x0B, "Reverb Parameter 10= "),
    Fixed(0x0C, "Reverb Return = "),
    Fixed(0x0D, "Reverb Pan= "),
    Numbered(0x10, 0x15, "Reverb Parameter ", 11, "= "),
    Fixed(0x20, "Chorus Type ", EffectTypeValue),
    Numbered(0x22, 0x29, "Chorus Parameter ", 1, "= "),
    Fixed(0x2A, "Chorus Parameter 9= "),
    Fixed(0x2B, "Chorus Parameter 10= "),
    Fixed(0x2C, "Chorus  Return = "),
    Fixed(0x2D, "Chorus  Pan= "),
    Fixed(0x2E, "Send Chorus to Reverb = "),
    Numbered(0x30, 0x35, "Chorus Parameter ", 11, "= "),
    Fixed(0x40, "Variation Type ", EffectTypeValue),
    NumberedPairs(0x42, 0x48, "Variation Parameter ", 1, "= ", TwoDataBytes),
    Fixed(0x4A, "Variation Parameter 5= ", TwoDataBytes),
    Fixed(0x4C, "Variation Parameter 6= ", TwoDataBytes),
    Fixed(0x4E, "Variation Parameter 7= ", TwoDataBytes),
    NumberedPairs(0x50, 0x54, "Variation Parameter ", 8, "= ", TwoDataBytes),
    Fixed(0x56, "Variation Return = "),
    Fixed(0x57, "Variation Pan= "),
    Fixed(0x58, "Send Variation to Reverb= "),
    Fixed(0x59, "Send Variation to Chorus= "),
    Fixed(0x5A, "Variation Connection = ", ConnectionValue),
    Fixed(0x5B, "Variation Part Number Enabled = "),
    Fixed(0x5C, "MW Var Control Depth= "),
    Fixed(0x5D, "PB Var Control Depth= "),
    Fixed(0x5E, "CAT Var Control Depth= "),
    Fixed(0x5F, "AC1 Var Control Depth= "),
    Fixed(0x60, "AC2 Var Control Depth= "),
    Numbered(0x70, 0x75, "Variation Parameter ", 11, "= "),
};
static_assert(Ascending(kEffect1));

}  // namespace

std::string Effect1Text(std::string_view hex, std::string built) {
  return RowText(kEffect1, hex, std::move(built) + "Effect1 ");
}

}  // namespace veltrix::xg
