#pragma once

#include <string>
#include <string_view>

namespace veltrix {

// The text of a keyboard-specific message (header 43 73 01 already matched). Failures are
// thrown to GetSysex, which reports them.
std::string KeyboardMessageText(std::string_view hex);

}  // namespace veltrix
