#include <utility>

#include "sysex/xg_effect_blocks.h"
#include "sysex/xg_rows.h"

namespace veltrix::xg {

namespace {

// Byte 4 = 00. Byte 5 is not examined.
constexpr Row kSystem[] = {
    Span(0x00, 0x03, "Master Tune= ", FourDataBytes),
    Fixed(0x04, "Master Volume= ", HexByteValue),
    Fixed(0x06, "Transpose= ", HexByteValue),
    Fixed(0x7D, "Drum Setup Reset= ", HexByteValue),
    Fixed(0x7E, "System On", NoValue),
    Fixed(0x7F, "All Parameter Reset", NoValue),
};
static_assert(Ascending(kSystem));

}  // namespace

std::string SystemText(std::string_view hex, std::string built) {
  return RowText(kSystem, hex, std::move(built));
}

}  // namespace veltrix::xg
