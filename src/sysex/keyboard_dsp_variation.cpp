#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {

// Only bytes 5 to 7 = 08 00 01 are a variation switch; byte 8 then says off or on.
std::string DspVariationText(std::string_view hex) {
  if (HexRun(hex, 5, 8) != "08 00 01") return RawForm("", hex);
  std::string_view state = ByteText(hex, 8);
  if (state == "00") return " DSP Variation Off";
  if (state == "7F") return "DSP Variation On";
  return {};
}

}  // namespace veltrix::keyboard
