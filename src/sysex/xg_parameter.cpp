#include "sysex/xg_parameter.h"

#include "core/hex_text.h"

namespace veltrix {

std::string XgParameterText(std::string_view hex) {
  return RawForm("", hex);
}
}  // namespace veltrix
