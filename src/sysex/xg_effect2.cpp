#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "sysex/xg_effect_blocks.h"
#include "sysex/xg_rows.h"

namespace veltrix::xg {

namespace {

// Indexed by byte 5; other values add nothing.
constexpr std::string_view kInsertionBlocks[] = {"DSP 2 ", "DSP 3 ", "DSP 4 ", "DSP 5 ", "DSP 6 "};

// Byte 4 = 03: the insertion effects.
//
// The parameters at 30 to 43 take two addresses each (their value is two data bytes):
// parameter 1 at 30/31 (not decoded), 2 at 32/33 up to 5 at 38, which meets the fixed 6, 7, 8
// at 3A, 3C, 3E and goes on with 9 at 40/41 and 10 at 42.
constexpr Row kEffect2[] = {
    Fixed(0x00, "Insertion Effect = ", EffectTypeValue),
    Numbered(0x02, 0x0A, "Insertion Parameter ", 1, " = "),
    Numbered(0x0B, 0x0B, "Insertion Parameter ", 10, "= "),
    Fixed(0x0C, "Insertion  Channel = "),
    Fixed(0x0D, "MW Insertion Control Depth = "),
    Fixed(0x0E, "PB Insertion Control Depth = "),
    Fixed(0x0F, "CAT Insertion Control Depth = "),
    Fixed(0x10, "AC1 Insertion Control Depth = "),
    Fixed(0x11, "AC2 Insertion Control Depth = "),
    Numbered(0x20, 0x25, "Insertion Parameter ", 11, " = "),
    NumberedPairs(0x32, 0x38, "Insertion Parameter ", 2, " = ", TwoDataBytes),
    Fixed(0x3A, "Insertion Parameter 6= ", TwoDataBytes),
    Fixed(0x3C, "Insertion Parameter 7= ", TwoDataBytes),
    Fixed(0x3E, "Insertion Parameter 8= ", TwoDataBytes),
    NumberedPairs(0x40, 0x42, "Insertion Parameter ", 9, " = ", TwoDataBytes),
};
static_assert(Ascending(kEffect2));

}  // namespace

std::string Effect2Text(std::string_view hex, std::string built) {
  built += "Effect2 ";
  std::optional<int> block = HexDigitsValue(hex, 5);
  if (block && *block < static_cast<int>(std::size(kInsertionBlocks))) {
    built += kInsertionBlocks[*block];
  }
  return RowText(kEffect2, hex, std::move(built));
}

}  // namespace veltrix::xg
