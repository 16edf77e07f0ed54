#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_parameter.h"
#include "sysex/xg_rows.h"

namespace veltrix {
namespace {

using xg::Fixed;
using xg::Row;

// Byte 4 = 10, byte 5 the A/D part: its parameters, by byte 6.
constexpr Row kAdPart[] = {
    Fixed(0x00, "Input Gain = "),
    Fixed(0x01, "Bank Select MSB = "),
    Fixed(0x02, "Bank Select LSB = "),
    Fixed(0x03, "Program Number = "),
    Fixed(0x04, "Rcv Channel = "),
    Fixed(0x0B, "Volume = "),
    Fixed(0x0E, "Pan = "),
    Fixed(0x11, "Dry Level = "),
    Fixed(0x12, "Chorus Send = "),
    Fixed(0x13, "Reverb Send = "),
    Fixed(0x14, "Variation Send = "),
};
static_assert(xg::Ascending(kAdPart));

}  // namespace

std::string XgAdPartText(std::string_view hex, std::string builtSoFar) {
  std::string text = std::move(builtSoFar);
  text.append("A/D Part ").append(ByteText(hex, 5)).append(" ");
  return xg::RowText(kAdPart, hex, std::move(text));
}

}  // namespace veltrix
