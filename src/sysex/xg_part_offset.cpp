#include <algorithm>
#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_parameter.h"
#include "sysex/xg_rows.h"

namespace veltrix {
namespace {

using xg::Fixed;
using xg::Row;

// Byte 4 = 0A, byte 5 the part: its controller offset levels, by byte 6.
constexpr Row kPartOffset[] = {
    Fixed(0x40, "MW offset Level= "),  Fixed(0x41, "Pitch Bend offset Level= "),
    Fixed(0x42, "CAT offset Level= "), Fixed(0x43, "PAT offset Level= "),
    Fixed(0x44, "AC1 offset Level= "), Fixed(0x45, "AC2 offset Level= "),
};
static_assert(xg::Ascending(kPartOffset));

bool IsListed(std::string_view hex) {
  std::optional<int> address = xg::HexDigitsValue(hex, 6);
  return address && std::any_of(std::begin(kPartOffset), std::end(kPartOffset),
                                [&](const Row& row) { return row.first == *address; });
}

}  // namespace

// An unlisted parameter ends the text after the part number, without the raw form.
std::string XgPartOffsetText(std::string_view hex, std::string builtSoFar) {
  std::string text = std::move(builtSoFar);
  text.append("Part ").append(ByteText(hex, 5)).append(" ");
  if (!IsListed(hex)) return text;
  return xg::RowText(kPartOffset, hex, std::move(text));
}

}  // namespace veltrix
