#include "sysex/get_sysex.h"

#include "core/hex_text.h"

namespace veltrix {

std::string GetSysex(std::string_view hex, const ErrorReporter& reporter) {
  return Guarded(reporter, "GetSysex", std::string(), [&] { return RawForm("", hex); });
}

}  // namespace veltrix
