#include "core/hex_text.h"
#include "core/number_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

std::string StyleParameterText(std::string_view hex) {
  std::string_view address = HexRun(hex, 6, 8);
  if (address == "00 00 08") {
    // Bytes 9 to 13 and the first digit of byte 14.
    return std::string("Style Part  On/Off(00)").append(kEquals).append(HexRun(hex, 9, 16));
  }
  if (address == "00 03 04") {
    // Two 7-bit bytes; a byte cut off counts as 0.
    int code = ValueOrZero(hex, 11) * 128 + ValueOrZero(hex, 12);
    return "Style code = " + SignedNumberText(code);
  }
  return RawForm("", hex);
}

// Byte 10 is not shown.
std::string SplitPointText(std::string_view hex) {
  if (HexRun(hex, 6, 11) != "00 03 10 00") return RawForm("", hex);
  return std::string("Split Point").append(kEquals).append(ByteText(hex, 11));
}

}  // namespace

std::string StyleSettingText(std::string_view hex) {
  std::string_view setting = ByteText(hex, 5);
  if (setting == "05") return StyleParameterText(hex);
  if (setting == "00") return SplitPointText(hex);
  return RawForm("", hex);
}

}  // namespace veltrix::keyboard
