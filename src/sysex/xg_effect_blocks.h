#pragma once

#include <string>
#include <string_view>

// The blocks of an XG parameter change that XgParameterText decodes itself. Each is given the
// hex text and the text built so far ("XG ") and returns the whole text of the row; failures
// are thrown to GetSysex.

namespace veltrix::xg {

std::string SystemText(std::string_view hex, std::string built);
std::string Effect1Text(std::string_view hex, std::string built);
std::string MultiEqText(std::string_view hex, std::string built);
std::string Effect2Text(std::string_view hex, std::string built);
std::string VocalHarmonyText(std::string_view hex, std::string built);

}  // namespace veltrix::xg
