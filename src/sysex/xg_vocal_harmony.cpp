#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_effect_blocks.h"
#include "sysex/xg_rows.h"

namespace veltrix::xg {

namespace {

void PartSwitchValue(std::string& text, std::string_view hex) {
  text += ByteText(hex, 7) == "40" ? "On" : "Off";
}

// Byte 4 = 04. Byte 5 is not examined.
constexpr Row kVocalHarmony[] = {
    Fixed(0x00, " Insertion Effect = ", EffectTypeValue),
    Numbered(0x02, 0x09, "Insertion Parameter ", 1, "= "),
    Fixed(0x0A, "Insertion Parameter 9 = "),
    Fixed(0x0B, "Insertion Parameter 10 = "),
    Fixed(0x0C, "Insertion Part is ", PartSwitchValue),
    Fixed(0x0D, "MW Insertion Insertion Control Depth= "),
    Fixed(0x0E, "Bend Insertion Insertion Control Depth= "),
    Fixed(0x0F, "CAT Insertion Insertion Control Depth= "),
    Fixed(0x10, "AC1 Insertion Insertion Control Depth= "),
    Fixed(0x11, "AC2 Insertion Insertion Control Depth= "),
    Fixed(0x14, "Harmony Channel Effect Part= "),
    Fixed(0x15, "Melody Channel Effect Part= "),
    Numbered(0x20, 0x25, "Insertion Parameter ", 11, "= "),
};
static_assert(Ascending(kVocalHarmony));

}  // namespace

std::string VocalHarmonyText(std::string_view hex, std::string built) {
  return RowText(kVocalHarmony, hex, std::move(built) + "Vocal Harmony ");
}

}  // namespace veltrix::xg
