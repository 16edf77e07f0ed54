#include "sysex/xg_parameter.h"

#include "core/hex_text.h"

namespace veltrix {

std::string XgMultiPartText(std::string_view hex, std::string builtSoFar) {
  return RawForm(builtSoFar, hex);
}
}  // namespace veltrix
