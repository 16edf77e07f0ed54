#include "sysex/keyboard_message.h"

#include "core/hex_text.h"

namespace veltrix {

std::string KeyboardMessageText(std::string_view hex) {
  return RawForm("", hex);
}

}  // namespace veltrix
