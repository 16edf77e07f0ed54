#pragma once

#include <string>
#include <string_view>

namespace veltrix {

// The text of an XG parameter change (header 43 10 4C already matched). Failures (the decimal
// of a missing byte, and so on) are thrown to GetSysex, which reports them.
std::string XgParameterText(std::string_view hex);

// The blocks XgParameterText hands on; each is given the text built so far ("XG ") and
// returns the whole text of the row.
std::string XgMultiPartText(std::string_view hex, std::string builtSoFar);
std::string XgDrumSetupText(std::string_view hex, std::string builtSoFar);
std::string XgAdPartText(std::string_view hex, std::string builtSoFar);
std::string XgPartOffsetText(std::string_view hex, std::string builtSoFar);

}  // namespace veltrix
