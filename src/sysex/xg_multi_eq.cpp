#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "sysex/xg_effect_blocks.h"
#include "sysex/xg_rows.h"

namespace veltrix::xg {

namespace {

// Indexed by byte 7; other values add nothing.
constexpr std::string_view kEqTypeNames[] = {"Flat ", "Jazz ", "Pops ", "Rock ", "Classic "};

void EqTypeValue(std::string& text, std::string_view hex) {
  std::optional<int> type = HexDigitsValue(hex, 7);
  if (type && *type < static_cast<int>(std::size(kEqTypeNames))) text += kEqTypeNames[*type];
}

// Bytes 4, 5 = 02 40: the five-band master equaliser.
constexpr Row kMultiEq[] = {
    Fixed(0x00, "Type= ", EqTypeValue),
    Fixed(0x01, "EQ Gain 1 = "),
    Fixed(0x02, "EQ Freq 1 = "),
    Fixed(0x03, "EQ Q1 = "),
    Fixed(0x04, "EQ Shape 1 = "),
    Fixed(0x05, "EQ Gain 2 = "),
    Fixed(0x06, "EQ Freq 2 = "),
    Fixed(0x07, "EQ Q2 = "),
    Fixed(0x09, "EQ Gain 3 = "),
    Fixed(0x0A, "EQ Freq 3 = "),
    Fixed(0x0B, "EQ Q3 = "),
    Fixed(0x0D, "EQ Gain 4 = "),
    Fixed(0x0E, "EQ Freq 4 = "),
    Fixed(0x0F, "EQ Q4 = "),
    Fixed(0x11, "EQ Gain 5 = "),
    Fixed(0x12, "EQ Freq 5 = "),
    Fixed(0x13, "EQ Q5 = "),
    Fixed(0x14, "EQ Shape 5 = "),
};
static_assert(Ascending(kMultiEq));

}  // namespace

std::string MultiEqText(std::string_view hex, std::string built) {
  return RowText(kMultiEq, hex, std::move(built) + "MultiEQ ");
}

}  // namespace veltrix::xg
