#include "sysex/xg_parameter.h"

#include "core/hex_text.h"

namespace veltrix {

std::string XgDrumSetupText(std::string_view hex, std::string builtSoFar) {
  return RawForm(builtSoFar, hex);
}
std::string XgAdPartText(std::string_view hex, std::string builtSoFar) {
  return RawForm(builtSoFar, hex);
}
std::string XgPartOffsetText(std::string_view hex, std::string builtSoFar) {
  return RawForm(builtSoFar, hex);
}

}  // namespace veltrix
